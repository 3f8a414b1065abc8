#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "accounting/AccountChecks.h"
#include "accounting/AccountComputation.h"
#include "accounting/AccountPlannerOperations.h"
#include "model/ActionPlanner.h"
#include "model/BookData.h"
#include "model/BookDataTestSupport.h"
#include "model/StringTable.h"
#include "storage/Result.h"
#include "support/ScriptedMessages.h"

namespace {

// Month n (1 ... 8) of the book: January to August 2009.
constexpr int M(int n) { return 96 + n; }
constexpr int kAccount = 1;

double Cents(double amount) { return std::round(amount * 100.0) / 100.0; }

// The account operations with a contract half that these scenarios never
// reach (they change no contract).
class CAccountOnlyOperations final : public CAccountPlannerOperations {
 public:
  using CAccountPlannerOperations::CAccountPlannerOperations;
  void PropagateContract(CVertrag&, int) override { ADD_FAILURE() << "no contract changes here"; }
  void CreateDueEntries(CVertrag&) override { ADD_FAILURE() << "no contract changes here"; }
};

// Months 1 to 8, all loaded, with account 1 in every month (stored start
// balance 100 × month id + 1, valid to month 8; computed all start at 9701) and one entry of no account.
class AccountPlannerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SeedBook(*CreateDatabase(dir_.File("Pellwick.db")),
             {.isCurrent = 1, .firstExist = M(1), .lastExist = M(8), .firstLoad = M(1), .lastLoad = M(8),
              .aktMonat = M(6)});
    ASSERT_EQ(bookData_.StartUp(), 1);
    bookData_.SetPlannerOperations(std::make_unique<CAccountOnlyOperations>(bookData_));
    for (int month = 1; month <= 8; ++month) Account(month).FirstMonatId = M(1);
    Recompute(AccountContextOf(bookData_), kAllAccounts, kFromFirstLoadedMonth);
  }
  CBestandsdaten& Account(int month) { return *bookData_.Accounts()->FindAccount(kAccount, M(month)); }
  CActionPlanner& Planner() { return *bookData_.Planner(); }
  std::vector<int> StoredChecks() {
    std::vector<int> checks;
    for (CResult r = bookData_.Database()->Query("select CheckErforderlich from Bestandsdaten order by MonatId;");
         !r.AtEnd(); r.MoveNext())
      checks.push_back(r.Int("CheckErforderlich"));
    return checks;
  }

  CTemporaryDirectory dir_;
  CFixedClock clock_{CDate::FromYmd(2009, 6, 15)};
  CScopedClock installedClock_{clock_};
  CScriptedMessages messages_;
  CBookData bookData_{dir_.Path().string()};
};

TEST_F(AccountPlannerTest, AConfirmedStartBalanceBecomesTheEndOfTheMonthBeforeWithACorrection) {
  ASSERT_EQ(Cents(Account(5).Betrag), 9701.0);  // carried on from month 1
  CBestandsdaten& may = Account(5);
  may.Betrag = 9750.0;
  may.Bestaetigt = 1;
  may.CheckErforderlich = 1;
  may.correctionRequest = kBookCorrection;
  may.changeFlags = kAccountChangeStartBalance;

  EXPECT_EQ(Planner().Run(CActionPlanner::kCarryAccount, may), 1);

  const CVorgang* correction = FindCorrectionEntry(*bookData_.Entries(), kAccount, M(4));
  ASSERT_NE(correction, nullptr);
  EXPECT_EQ(correction->Bezeichnung, "Nicht erfasste Einahmen");
  EXPECT_EQ(Cents(correction->Betrag), 49.0);
  EXPECT_EQ(Cents(Account(4).BetragEndMonat), 9750.0);
  EXPECT_EQ(Cents(Account(5).Betrag), 9750.0);
  EXPECT_EQ(Cents(Account(8).Betrag), 9750.0);
  EXPECT_EQ(Cents(Account(3).Betrag), 9701.0);  // earlier months keep theirs
}

TEST_F(AccountPlannerTest, AnEntryRequestRecomputesTheAccountFromTheEntrysMonth) {
  CVorgang& expense = bookData_.Entries()->NewEntry(*bookData_.Database(), 1, M(3));
  expense.BetrKontoId = kAccount;
  expense.Betrag = 10.0;
  expense.Bestaetigt = 1;
  bookData_.Entries()->InvalidateIndex();

  EXPECT_EQ(Planner().Run(CActionPlanner::kCorrectEntry, expense), 1);

  EXPECT_EQ(Cents(Account(3).confirmedOutgoings), 10.0);
  EXPECT_EQ(Cents(Account(3).Betrag), 9701.0);
  EXPECT_EQ(Cents(Account(4).Betrag), 9691.0);
  EXPECT_EQ(Cents(Account(8).BetragEndMonat), 9691.0);
}

TEST_F(AccountPlannerTest, ANoForTheFollowingMonthsHoldsAndNothingReachesEarlierMonths) {
  CBestandsdaten& may = Account(5);
  may.Bezeichnung = "Girokonto";
  may.CheckErforderlich = 1;
  may.changeFlags = kAccountChangeMasterData | kAccountChangeCheck;
  messages_.Answer(kAnswerNo);

  EXPECT_EQ(Planner().Run(CActionPlanner::kCarryAccounts), 1);

  EXPECT_EQ(messages_.Texts(), std::vector<std::string>{StringTableMessage(110, std::string("Girokonto"))});
  for (int month = 1; month <= 8; ++month) EXPECT_EQ(Account(month).Bezeichnung, "Girokonto") << month;
  EXPECT_EQ(StoredChecks(), (std::vector<int>{0, 0, 0, 0, 1, 0, 0, 0}));
}

TEST_F(AccountPlannerTest, ARangeChangeRemovesTheMonthsAfterTheNewLastMonth) {
  CBestandsdaten& march = Account(3);
  march.LastMonatId = M(6);
  march.changeFlags = kAccountChangeMasterData | kAccountChangeRange;

  EXPECT_EQ(Planner().Run(CActionPlanner::kCarryAccounts), 1);

  EXPECT_EQ(bookData_.Database()->Query("select max(MonatId) as n from Bestandsdaten;").Int("n"), M(6));
  EXPECT_EQ(bookData_.Accounts()->FindAccount(kAccount, M(7)), nullptr);
  EXPECT_EQ(Account(1).LastMonatId, M(6));
}

TEST_F(AccountPlannerTest, DeletingCompletelyRemovesTheAccountFromEveryMonthAfterTheQuestions) {
  CVorgang& entry = bookData_.Entries()->NewEntry(*bookData_.Database(), 1, M(8));
  entry.BetrKontoId = kAccount;
  bookData_.Entries()->InvalidateIndex();
  messages_.Answer({kAnswerYes, kAnswerNo, kAnswerYes, kAnswerYes});

  EXPECT_EQ(DeleteAccountCompletely(bookData_, kAccount), 0);
  EXPECT_FALSE(Account(8).IsDeleted());
  EXPECT_EQ(DeleteAccountCompletely(bookData_, kAccount), 1);

  for (int month = 1; month <= 8; ++month) EXPECT_TRUE(Account(month).IsDeleted()) << month;
  const std::string references = StringTableMessage(107, 1);  // the entry of the last month counts
  const std::string reallyDelete(StringTableText(112));
  EXPECT_EQ(messages_.Texts(), (std::vector<std::string>{reallyDelete, references, reallyDelete, references}));
  EXPECT_EQ(DeleteAccountCompletely(bookData_, kAccount), 0);  // nothing left to delete
}

}  // namespace
