#include <gtest/gtest.h>

#include "model/BookData.h"
#include "model/BookDataTestSupport.h"
#include "model/MonthChoice.h"
#include "model/MonthWindow.h"
#include "support/ScriptedMessages.h"

namespace {

constexpr int kJanuary2009 = 97;

class MonthsTest : public ::testing::Test {
 protected:
  std::unique_ptr<CBookData> StartWith(const CSeedBook& seed) {
    SeedBook(*CreateDatabase(dir_.File("Pellwick.db")), seed);
    auto bookData = std::make_unique<CBookData>(dir_.Path().string());
    EXPECT_EQ(bookData->StartUp(), 1);
    return bookData;
  }
  std::vector<int> StoredMonths(CBookData& bookData) {
    std::vector<int> ids;
    for (CResult r = bookData.Database()->Query("select MonatId from Monat order by MonatId;"); !r.AtEnd();
         r.MoveNext())
      ids.push_back(r.Int("MonatId"));
    return ids;
  }

  CTemporaryDirectory dir_;
  CFixedClock clock_{CDate::FromYmd(2009, 3, 15)};
  CScopedClock installedClock_{clock_};
};

std::string Deleting(int monthId) { return StringTableMessage(121, MonthLabel(monthId)); }
std::string Creating(int monthId) { return StringTableMessage(122, MonthLabel(monthId)); }

TEST_F(MonthsTest, MovingTheRangeAsksPerDeletionAndStopsAtTheFirstNo) {
  const int jan = kJanuary2009, mar = jan + 2, jun = jan + 5, aug = jan + 7;
  auto bookData =
      StartWith({.firstExist = jan, .lastExist = jun, .firstLoad = jan, .lastLoad = jun, .aktMonat = mar});
  {
    CScriptedMessages messages;
    messages.Answer({kAnswerYes, kAnswerNo});
    EXPECT_EQ(bookData->SetRange(mar, aug), 0);
    EXPECT_EQ(messages.Texts(), (std::vector<std::string>{Deleting(jan), Deleting(jan + 1)}));
  }
  EXPECT_TRUE(bookData->Months()->FindMonth(jan)->IsDeleted());
  EXPECT_FALSE(bookData->Months()->FindMonth(jan + 1)->IsDeleted());
  EXPECT_EQ(bookData->Months()->FindMonth(aug), nullptr);
  EXPECT_EQ(StoredMonths(*bookData).size(), 6u);

  // Asked again, only February is left to confirm; January goes with it.
  CScriptedMessages messages;
  messages.Answer(kAnswerYes);
  EXPECT_EQ(bookData->SetRange(mar, aug), 1);
  EXPECT_EQ(messages.Texts(), (std::vector<std::string>{Deleting(jan + 1), Creating(jun + 1), Creating(aug)}));
  EXPECT_EQ(StoredMonths(*bookData), (std::vector<int>{mar, mar + 1, mar + 2, jun, jun + 1, aug}));
  EXPECT_EQ(bookData->Book().FirstExistMonatId, mar);
  EXPECT_EQ(bookData->Book().LastExistMonatId, aug);
  EXPECT_FALSE(bookData->Accounts()->HasMonth(jan));
  CResult book = bookData->Database()->Query("select * from Haushaltsbuch;");
  EXPECT_EQ(book.Text("ProgVers"), "1.200");
  EXPECT_EQ(book.Text("DBVers"), "20070908");
  EXPECT_EQ(book.Int("LastExistMonatId"), aug);
}

TEST_F(MonthsTest, ABookWithoutMonthsGetsItsRangeSilently) {
  auto bookData = StartWith({.aktMonat = kJanuary2009});
  CScriptedMessages messages;
  EXPECT_EQ(bookData->SetRange(kJanuary2009, kJanuary2009 + 9), 1);
  EXPECT_TRUE(messages.Shown().empty());
  EXPECT_EQ(bookData->Months()->Count(), 10);
  EXPECT_EQ(bookData->Book().LastLoadMonatId, kJanuary2009 + 9);
}

TEST_F(MonthsTest, CurrentMonthFollowsTheCalendarAndCreatesTheMonthsAhead) {
  const int sep2008 = kJanuary2009 - 4, feb = kJanuary2009 + 1, may = kJanuary2009 + 4;
  auto bookData = StartWith({.firstExist = sep2008, .lastExist = may, .firstLoad = sep2008, .lastLoad = may,
                             .aktMonat = feb, .aktMonatUser = 1, .anzAngelegt = 3});
  clock_.SetToday(CDate::FromYmd(2009, 4, 2));
  CScriptedMessages messages;
  EXPECT_EQ(bookData->CurrentMonthAtStart(), 1);
  const int apr = kJanuary2009 + 3;
  EXPECT_EQ(bookData->Book().AktMonatId, apr);
  EXPECT_EQ(messages.Texts(), (std::vector<std::string>{Creating(may + 1), Creating(may + 2)}));
  EXPECT_EQ(StoredMonths(*bookData).back(), apr + 3);
  EXPECT_TRUE(bookData->Months()->FindMonth(apr + 3)->loaded);
}

TEST_F(MonthsTest, MonthStateFollowsTheConfirmations) {
  struct CCase {
    int confirmed, unconfirmed, state;
  };
  for (const CCase& c : {CCase{2, 2, kMonthClosed}, CCase{1, 2, kMonthEdited}, CCase{0, 2, kMonthInitialised},
                         CCase{0, 0, kMonthNotCreated}}) {
    CBestandsdatenList accounts;
    CVorgangList entries;
    CVertragList contracts;
    for (int i = 0; i < c.confirmed + c.unconfirmed; ++i) {
      CBestandsdaten& account = accounts.AppendNew();
      account.MonatId = 5;
      account.PostenId = i + 1;
      account.Bestaetigt = i < c.confirmed ? 1 : 0;
    }
    CMonat month;
    month.MonatId = 5;
    month.UpdateStatistics({accounts, entries, contracts});
    EXPECT_EQ(month.state, c.state) << c.confirmed << "/" << c.unconfirmed;
    EXPECT_EQ(month.statistics.accounts.confirmed, c.confirmed);
  }
}

TEST_F(MonthsTest, MonthChoicesListLabelsAndReadBack) {
  const int jan = kJanuary2009;
  auto bookData = StartWith({.firstExist = jan, .lastExist = jan + 5, .firstLoad = jan, .lastLoad = jan + 5,
                             .aktMonat = jan + 2});
  CMonthChoice choice = FillMonthChoice(*bookData->Months(), jan + 1, jan + 3, jan + 2);
  EXPECT_EQ(choice.labels, (std::vector<std::string>{"Februar 2009", "*März 2009", "April 2009"}));
  EXPECT_EQ(ReadMonthChoice(choice), 0);
  SelectMonthChoice(choice, jan + 3);
  EXPECT_EQ(ReadMonthChoice(choice), jan + 3);
  CMonthChoice bis = RefillBisChoice(*bookData->Months(), jan + 4, jan + 5, jan + 5);
  EXPECT_EQ(bis.ids, (std::vector<int>{jan + 4, jan + 5}));
  EXPECT_EQ(ReadMonthChoice(bis), jan + 5);
  CMonthChoice every = FillEveryMonthChoice(1, 3, 2);
  EXPECT_EQ(every.labels.front(), "Januar 2001");
  EXPECT_EQ(ReadMonthChoice(every), 2);
}

}  // namespace
