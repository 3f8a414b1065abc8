#include "model/Preselection.h"

#include "model/ActionPlanner.h"
#include "model/BookData.h"
#include "model/Clock.h"
#include "model/MonthMath.h"
#include "monitoring/Report.h"
#include "monitoring/ReportTexts.h"

namespace {

constexpr int kMonthly = 12;
constexpr int kDueRuleDays = 7;
constexpr int kDueRuleColour = 1;  // "Rot"

struct CTransferTarget {
  CDatabase& database;
  CHaushaltsbuchRow& book;
  int bookId;
  CMonthCollections collections;
  CReportList& reports;
};

CDate FirstDayOf(int monthId) {
  const CDate::CYmd day = FirstDayOfMonth(monthId);
  return CDate::FromYmd(day.year, day.month, day.day);
}

void TransferAccount(CTransferTarget& target, const CPreselectionItem& item) {
  CBestandsdatenList& accounts = target.collections.accounts;
  if (accounts.FindAccountByName(item.name, kAllLoadedMonths)) return;
  const CHaushaltsbuchRow& book = target.book;
  CBestandsdaten& account =
      accounts.NewAccount(target.database, target.bookId, book.AktMonatId, book.FirstExistMonatId);
  account.Bezeichnung = item.name;
  account.Betrag = item.amount;
  account.Typ = kAccountAssets;
  account.CheckErforderlich = 1;
  account.FirstMonatId = book.FirstExistMonatId;
  account.Datum = Today();
  account.KontoAktiv = 1;
  account.Bestaetigt = 0;
  account.changeFlags |= kAccountChangeMasterData | kAccountChangeRange;
  if (target.book.HauptKontoId == 0) target.book.HauptKontoId = account.PostenId;
}

void TransferContract(CTransferTarget& target, const CPreselectionItem& item) {
  CVertragList& contracts = target.collections.contracts;
  if (contracts.FindContractByName(item.name, kAllLoadedMonths)) return;
  const CHaushaltsbuchRow& book = target.book;
  CVertrag& contract = contracts.NewContract(target.database, target.bookId, book.AktMonatId);
  contract.KontoId = book.HauptKontoId;
  contract.Typ = item.kind == PreselectionKind::IncomeContract ? kContractIncome : kContractExpense;
  contract.Bezeichnung = item.name;
  contract.Betrag = item.amount;
  contract.CheckErforderlich = 1;
  // The first payment falls into the book's first month, so that is where
  // the contract begins.
  contract.ErsteFaelligkeit = FirstDayOf(book.FirstExistMonatId);
  contract.FirstMonat = book.FirstExistMonatId;
  contract.Rueckstellung = item.paymentsPerYear != kMonthly ? 1 : 0;
  contract.AnzZahlungen = item.paymentsPerYear;
  contract.changeFlags |= kContractChangeMasterData | kContractChangeRange;
}

// Payments of every contract falling due within the next seven days.
bool WatchesEveryDueDateAhead(const CReport& rule) {
  return !rule.IsDeleted() && rule.ReportTyp == kReportContract && rule.VertragId == 0 && rule.KontoId == 0 &&
         rule.KategorieId == 0 && rule.FlagVorNach == kReportDueWithin && rule.FlagTageWochen == kReportDays &&
         rule.AnzTage == kDueRuleDays;
}

void TransferDueDateRule(CTransferTarget& target) {
  for (const CReport& rule : target.reports)
    if (WatchesEveryDueDateAhead(rule)) return;
  CReport& rule = target.reports.New(kReportContract);
  rule.Aktiv = 1;
  rule.FarbIndex = kDueRuleColour;
  rule.VertragId = 0;
  rule.FlagVorNach = kReportDueWithin;
  rule.FlagTageWochen = kReportDays;
  rule.AnzTage = kDueRuleDays;
  // The text the monitoring screen would write for these choices.
  CRuleChoices choices;
  choices.reportTyp = kReportContract;
  choices.contractName = "Alle Verträge";
  choices.flagVorNach = rule.FlagVorNach;
  choices.anzTage = rule.AnzTage;
  choices.flagTageWochen = rule.FlagTageWochen;
  rule.AuagabeText = DefaultOutputText(choices);
}

void TransferItem(CTransferTarget& target, const CPreselectionItem& item) {
  switch (item.kind) {
    case PreselectionKind::Account: TransferAccount(target, item); break;
    case PreselectionKind::ExpenseContract:
    case PreselectionKind::IncomeContract: TransferContract(target, item); break;
    case PreselectionKind::MonitoringRule: TransferDueDateRule(target); break;
  }
}

// Requests 1 and 2 carry the new records into every month and store the
// loaded months; false when neither had anything to do (nothing stored).
bool CarryIntoEveryMonth(CBookData& bookData) {
  CActionPlanner* planner = bookData.Planner();
  if (!planner || !bookData.PlannerOperations()) return false;
  const int accountsCarried = planner->Run(CActionPlanner::kCarryAccounts);
  const int contractsCarried = planner->Run(CActionPlanner::kCarryContracts);
  return accountsCarried != 0 || contractsCarried != 0;
}

}  // namespace

std::vector<CPreselectionItem> PreselectionItems() {
  using enum PreselectionKind;
  return {
      {Account, "Girokonto", 0.0, 0, true},
      {Account, "Sparbuch", 0.0, 0, false},
      {IncomeContract, "Lohn/Gehalt", 1200.0, 12, true},
      {ExpenseContract, "Miete", 400.0, 12, true},
      {ExpenseContract, "Kfz-Versicherung", 100.0, 4, false},
      {ExpenseContract, "Kfz-Steuer", 220.0, 1, false},
      {ExpenseContract, "Telefon/Handy", 30.0, 12, false},
      {MonitoringRule, "Fälligkeiten", 0.0, 0, true},
  };
}

void TransferPreselection(CBookData& bookData, const std::vector<CPreselectionItem>& items) {
  CTransferTarget target{*bookData.Database(), bookData.Book(), bookData.CurrentBookId(),
                         bookData.MonthCollections(), *bookData.Reports()};
  // Accounts first, whatever order the items come in: the contracts are
  // paid from the main account the first of them may become.
  for (bool accounts : {true, false})
    for (const CPreselectionItem& item : items)
      if (item.checked && (item.kind == PreselectionKind::Account) == accounts) TransferItem(target, item);
}

void ApplyPreselection(CBookData& bookData, const std::vector<CPreselectionItem>& items) {
  const int mainAccountBefore = bookData.Book().HauptKontoId;
  TransferPreselection(bookData, items);
  CDatabase& database = *bookData.Database();
  const int bookId = bookData.CurrentBookId();
  if (!CarryIntoEveryMonth(bookData)) bookData.StoreMonths(bookId, kAllLoadedMonths);
  bookData.Reports()->Store(database, bookId);
  // A book not stored yet gets its main account when it is saved.
  CHaushaltsbuchRow& book = bookData.Book();
  if (book.HauptKontoId != mainAccountBefore && book.ExistsInDatabase(database, bookId)) book.Store(database, bookId);
}
