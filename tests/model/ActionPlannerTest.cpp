#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "model/ActionPlanner.h"
#include "model/BookData.h"
#include "model/BookDataTestSupport.h"
#include "model/PlannerOperations.h"
#include "storage/Result.h"
#include "storage/StrFormat.h"
#include "support/ScriptedMessages.h"

namespace {

// Month n (1 ... 8) of the book.
constexpr int M(int n) { return 96 + n; }
constexpr int kAccount = 1;
constexpr int kContract = 1;

// The accounting as the planner sees it: every call is recorded; the copies
// do the little the scenarios look at (the name under flag 4, the end
// balance under flag 1, the amount of a contract under flag 2).
class CRecordingOperations final : public CPlannerRecordOperations {
 public:
  using CPlannerRecordOperations::CPlannerRecordOperations;

  void PropagateAccount(CBestandsdaten& source, int monthId) override {
    calls.push_back(StrFormat("account %d -> %d flags %d", source.MonatId - 96, monthId - 96, source.changeFlags));
    CBestandsdaten* target = FindAccount(source.PostenId, monthId);
    if (!target) {
      target = &BookDataOf().Accounts()->AppendNew(source);
      target->MonatId = monthId;
      target->changeFlags = 0;
      return;
    }
    if (source.changeFlags & kAccountChangeMasterData) target->Bezeichnung = source.Bezeichnung;
    if (source.changeFlags & kAccountChangeStartBalance) target->BetragEndMonat = source.Betrag;
  }
  void CorrectAccount(int postenId, int monthId) override {
    calls.push_back(StrFormat("correct %d in %d", postenId, monthId - 96));
  }
  CMonthSpan InterestMonths(const CBestandsdaten&) override { return interestMonths; }
  void PropagateContract(CVertrag& source, int monthId) override {
    calls.push_back(StrFormat("contract %d -> %d flags %d", source.MonatId - 96, monthId - 96, source.changeFlags));
    if (CVertrag* target = FindContract(source.PostenId, monthId))
      if (source.changeFlags & kContractChangeMasterData) target->Bezeichnung = source.Bezeichnung;
  }
  void CreateDueEntries(CVertrag& contract) override { calls.push_back(StrFormat("due %d", contract.MonatId - 96)); }

  std::vector<std::string> calls;
  CMonthSpan interestMonths;
};

class ActionPlannerTest : public ::testing::Test {
 protected:
  // A fresh book each time: months 1 to 8, loaded from firstLoaded on.
  void StartWithWindow(int firstLoaded) {
    bookData_.reset();
    dir_ = std::make_unique<CTemporaryDirectory>();
    SeedBook(*CreateDatabase(dir_->File("Pellwick.db")),
             {.firstExist = M(1), .lastExist = M(8), .firstLoad = M(firstLoaded), .lastLoad = M(8), .aktMonat = M(6)});
    bookData_ = std::make_unique<CBookData>(dir_->Path().string());
    ASSERT_EQ(bookData_->StartUp(), 1);
    auto operations = std::make_unique<CRecordingOperations>(*bookData_);
    operations_ = operations.get();
    bookData_->SetPlannerOperations(std::move(operations));
    planner_ = bookData_->Planner();
    ASSERT_NE(planner_, nullptr);
  }
  CBestandsdaten& Account(int month) { return *bookData_->Accounts()->FindPosten(kAccount, M(month)); }
  CVertrag& Contract(int month) { return *bookData_->Contracts()->FindPosten(kContract, M(month)); }
  void ChangeAccount(int month, int flags) {
    Account(month).Bezeichnung = "Girokonto";
    Account(month).changeFlags = flags;
  }
  std::vector<std::string> StoredAccountNames() {
    std::vector<std::string> names;
    for (CResult r = bookData_->Database()->Query("select Bezeichnung from Bestandsdaten order by MonatId;"); !r.AtEnd();
         r.MoveNext())
      names.push_back(r.Text("Bezeichnung"));
    return names;
  }
  bool Loaded(int month) { return bookData_->Months()->FindMonth(M(month))->loaded; }

  std::unique_ptr<CTemporaryDirectory> dir_;
  CFixedClock clock_{CDate::FromYmd(2009, 6, 15)};
  CScopedClock installedClock_{clock_};
  CScriptedMessages messages_;
  std::unique_ptr<CBookData> bookData_;
  CRecordingOperations* operations_ = nullptr;
  CActionPlanner* planner_ = nullptr;
};

const std::vector<std::string> kEightNames(8, "Girokonto");

TEST_F(ActionPlannerTest, NameChangeReachesEveryMonthAndIsStored) {
  StartWithWindow(1);
  ChangeAccount(5, kAccountChangeMasterData);
  EXPECT_EQ(planner_->Run(CActionPlanner::kCarryAccounts), 1);
  EXPECT_EQ(operations_->calls,
            (std::vector<std::string>{"account 5 -> 1 flags 4", "account 5 -> 2 flags 4", "account 5 -> 3 flags 4",
                                      "account 5 -> 4 flags 4", "account 5 -> 6 flags 4", "account 5 -> 7 flags 4",
                                      "account 5 -> 8 flags 4"}));
  EXPECT_EQ(Account(5).changeFlags, 0);
  EXPECT_EQ(StoredAccountNames(), kEightNames);
  for (int month = 1; month <= 8; ++month) EXPECT_TRUE(Loaded(month)) << month;
}

TEST_F(ActionPlannerTest, ChangeBeyondTheWindowIsParkedAndCarriedOnByALoadingRun) {
  StartWithWindow(4);
  ChangeAccount(5, kAccountChangeMasterData);
  EXPECT_EQ(planner_->Run(CActionPlanner::kCarryAccount, Account(5)), 1);
  EXPECT_EQ(operations_->calls,
            (std::vector<std::string>{"account 5 -> 4 flags 4", "account 5 -> 6 flags 4", "account 5 -> 7 flags 4",
                                      "account 5 -> 8 flags 4"}));
  EXPECT_EQ(Account(4).changeFlags, kAccountChangeMasterData);  // parked for months 1 to 3
  EXPECT_EQ(Account(5).changeFlags, kAccountChangeMasterData);  // kept: this run may not load
  EXPECT_FALSE(Loaded(1));
  EXPECT_EQ(StoredAccountNames(), std::vector<std::string>(8, ""));  // a type 5 run stores nothing

  EXPECT_EQ(planner_->Run(CActionPlanner::kCarryAccounts), 1);
  EXPECT_EQ(StoredAccountNames(), kEightNames);
  EXPECT_EQ(Account(4).changeFlags, 0);
  EXPECT_EQ(Account(5).changeFlags, 0);
  for (int month = 1; month <= 3; ++month) {
    EXPECT_FALSE(Loaded(month)) << month;
    EXPECT_FALSE(bookData_->Accounts()->HasMonth(M(month))) << month;
  }
  EXPECT_TRUE(Loaded(4));
}

TEST_F(ActionPlannerTest, StartBalanceClosesThePreviousMonthThenCorrects) {
  StartWithWindow(1);
  Account(5).changeFlags = kAccountChangeStartBalance;
  EXPECT_EQ(planner_->Run(CActionPlanner::kCarryAccounts), 1);
  EXPECT_EQ(operations_->calls, (std::vector<std::string>{"account 5 -> 4 flags 1", "correct 1 in 5"}));
  CResult stored = bookData_->Database()->Query(StrFormat("select BetragEndMonat from Bestandsdaten where MonatId = %d;", M(4)));
  EXPECT_DOUBLE_EQ(stored.Double("BetragEndMonat"), Account(5).Betrag);
}

TEST_F(ActionPlannerTest, StartBalanceOfTheFirstMonthHasNoMonthBefore) {
  StartWithWindow(1);
  Account(1).changeFlags = kAccountChangeStartBalance;
  EXPECT_EQ(planner_->Run(CActionPlanner::kCarryAccounts), 1);
  EXPECT_EQ(operations_->calls, (std::vector<std::string>{"correct 1 in 1"}));
}

const std::vector<std::string> kCheckIntoFollowing{"account 5 -> 6 flags 2", "account 5 -> 7 flags 2",
                                                   "account 5 -> 8 flags 2"};

TEST_F(ActionPlannerTest, NoQuestionsAsksNothing) {
  StartWithWindow(1);
  Account(5).changeFlags = kAccountChangeCheck;
  planner_->SetNoQuestions(1);
  EXPECT_EQ(planner_->Run(CActionPlanner::kCarryAccounts), 1);
  EXPECT_TRUE(messages_.Shown().empty());
  EXPECT_EQ(operations_->calls, kCheckIntoFollowing);
}

TEST_F(ActionPlannerTest, QuestionIsAskedOncePerRecordAndRemembered) {
  StartWithWindow(1);
  Account(5).Bezeichnung = "Sparbuch";
  Account(5).changeFlags = kAccountChangeCheck;
  messages_.Answer(kAnswerYes);
  EXPECT_EQ(planner_->Run(CActionPlanner::kCarryAccounts), 1);
  EXPECT_EQ(messages_.Texts(), (std::vector<std::string>{StringTableMessage(110, "Sparbuch")}));
  EXPECT_EQ(operations_->calls, kCheckIntoFollowing);

  Account(5).changeFlags = kAccountChangeCheck;
  operations_->calls.clear();
  EXPECT_EQ(planner_->Run(CActionPlanner::kCarryAccounts), 1);
  EXPECT_EQ(messages_.Shown().size(), 1u);
  EXPECT_EQ(operations_->calls, kCheckIntoFollowing);
  EXPECT_EQ(planner_->Questions().GetAnswer(kAccount * kQuestionAccountChanges), kAnswerYes);
}

// Master data goes into every month, check settings only into the following
// ones and only after a Yes: each copy carries its own flag alone.
TEST_F(ActionPlannerTest, EachCopyCarriesOnlyItsOwnFlags) {
  struct CCase {
    int answer;
    std::vector<std::string> calls;
  };
  const std::vector<std::string> masterData{"account 5 -> 1 flags 4", "account 5 -> 2 flags 4", "account 5 -> 3 flags 4",
                                            "account 5 -> 4 flags 4", "account 5 -> 6 flags 4", "account 5 -> 7 flags 4",
                                            "account 5 -> 8 flags 4"};
  std::vector<std::string> withYes = masterData;
  withYes.insert(withYes.end(), kCheckIntoFollowing.begin(), kCheckIntoFollowing.end());
  for (const CCase& c : {CCase{kAnswerNo, masterData}, CCase{kAnswerYes, withYes}}) {
    SCOPED_TRACE(c.answer);
    StartWithWindow(1);
    ChangeAccount(5, kAccountChangeMasterData | kAccountChangeCheck);
    messages_.Answer(c.answer);
    EXPECT_EQ(planner_->Run(CActionPlanner::kCarryAccounts), 1);
    EXPECT_EQ(operations_->calls, c.calls);
  }
}

TEST_F(ActionPlannerTest, EntryCorrectsTheAccountsItAffects) {
  StartWithWindow(1);
  CVorgang entry;
  entry.MonatId = M(6);
  entry.Typ = 2;
  EXPECT_EQ(planner_->Run(CActionPlanner::kCorrectEntry, entry), 0);
  EXPECT_TRUE(operations_->calls.empty());

  entry.BetrKontoId = 3;
  EXPECT_EQ(planner_->Run(CActionPlanner::kCorrectEntry, entry), 1);
  entry.Typ = 5;
  entry.SrcKontoId = 1;
  entry.TarKontoId = 2;
  EXPECT_EQ(planner_->Run(CActionPlanner::kCorrectEntry, entry), 1);
  EXPECT_EQ(operations_->calls, (std::vector<std::string>{"correct 3 in 6", "correct 1 in 6", "correct 2 in 6"}));
}

TEST_F(ActionPlannerTest, NothingToDoStoresNothing) {
  StartWithWindow(1);
  std::vector<std::string> statements;
  bookData_->Database()->SetStatementTrace([&](std::string_view sql) { statements.emplace_back(sql); });
  EXPECT_EQ(planner_->Run(CActionPlanner::kCarryAccounts), 0);
  EXPECT_EQ(planner_->Run(CActionPlanner::kCarryContracts), 0);
  EXPECT_EQ(planner_->Run(3), 0);
  EXPECT_TRUE(statements.empty());
  EXPECT_TRUE(operations_->calls.empty());
}

// Deleting the contract with its dependent entries: kept as single entries
// after Yes under PostenId × 109, deleted otherwise; reserve shares go.
TEST_F(ActionPlannerTest, DeletedContractKeepsOrDeletesItsEntries) {
  for (const int answer : {kAnswerYes, kAnswerNo}) {
    SCOPED_TRACE(answer);
    StartWithWindow(1);
    for (CVorgang& entry : *bookData_->Entries()) entry.RefVertragPostenId = kContract;
    CVorgang& reserve = bookData_->Entries()->AppendNew();
    reserve.PostenId = 50;
    reserve.MonatId = M(3);
    reserve.Typ = 4;
    reserve.RefVertragPostenId = kContract;
    planner_->Questions().SetAnswer(kContract * kQuestionContractEntries, answer);

    EXPECT_EQ(planner_->Run(CActionPlanner::kDeleteContract, Contract(1)), 1);
    for (const CVertrag& contract : *bookData_->Contracts()) EXPECT_TRUE(contract.IsDeleted()) << contract.MonatId;
    for (const CVorgang& entry : *bookData_->Entries()) {
      const bool kept = answer == kAnswerYes && entry.Typ != 4;
      EXPECT_EQ(entry.IsDeleted(), !kept) << entry.PostenId;
      if (kept) {
        EXPECT_EQ(entry.RefVertragPostenId, 0);
      }
    }
  }
}

TEST_F(ActionPlannerTest, ContractChangeRenewsDueEntriesAndParksBeyondTheWindow) {
  StartWithWindow(4);
  Contract(5).Bezeichnung = "Miete";
  Contract(5).changeFlags = kContractChangeMasterData;
  EXPECT_EQ(planner_->Run(CActionPlanner::kCarryContract, Contract(5)), 1);
  EXPECT_EQ(operations_->calls,
            (std::vector<std::string>{"contract 5 -> 4 flags 4", "due 4", "due 5", "contract 5 -> 6 flags 4", "due 6",
                                      "contract 5 -> 7 flags 4", "due 7", "contract 5 -> 8 flags 4", "due 8"}));
  EXPECT_EQ(Contract(4).changeFlags, kContractChangeMasterData);

  operations_->calls.clear();
  EXPECT_EQ(planner_->Run(CActionPlanner::kCarryContracts), 1);
  CResult stored = bookData_->Database()->Query(StrFormat("select Bezeichnung from Vertrag where MonatId = %d;", M(1)));
  EXPECT_EQ(stored.Text("Bezeichnung"), "Miete");
  EXPECT_FALSE(Loaded(1));
}

}  // namespace
