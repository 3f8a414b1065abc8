#pragma once
// A contract of one month (a row of Vertrag) with its in-memory marks, and
// the contracts of all loaded months. User-interface thread only.

#include <optional>
#include <string>
#include <vector>

#include "model/MonthRecordList.h"
#include "storage/AccountTables.h"
#include "storage/Date.h"

// Pending change flags of a contract. Not stored.
inline constexpr int kContractChangePreviousMonth = 1;
inline constexpr int kContractChangePayment = 2;  // payment data; also "check the due entries"
inline constexpr int kContractChangeMasterData = 4;
inline constexpr int kContractChangeRange = 8;  // validity range

// Contract kinds (Typ).
inline constexpr int kContractIncome = 1;
inline constexpr int kContractExpense = 2;
inline constexpr int kContractTransfer = 3;  // from KontoId to TarKontoId

class CVertrag : public CVertragRow {
 public:
  static constexpr const char* kLoadMonthSql =
      "select * from [Vertrag] where Vertrag.BuchId = %d and Vertrag.MonatId = %d;";
  // Contract ids are also what entries, monitoring rules and import rules
  // refer to; a new contract must not take an id one of them still names.
  static constexpr const char* kHighestIdSql =
      "with Buch(Id) as (select %d) select max(n) as n from ("
      "select max(PostenId) as n from [Vertrag], Buch where Vertrag.BuchId = Buch.Id "
      "union all select max(RefVertragPostenId) from [Vorgang], Buch where Vorgang.BuchId = Buch.Id "
      "union all select max(VertragId) from [Report], Buch where Report.BuchId = Buch.Id "
      "union all select max(VertragId) from [ImportRegel]);";

  int changeFlags = 0;       // kContractChange... bits
  int renewDueEntries = 0;   // the month's due entries are to be made anew

  // Contracts are written whenever the list is stored.
  bool NeedsStore() const { return true; }
  void MarkStored() { renewDueEntries = 0; }

  // Whether the month lies in FirstMonat ... LastMonat (0: open at that end).
  bool ValidIn(int monthId) const;
  // The columns a copy into another month takes over: everything but the
  // keys, including the validity range and the term.
  void CopyContractColumnsFrom(const CVertragRow& source);
  // Master data (flag 4): kind, name, first month and term; the last month
  // follows from the term.
  void CopyMasterDataFrom(const CVertragRow& source);
  // Payment data (flag 2): amount, category, cycle, reserve, confirmation,
  // accounts.
  void CopyPaymentDataFrom(const CVertragRow& source);
  // Validity range (flag 8): first and last month.
  void CopyRangeFrom(const CVertragRow& source);
};

// What the first line of a contract choice list offers.
enum class ContractChoice : int {
  All = 0,          // "Alle Verträge"
  NewContract = 1,  // "Neuer Vertrag"
};

class CVertragList : public CMonthRecordList<CVertrag> {
 public:
  static constexpr const char* kAllContracts = "Alle Verträge";
  static constexpr const char* kNewContract = "Neuer Vertrag";

  // A new expense contract of the current month, paid monthly from today
  // and valid from that month on, with a PostenId no row of the book has or
  // refers to. The list owns it.
  CVertrag& NewContract(CDatabase& database, int bookId, int currentMonthId);

  // A record of the source's contract in the month, marked for renewal of
  // its due entries. Null (and nothing made) when the month lies outside
  // the source's validity range or the contract has a record there. The
  // list owns the record.
  CVertrag* CopyContractInto(int monthId, const CVertrag& source);

  // Brings the contract's record of the month up to the source by the
  // source's pending change flags (a month without a record gets a copy,
  // within the validity range) and marks it for renewal of its due
  // entries. Records outside the new validity range are marked deleted,
  // those inside it live again.
  void PropagateContract(const CVertrag& source, int monthId);

  // The contract's record in the month, deleted ones included, or with
  // kAllLoadedMonths its first live record; null when none. Not owned by
  // the caller.
  CVertrag* FindContract(int postenId, int monthId);
  // The live record named exactly so in the month (kAllLoadedMonths: any).
  CVertrag* FindContractByName(const std::string& name, int monthId);
  // The name of the contract (from any of its live records), empty if none.
  std::string ContractName(int postenId) const;

  // The live records of the contract in month order.
  std::vector<const CVertragRow*> RecordsOf(int postenId) const;
  // The due dates of the contract's records in firstMonth ... lastMonth as
  // the due-date combo lists them.
  std::vector<std::string> DueDateTexts(int postenId, int firstMonth, int lastMonth) const;
  // The contract's due date closest to `date` within the months (see
  // NearestDue in DueDates.h).
  std::optional<CDate> NearestDue(int postenId, const CDate& date, int firstMonth, int lastMonth, int daysBefore,
                                  int daysAfter) const;

  // The texts of a contract choice list: the header of `choice`, then the
  // names of the month's live records.
  std::vector<std::string> ChoiceNames(int monthId, ContractChoice choice) const;
};

// The one-line description of lists and prints: first due date, name,
// category " (%s)" (left out without a name), filled with blanks to 60
// characters, then "EUR" and the amount ("%6.2f").
std::string ContractLine(const CVertragRow& contract, const std::string& categoryName);
