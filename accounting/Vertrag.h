#pragma once
// A contract of one month (a row of Vertrag) with its in-memory marks, and
// the contracts of all loaded months.

#include "model/MonthRecordList.h"
#include "storage/AccountTables.h"

// Pending change flags of a contract. Not stored.
inline constexpr int kContractChangePreviousMonth = 1;
inline constexpr int kContractChangePayment = 2;  // payment data; also "check the due entries"
inline constexpr int kContractChangeMasterData = 4;
inline constexpr int kContractChangeRange = 8;  // validity range

class CVertrag : public CVertragRow {
 public:
  static constexpr const char* kLoadMonthSql =
      "select * from [Vertrag] where Vertrag.BuchId = %d and Vertrag.MonatId = %d;";
  static constexpr const char* kHighestIdSql =
      "select max(PostenId) as n from [Vertrag] where Vertrag.BuchId = %d;";

  int changeFlags = 0;       // kContractChange... bits
  int renewDueEntries = 0;   // the month's due entries are to be made anew

  // Contracts are written whenever the list is stored.
  bool NeedsStore() const { return true; }
  void MarkStored() {}
};

class CVertragList : public CMonthRecordList<CVertrag> {};
