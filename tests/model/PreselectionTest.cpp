#include "model/Preselection.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <map>
#include <tuple>

#include "model/BookData.h"
#include "model/Clock.h"
#include "model/FirstBook.h"
#include "monitoring/Report.h"
#include "support/ScriptedMessages.h"
#include "support/TemporaryDirectory.h"

namespace {

constexpr int kSeptember2008 = 93;
constexpr int kJune2009 = 102;

// The preselection screen as a script: it records what it was shown and
// answers with changed ticks, or cancels.
class CScriptedChoice final : public IPreselectionChoice {
 public:
  explicit CScriptedChoice(std::function<bool(std::vector<CPreselectionItem>&)> answer)
      : answer_(std::move(answer)) {}
  bool Choose(std::vector<CPreselectionItem>& items) override {
    shown = items;
    return answer_(items);
  }
  std::vector<CPreselectionItem> shown;

 private:
  std::function<bool(std::vector<CPreselectionItem>&)> answer_;
};

bool AsPreset(std::vector<CPreselectionItem>&) { return true; }

void Tick(std::vector<CPreselectionItem>& items, const std::string& name, bool checked) {
  for (CPreselectionItem& item : items)
    if (item.name == name) item.checked = checked;
}

// One stored contract as the tests compare it.
struct CStoredContract {
  int typ, kontoId, anzZahlungen, rueckstellung, months;
  double betrag;
  std::string ersteFaelligkeit;
  friend bool operator==(const CStoredContract&, const CStoredContract&) = default;
};

std::ostream& operator<<(std::ostream& out, const CStoredContract& c) {
  return out << "{Typ " << c.typ << ", KontoId " << c.kontoId << ", AnzZahlungen " << c.anzZahlungen
             << ", Rueckstellung " << c.rueckstellung << ", months " << c.months << ", Betrag " << c.betrag << ", "
             << c.ersteFaelligkeit << "}";
}

class PreselectionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    bookData_ = std::make_unique<CBookData>(dir_.Path().string());
    ASSERT_EQ(bookData_->StartUp(), 0);
  }
  void CreateBook(CScriptedChoice& choice) {
    CScriptedMessages messages;  // any question fails the test
    ASSERT_EQ(CreateFirstBook(*bookData_, choice), 1);
  }
  std::unique_ptr<CDatabase> File() { return CDatabase::Open(dir_.File("Pellwick.db")); }

  // Name → (PostenId, number of months) of the stored accounts.
  std::map<std::string, std::pair<int, int>> StoredAccounts() {
    auto database = File();
    std::map<std::string, std::pair<int, int>> accounts;
    for (CResult r = database->Query("select Bezeichnung, PostenId, count(*) as n, min(MonatId) as f, "
                                     "max(MonatId) as l, count(distinct PostenId) as ids from Bestandsdaten "
                                     "where BuchId = 1 group by Bezeichnung;");
         !r.AtEnd(); r.MoveNext()) {
      EXPECT_EQ(r.Int("ids"), 1) << r.Text("Bezeichnung");
      EXPECT_EQ(r.Int("f"), kSeptember2008);
      EXPECT_EQ(r.Int("l"), kJune2009);
      accounts[r.Text("Bezeichnung")] = {r.Int("PostenId"), r.Int("n")};
    }
    return accounts;
  }
  std::map<std::string, CStoredContract> StoredContracts() {
    auto database = File();
    std::map<std::string, CStoredContract> contracts;
    for (CResult r = database->Query("select Bezeichnung, min(Typ) as t, min(KontoId) as k, min(AnzZahlungen) as z, "
                                     "min(Rueckstellung) as r, count(*) as n, min(Betrag) as b, "
                                     "min(ErsteFaelligkeit) as e, count(distinct PostenId) as ids from Vertrag "
                                     "where BuchId = 1 group by Bezeichnung;");
         !r.AtEnd(); r.MoveNext()) {
      EXPECT_EQ(r.Int("ids"), 1) << r.Text("Bezeichnung");
      contracts[r.Text("Bezeichnung")] = {r.Int("t"), r.Int("k"), r.Int("z"), r.Int("r"), r.Int("n"),
                                          r.Double("b"), r.Text("e")};
    }
    return contracts;
  }
  // (ReportTyp, FlagVorNach, FlagTageWochen, AnzTage, Aktiv, FarbIndex) of the stored rules by id.
  std::map<int, std::tuple<int, int, int, int, int, int>> StoredRules() {
    auto database = File();
    std::map<int, std::tuple<int, int, int, int, int, int>> rules;
    for (CResult r = database->Query("select * from Report where BuchId = 1;"); !r.AtEnd(); r.MoveNext())
      rules[r.Int("ReportId")] = {r.Int("ReportTyp"), r.Int("FlagVorNach"), r.Int("FlagTageWochen"),
                                  r.Int("AnzTage"), r.Int("Aktiv"), r.Int("FarbIndex")};
    return rules;
  }
  int MainAccount() { return File()->Query("select HauptKontoId from Haushaltsbuch;").Int("HauptKontoId"); }

  CTemporaryDirectory dir_;
  CFixedClock clock_{CDate::FromYmd(2009, 3, 15)};
  CScopedClock installedClock_{clock_};
  std::unique_ptr<CBookData> bookData_;
};

const std::tuple<int, int, int, int, int, int> kDueWithinSevenDays{kReportContract, 0, 0, 7, 1, 1};

TEST_F(PreselectionTest, ThePresetMakesTheMainAccountItsContractsAndTheDueDateRuleInEveryMonth) {
  CScriptedChoice choice(AsPreset);
  CreateBook(choice);
  EXPECT_EQ(choice.shown, PreselectionItems());
  const auto accounts = StoredAccounts();
  ASSERT_EQ(accounts.size(), 1u);
  const auto [giro, giroMonths] = accounts.at("Girokonto");
  EXPECT_EQ(giroMonths, 10);
  EXPECT_EQ(MainAccount(), giro);
  EXPECT_EQ(bookData_->Book().HauptKontoId, giro);
  EXPECT_EQ(StoredContracts(), (std::map<std::string, CStoredContract>{
                                   {"Lohn/Gehalt", {kContractIncome, giro, 12, 0, 10, 1200.0, "20080901"}},
                                   {"Miete", {kContractExpense, giro, 12, 0, 10, 400.0, "20080901"}},
                               }));
  const auto rules = StoredRules();
  ASSERT_EQ(rules.size(), 3u);
  EXPECT_EQ(std::get<0>(rules.at(kReportNoAccount)), kReportInputError);
  EXPECT_EQ(std::get<0>(rules.at(kReportNoContract)), kReportInputError);
  EXPECT_EQ(std::prev(rules.end())->second, kDueWithinSevenDays);
  EXPECT_EQ(File()->Query("select AuagabeText from Report where ReportTyp = 1;").Text("AuagabeText"),
            "Fälligkeit von Alle Verträge ist in 7 Tagen");

  // The book is loaded with them, the account unconfirmed and checked.
  const CBestandsdaten* loaded = bookData_->Accounts()->FindAccountByName("Girokonto", kSeptember2008);
  ASSERT_NE(loaded, nullptr);
  EXPECT_EQ(loaded->Bestaetigt, 0);
  EXPECT_EQ(loaded->CheckErforderlich, 1);
  EXPECT_EQ(loaded->KontoAktiv, 1);
  EXPECT_EQ(loaded->Typ, kAccountAssets);
  EXPECT_EQ(loaded->FirstMonatId, kSeptember2008);
  EXPECT_EQ(bookData_->Reports()->Count(), 3);
}

TEST_F(PreselectionTest, ChangedTicksMakeOnlyTheTickedItemsAndReserveForPaymentsNotMonthly) {
  CScriptedChoice choice([](std::vector<CPreselectionItem>& items) {
    Tick(items, "Girokonto", false);
    Tick(items, "Sparbuch", true);
    Tick(items, "Miete", false);
    Tick(items, "Kfz-Versicherung", true);
    Tick(items, "Kfz-Steuer", true);
    Tick(items, "Fälligkeiten", false);
    // The screen may hand the items back in another order.
    std::reverse(items.begin(), items.end());
    return true;
  });
  CreateBook(choice);
  const auto accounts = StoredAccounts();
  ASSERT_EQ(accounts.size(), 1u);
  const int sparbuch = accounts.at("Sparbuch").first;
  EXPECT_EQ(MainAccount(), sparbuch);
  EXPECT_EQ(StoredContracts(), (std::map<std::string, CStoredContract>{
                                   {"Kfz-Steuer", {kContractExpense, sparbuch, 1, 1, 10, 220.0, "20080901"}},
                                   {"Kfz-Versicherung", {kContractExpense, sparbuch, 4, 1, 10, 100.0, "20080901"}},
                                   {"Lohn/Gehalt", {kContractIncome, sparbuch, 12, 0, 10, 1200.0, "20080901"}},
                               }));
  EXPECT_EQ(StoredRules().size(), 2u);  // the built-in ones
}

TEST_F(PreselectionTest, CancellingMakesTheBookWithoutAnyOfTheSuggestions) {
  CScriptedChoice choice([](std::vector<CPreselectionItem>& items) {
    Tick(items, "Sparbuch", true);
    return false;
  });
  CreateBook(choice);
  EXPECT_TRUE(StoredAccounts().empty());
  EXPECT_TRUE(StoredContracts().empty());
  EXPECT_EQ(StoredRules().size(), 2u);
  EXPECT_EQ(MainAccount(), 0);
  EXPECT_EQ(bookData_->Book().Bezeichnung, "Buch1");

  // Taken later, the preselection gives the stored book its main account.
  ApplyPreselection(*bookData_, PreselectionItems());
  EXPECT_EQ(MainAccount(), StoredAccounts().at("Girokonto").first);
  EXPECT_EQ(StoredContracts().size(), 2u);
}

TEST_F(PreselectionTest, TakingThePreselectionAgainAddsOnlyWhatIsMissing) {
  CScriptedChoice choice(AsPreset);
  CreateBook(choice);
  const auto first = StoredAccounts();
  const auto firstRules = StoredRules();

  std::vector<CPreselectionItem> everything = PreselectionItems();
  for (CPreselectionItem& item : everything) item.checked = true;
  {
    CScriptedMessages messages;
    ApplyPreselection(*bookData_, everything);
    ApplyPreselection(*bookData_, everything);
  }
  const auto accounts = StoredAccounts();
  EXPECT_EQ(accounts.size(), 2u);
  EXPECT_EQ(accounts.at("Girokonto"), first.at("Girokonto"));
  EXPECT_EQ(accounts.at("Sparbuch").second, 10);
  const int giro = first.at("Girokonto").first;
  EXPECT_EQ(MainAccount(), giro);
  EXPECT_EQ(StoredContracts(), (std::map<std::string, CStoredContract>{
                                   {"Kfz-Steuer", {kContractExpense, giro, 1, 1, 10, 220.0, "20080901"}},
                                   {"Kfz-Versicherung", {kContractExpense, giro, 4, 1, 10, 100.0, "20080901"}},
                                   {"Lohn/Gehalt", {kContractIncome, giro, 12, 0, 10, 1200.0, "20080901"}},
                                   {"Miete", {kContractExpense, giro, 12, 0, 10, 400.0, "20080901"}},
                                   {"Telefon/Handy", {kContractExpense, giro, 12, 0, 10, 30.0, "20080901"}},
                               }));
  EXPECT_EQ(StoredRules(), firstRules);

  // A rule watching something else does not count as the same.
  bookData_->Reports()->FindId(std::prev(firstRules.end())->first)->AnzTage = 14;
  ApplyPreselection(*bookData_, everything);
  const auto rules = StoredRules();
  ASSERT_EQ(rules.size(), 4u);
  EXPECT_EQ(std::prev(rules.end())->second, kDueWithinSevenDays);
}

}  // namespace
