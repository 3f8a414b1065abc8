#pragma once
// An account of one month (a row of Bestandsdaten) with what the program
// keeps about it in memory only, and the accounts of all loaded months.

#include "model/MonthRecordList.h"
#include "storage/AccountTables.h"

// Pending change flags of an account: what a change in one month still has
// to carry into other months. Not stored.
inline constexpr int kAccountChangeStartBalance = 1;
inline constexpr int kAccountChangeCheck = 2;  // confirmation requirement, interest computation
inline constexpr int kAccountChangeMasterData = 4;
inline constexpr int kAccountChangeRange = 8;  // validity range
inline constexpr int kAccountChangeInterest = 16;  // interest period, fixed costs

class CBestandsdaten : public CBestandsdatenRow {
 public:
  static constexpr const char* kLoadMonthSql =
      "select * from [Bestandsdaten] where Bestandsdaten.BuchId = %d and Bestandsdaten.MonatId = %d;";
  static constexpr const char* kHighestIdSql =
      "select max(PostenId) as n from [Bestandsdaten] where Bestandsdaten.BuchId = %d;";

  // The month's movements, computed by the account computation.
  double confirmedIncome = 0.0;
  double confirmedOutgoings = 0.0;
  double unconfirmedIncome = 0.0;
  double unconfirmedOutgoings = 0.0;
  int confirmedEntries = 0;
  int unconfirmedEntries = 0;
  int correctionEntries = 0;
  double correctionAmount = 0.0;
  int computationState = 0;   // 0 not computed, 1 to be computed, 2 computed
  int correctionRequest = 0;  // 0 none, 1 book the difference, 2 remove the correction
  int changeFlags = 0;        // kAccountChange... bits

  // Accounts are written whenever the list is stored.
  bool NeedsStore() const { return true; }
  void MarkStored() {}
};

class CBestandsdatenList : public CMonthRecordList<CBestandsdaten> {};
