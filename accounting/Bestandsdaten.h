#pragma once
// An account of one month (a row of Bestandsdaten) with what the program
// keeps about it in memory only, and the accounts of all loaded months.
// User-interface thread only.

#include <string>
#include <vector>

#include "model/MonthRecordList.h"
#include "storage/AccountTables.h"

// Pending change flags of an account: what a change in one month still has
// to carry into other months. Not stored.
inline constexpr int kAccountChangeStartBalance = 1;
inline constexpr int kAccountChangeCheck = 2;  // confirmation requirement, interest computation
inline constexpr int kAccountChangeMasterData = 4;
inline constexpr int kAccountChangeRange = 8;  // validity range
inline constexpr int kAccountChangeInterest = 16;  // interest period, fixed costs

// Account kinds (Typ).
inline constexpr int kAccountAssets = 1;  // "Vermögen"
inline constexpr int kAccountStock = 2;   // "Vorrat"

// Computation states.
inline constexpr int kNotComputed = 0;
inline constexpr int kToBeComputed = 1;
inline constexpr int kComputed = 2;

// Correction requests: what CorrectAccount does with the previous month.
inline constexpr int kNoCorrection = 0;
inline constexpr int kBookCorrection = 1;
inline constexpr int kRemoveCorrection = 2;

inline constexpr const char* kNewAccountName = "Neues Vermögen";

class CBestandsdaten : public CBestandsdatenRow {
 public:
  static constexpr const char* kLoadMonthSql =
      "select * from [Bestandsdaten] where Bestandsdaten.BuchId = %d and Bestandsdaten.MonatId = %d;";
  // Account ids are also what entries, contracts, the book's main account,
  // forecast items, monitoring rules and import rules refer to; a new
  // account must not take an id one of them still names.
  static constexpr const char* kHighestIdSql =
      "with Buch(Id) as (select %d) select max(n) as n from ("
      "select max(PostenId) as n from [Bestandsdaten], Buch where Bestandsdaten.BuchId = Buch.Id "
      "union all select max(max(BetrKontoId), max(SrcKontoId), max(TarKontoId)) from [Vorgang], Buch "
      "where Vorgang.BuchId = Buch.Id "
      "union all select max(max(KontoId), max(TarKontoId)) from [Vertrag], Buch where Vertrag.BuchId = Buch.Id "
      "union all select max(HauptKontoId) from [Haushaltsbuch], Buch where Haushaltsbuch.BuchId = Buch.Id "
      "union all select max(max(KontoId), max(TarKontoId)) from [Ausblick], Buch where Ausblick.BuchId = Buch.Id "
      "union all select max(KontoId) from [Report], Buch where Report.BuchId = Buch.Id "
      "union all select max(max(KontoInfoKontoId), max(KontoStandKontoId), max(VonKontoId), max(NachKontoId)) "
      "from [ImportRegel]);";

  // The month's movements, computed by the account computation.
  double confirmedIncome = 0.0;
  double confirmedOutgoings = 0.0;
  double unconfirmedIncome = 0.0;
  double unconfirmedOutgoings = 0.0;
  int confirmedEntries = 0;
  int unconfirmedEntries = 0;
  int correctionEntries = 0;
  double correctionAmount = 0.0;
  int computationState = kNotComputed;
  int correctionRequest = kNoCorrection;
  int changeFlags = 0;  // kAccountChange... bits

  // Accounts are written whenever the list is stored.
  bool NeedsStore() const { return true; }
  void MarkStored() {}

  // Month order within one account.
  double SortKey(int which) const override;

  // Whether the month lies in FirstMonatId ... LastMonatId (0: open-ended).
  bool ValidIn(int monthId) const;
  // Start balance plus the confirmed movements and the correction: what
  // the next month starts with.
  double ComputedEndBalance() const;
  // Clears the movements, the correction amount and the end balance and
  // marks the record to be computed.
  void ResetComputation();
  // The columns that describe the account rather than one month of it
  // (everything but the keys, the start balance, its confirmation, the end
  // balance and the month's interest).
  void CopyAccountColumnsFrom(const CBestandsdatenRow& source);
  void CopyInterestSettingsFrom(const CBestandsdatenRow& source);
  void CopyCheckSettingsFrom(const CBestandsdatenRow& source);
};

// Which accounts the choice lists of other screens offer.
enum class AccountChoice : int {
  AllWithHeader = 0,  // "Alle aktiven Konten", then every active account
  NoStocks = 1,       // active accounts that are not stocks
  StocksOnly = 2,     // active stocks
};

class CBestandsdatenList : public CMonthRecordList<CBestandsdaten> {
 public:
  static constexpr const char* kAllActiveAccounts = "Alle aktiven Konten";

  // A new account of the current month with a PostenId no row of the book
  // has or refers to, valid from the first loaded month; the list owns it.
  CBestandsdaten& NewAccount(CDatabase& database, int bookId, int currentMonthId, int firstLoadedMonthId);

  // A record of the source's account in the month: the account columns,
  // the validity range and the interest settings are taken over, the
  // balance unconfirmed. Null (and nothing made) when the month lies
  // outside the account's validity range or the account has a record there.
  // The list owns the record.
  CBestandsdaten* CopyAccountInto(int monthId, const CBestandsdaten& source);

  // Brings the account's record of the month up to the source for the
  // change flags in mask (kAccountChange... bits) and nothing else; a month
  // without a record gets a copy (within the validity range).
  void PropagateAccount(const CBestandsdaten& source, int monthId, int mask);

  // Copies the account columns of the record into its records of every
  // later month up to lastMonthId and the account's last month, making
  // the missing ones.
  void CopyIntoFollowingMonths(const CBestandsdaten& record, int lastMonthId);

  // The account's record in the month, deleted ones included (propagation
  // revives them), or with kAllLoadedMonths its first live record in any
  // month; null when none.
  // Not owned by the caller.
  CBestandsdaten* FindAccount(int postenId, int monthId);
  const CBestandsdaten* FindAccount(int postenId, int monthId) const;
  // The same, leaving out records marked deleted.
  CBestandsdaten* FindLiveAccount(int postenId, int monthId);
  // The live record named exactly so in the month (kAllLoadedMonths: any).
  CBestandsdaten* FindAccountByName(const std::string& name, int monthId);
  // The name of the account (from any of its live records), empty if none.
  std::string AccountName(int postenId) const;

  // The texts of an account choice list over the month's accounts.
  std::vector<std::string> ChoiceNames(int monthId, AccountChoice choice) const;
};
