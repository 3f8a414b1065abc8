#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "accounting/ContractChecks.h"
#include "model/ActionPlanner.h"
#include "model/BookData.h"
#include "model/BookDataTestSupport.h"
#include "model/StringTable.h"
#include "storage/Result.h"
#include "support/ScriptedMessages.h"

namespace {

// Month n (1 ... 8) of the book: January to August 2009.
constexpr int M(int n) { return 96 + n; }
constexpr int kContract = 1;
constexpr int kAccount = 1;

// A book of months 1 to 8, all loaded, started with the program's own
// planner operations. Contract 1 is a monthly rent of 500 from account 1,
// due on the 3rd, with its due entries stored in every month.
class ContractPlannerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    SeedBook(*CreateDatabase(dir_.File("Pellwick.db")),
             {.isCurrent = 1, .firstExist = M(1), .lastExist = M(8), .firstLoad = M(1), .lastLoad = M(8),
              .aktMonat = M(6)});
    ASSERT_EQ(bookData_.StartUp(), 1);
    ASSERT_NE(bookData_.PlannerOperations(), nullptr);
    for (int month = 1; month <= 8; ++month) {
      CVertrag& rent = Contract(month);
      rent.Bezeichnung = "Miete";
      rent.Betrag = 500.0;
      rent.KontoId = kAccount;
      rent.ErsteFaelligkeit = CDate::FromYmd(2009, 1, 3);
      rent.AnzZahlungen = 12;
      rent.FirstMonat = M(1);
      bookData_.PlannerOperations()->CreateDueEntries(rent);
      Account(month).FirstMonatId = M(1);
    }
    bookData_.StoreMonths(bookData_.CurrentBookId(), kAllLoadedMonths);
  }
  CVertrag& Contract(int month) { return *bookData_.Contracts()->FindContract(kContract, M(month)); }
  CBestandsdaten& Account(int month) { return *bookData_.Accounts()->FindAccount(kAccount, M(month)); }
  CVorgangList::CEntries DueEntries(int month) { return bookData_.Entries()->DueEntriesOfContract(kContract, M(month)); }
  CActionPlanner& Planner() { return *bookData_.Planner(); }
  std::vector<double> Stored(const std::string& sql) {
    std::vector<double> values;
    for (CResult r = bookData_.Database()->Query(sql); !r.AtEnd(); r.MoveNext()) values.push_back(r.Double("n"));
    return values;
  }

  CTemporaryDirectory dir_;
  CFixedClock clock_{CDate::FromYmd(2009, 6, 15)};
  CScopedClock installedClock_{clock_};
  CScriptedMessages messages_;
  CBookData bookData_{dir_.Path().string()};
};

TEST_F(ContractPlannerTest, AnAmountChangedInMonth3ReachesTheFollowingMonthsWithRenewedDueEntries) {
  CVertrag& march = Contract(3);
  march.Betrag = 550.0;
  march.changeFlags = kContractChangePayment;
  messages_.Answer(kAnswerYes);  // STRING 110, asked once and remembered

  EXPECT_EQ(Planner().Run(CActionPlanner::kCarryContract, march), 1);
  EXPECT_EQ(Planner().Run(CActionPlanner::kCarryContracts), 1);

  EXPECT_EQ(messages_.Texts(), std::vector<std::string>{StringTableMessage(110, std::string("Miete"))});
  EXPECT_EQ(march.changeFlags, 0);
  const std::vector<double> amounts{500, 500, 550, 550, 550, 550, 550, 550};
  EXPECT_EQ(Stored("select Betrag as n from Vertrag order by MonatId;"), amounts);
  EXPECT_EQ(Stored("select Betrag as n from Vorgang where RefVertragPostenId = 1 order by MonatId;"), amounts);
  for (int month = 1; month <= 8; ++month) {
    ASSERT_EQ(DueEntries(month).size(), 1u) << month;
    EXPECT_EQ(DueEntries(month)[0]->Datum, CDate::FromYmd(2009, month, 3)) << month;
  }
  // The account sees the new amount from month 3 on.
  EXPECT_EQ(std::round(Account(4).Betrag - Account(3).Betrag), -550.0);
}

TEST_F(ContractPlannerTest, DeletingCompletelyAndKeepingTheEntriesClearsTheirReference) {
  messages_.Answer({kAnswerYes, kAnswerYes});  // STRING 113, then keep under × 109

  EXPECT_EQ(DeleteContractCompletely(bookData_, kContract), 1);

  // The due entry of the last month counts too.
  EXPECT_EQ(messages_.Texts(), (std::vector<std::string>{std::string(StringTableText(113)),
                                                         StringTableMessage(109, 8)}));
  for (int month = 1; month <= 8; ++month) EXPECT_TRUE(Contract(month).IsDeleted()) << month;
  int kept = 0;
  for (const CVorgang& entry : *bookData_.Entries())
    if (entry.IsLive() && entry.Betrag == 500.0) {
      EXPECT_EQ(entry.RefVertragPostenId, 0);
      ++kept;
    }
  EXPECT_EQ(kept, 8);
}

TEST_F(ContractPlannerTest, DeletingCompletelyIsRefusedUnlessEveryMonthIsLoaded) {
  bookData_.Book().LastLoadMonatId = M(7);
  EXPECT_EQ(DeleteContractCompletely(bookData_, kContract), 0);
  EXPECT_EQ(messages_.Texts(), std::vector<std::string>{std::string(StringTableText(114))});
  EXPECT_FALSE(Contract(1).IsDeleted());
}

TEST_F(ContractPlannerTest, AnAccountsNameChangeReachesEveryMonthThroughTheRegisteredOperations) {
  CBestandsdaten& may = Account(5);
  may.Bezeichnung = "Girokonto";
  may.changeFlags = kAccountChangeMasterData;

  EXPECT_EQ(Planner().Run(CActionPlanner::kCarryAccounts), 1);

  for (int month = 1; month <= 8; ++month) EXPECT_EQ(Account(month).Bezeichnung, "Girokonto") << month;
  CResult stored = bookData_.Database()->Query(
      "select count(*) as n from Bestandsdaten where Bezeichnung = 'Girokonto';");
  EXPECT_EQ(stored.Int("n"), 8);
}

}  // namespace
