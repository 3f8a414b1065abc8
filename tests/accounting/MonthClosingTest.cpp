// The month closing over small in-memory books: exact sums, profit and
// assets with their options, an account's uncaptured amount and the order of
// the closing rows.

#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "accounting/MonthClosing.h"

namespace {

constexpr int kMonth = 80;  // August 2007

class MonthClosingTest : public ::testing::Test {
 protected:
  CBestandsdaten& Account(int id, int typ, double start, double end = 0.0) {
    CBestandsdaten& account = accounts.AppendNew();
    account.PostenId = id;
    account.MonatId = kMonth;
    account.Typ = typ;
    account.Bezeichnung = "Konto " + std::to_string(id);
    account.Betrag = start;
    account.BetragEndMonat = end;
    account.Bestaetigt = 1;
    return account;
  }
  CVorgang& Entry(int id, int typ, double amount, int accountId = 1) {
    CVorgang& entry = entries.AppendNew();
    entry.PostenId = id;
    entry.MonatId = kMonth;
    entry.Typ = typ;
    entry.Betrag = amount;
    entry.BetrKontoId = accountId;
    entry.Bestaetigt = 1;
    entry.Bezeichnung = "Vorgang " + std::to_string(id);
    return entry;
  }
  // A yearly insurance of 120 with a reserve, paid this month, and its share.
  void YearlyInsurancePaidThisMonth() {
    CVertrag& contract = contracts.AppendNew();
    contract.PostenId = 50;
    contract.MonatId = kMonth;
    contract.Typ = kContractExpense;
    contract.Betrag = 120.0;
    contract.AnzZahlungen = 1;
    contract.Rueckstellung = 1;
    Entry(51, kEntryExpense, 120.0).RefVertragPostenId = 50;
    Entry(52, kEntryReserveShare, -10.0).RefVertragPostenId = 50;
  }
  CMonthClosing Close(const CClosingOptions& options = {}) {
    return CMonthClosing(CMonthCollections{accounts, entries, contracts}, kMonth, options);
  }
  static const CClosingRow* FindRow(const CMonthClosing& closing, int kind, int state, int id) {
    const auto& rows = closing.Rows();
    auto found = std::find_if(rows.begin(), rows.end(), [&](const CClosingRow& row) {
      return row.kind == kind && row.state == state && row.id == id;
    });
    return found == rows.end() ? nullptr : &*found;
  }

  CBestandsdatenList accounts;
  CVorgangList entries;
  CVertragList contracts;
};

TEST_F(MonthClosingTest, ProfitWithAndWithoutConsumption) {
  Account(1, kAccountAssets, 0.0);
  Entry(1, kEntryIncome, 1000.0);
  Entry(2, kEntryExpense, 700.0);
  Entry(3, kEntryConsumption, 50.0);
  Entry(4, kEntryExpense, 33.33).RefVertragPostenId = kCorrectionEntryRef;  // not an expense

  const CMonthClosing plain = Close();
  EXPECT_DOUBLE_EQ(plain.Profit(), 300.0);
  EXPECT_DOUBLE_EQ(plain.Sums().expenses, 700.0);
  EXPECT_EQ(FindRow(plain, kClosingConsumption, kClosingConfirmed, 0), nullptr);

  const CMonthClosing withStocks = Close({.stocks = true});
  EXPECT_DOUBLE_EQ(withStocks.Profit(), 250.0);
  EXPECT_DOUBLE_EQ(FindRow(withStocks, kClosingConsumption, kClosingConfirmed, 0)->soll, 50.0);
  const CClosingRow* profit = FindRow(withStocks, kClosingProfit, kClosingSummary, 2);
  EXPECT_EQ(profit->text, "Gewinn");
  EXPECT_DOUBLE_EQ(profit->haben, 250.0);

  CMonatRow month;
  withStocks.WriteSums(month);
  EXPECT_DOUBLE_EQ(month.Gewinn, 250.0);
  EXPECT_DOUBLE_EQ(month.SumEinahmen, 1000.0);
  EXPECT_DOUBLE_EQ(month.SumAbschreib, 50.0);
}

// Decided by the reserve flag: the contract pays once a year, and a
// monthly contract with a reserve would be evened out the same way.
TEST_F(MonthClosingTest, EvenedOutProfitCountsTheMonthlyShareOfAReserveContract) {
  Account(1, kAccountAssets, 0.0);
  Entry(1, kEntryIncome, 1000.0);
  YearlyInsurancePaidThisMonth();
  // Computed interest earned 0.25, booked with minus sign.
  Entry(60, kEntryReserveShare, -0.25).RefVertragPostenId = kInterestEntryRef;

  const CMonthClosing plain = Close();
  EXPECT_DOUBLE_EQ(plain.Profit(), 880.0);
  EXPECT_EQ(FindRow(plain, kClosingYearAverages, kClosingConfirmed, 0), nullptr);

  const CMonthClosing even = Close({.evenedOut = true});
  EXPECT_NEAR(even.Profit(), 990.25, 1e-9);
  EXPECT_NEAR(even.Sums().reserves, 9.75, 1e-9);
  EXPECT_EQ(FindRow(even, kClosingExpenses, kClosingConfirmed, 51), nullptr);
  const CClosingRow* averages = FindRow(even, kClosingYearAverages, kClosingConfirmed, 0);
  EXPECT_EQ(averages->text, "Summe aller Jahresdurchschnitte");
  EXPECT_NEAR(averages->soll, 9.75, 1e-9);
  EXPECT_NEAR(FindRow(even, kClosingYearAverages, kClosingConfirmed, 60)->haben, 0.25, 1e-9);
  // The shown groups add up to the profit.
  const double groups = FindRow(even, kClosingIncome, kClosingConfirmed, 0)->value + averages->value;
  EXPECT_NEAR(groups, even.Profit(), 1e-9);
}

TEST_F(MonthClosingTest, TotalAssetsWithAndWithoutStocks) {
  Account(1, kAccountAssets, 4000.0);
  Account(2, kAccountAssets, 1000.0).Bestaetigt = 0;
  Account(3, kAccountStock, 300.0);

  const CMonthClosing plain = Close();
  EXPECT_DOUBLE_EQ(plain.TotalAssets(), 5000.0);
  EXPECT_EQ(FindRow(plain, kClosingStocks, kClosingConfirmed, 3), nullptr);
  EXPECT_EQ(FindRow(plain, kClosingAssets, kClosingUnconfirmed, 0)->text, "Summe aller unbestätigten Vermögen");

  const CMonthClosing withStocks = Close({.stocks = true});
  EXPECT_DOUBLE_EQ(withStocks.TotalAssets(), 5300.0);
  EXPECT_DOUBLE_EQ(FindRow(withStocks, kClosingStocks, kClosingConfirmed, 0)->haben, 300.0);
  EXPECT_DOUBLE_EQ(FindRow(withStocks, kClosingAssets, kClosingSummary, 2)->haben, 5300.0);

  CMonatRow month;
  withStocks.WriteSums(month);
  EXPECT_DOUBLE_EQ(month.Vermoegen, 5000.0);
}

TEST_F(MonthClosingTest, GrowthAndDifferenceOfAnAccount) {
  CBestandsdaten& account = Account(1, kAccountAssets, 100.0, 150.0);
  account.confirmedIncome = 40.0;
  const CAccountClosing closing = CloseAccount(account);
  EXPECT_DOUBLE_EQ(closing.growth, 50.0);
  EXPECT_DOUBLE_EQ(closing.difference, 10.0);

  Entry(1, kEntryIncome, 12.5, 0);
  const CMonthClosing month = Close();
  const CClosingRow* row = FindRow(month, kClosingUncaptured, kClosingConfirmed, 1);
  EXPECT_DOUBLE_EQ(row->haben, 40.0);
  EXPECT_DOUBLE_EQ(row->zuwachs, 50.0);
  EXPECT_DOUBLE_EQ(row->differenz, 10.0);
  EXPECT_DOUBLE_EQ(FindRow(month, kClosingUncaptured, kClosingSummary, 1)->haben, 12.5);
}

TEST_F(MonthClosingTest, RowsOrderByKindStateAndIdWithLargeIds) {
  Account(1, kAccountAssets, 10.0);
  Entry(999, kEntryIncome, 1.0);
  Entry(1500, kEntryIncome, 2.0).Bestaetigt = 0;
  Entry(12000, kEntryIncome, 3.0);
  Entry(7, kEntryExpense, 4.0);

  const CMonthClosing closing = Close();
  const auto& rows = closing.Rows();
  EXPECT_TRUE(std::is_sorted(rows.begin(), rows.end()));
  std::vector<int> incomeIds;
  for (const CClosingRow& row : rows)
    if (row.kind == kClosingIncome) incomeIds.push_back(row.id);
  EXPECT_EQ(incomeIds, (std::vector<int>{0, 999, 12000, 0, 1500}));
  // An income id past 10000 stays among the income rows, before the expenses.
  auto expenses = std::find_if(rows.begin(), rows.end(), [](const CClosingRow& row) { return row.kind == kClosingExpenses; });
  auto last = std::find_if(rows.begin(), rows.end(), [](const CClosingRow& row) { return row.id == 12000; });
  EXPECT_LT(last, expenses);
}

TEST_F(MonthClosingTest, AccountFilterListsOnlyThatAccountAndItsEntries) {
  Account(1, kAccountAssets, 100.0);
  Account(2, kAccountAssets, 900.0);
  Entry(1, kEntryIncome, 60.0, 1);
  Entry(2, kEntryIncome, 500.0, 2);
  Entry(3, kEntryExpense, 20.0, 0);

  const CMonthClosing closing = Close({.accountFilter = 2});
  EXPECT_DOUBLE_EQ(closing.TotalAssets(), 900.0);
  EXPECT_DOUBLE_EQ(closing.Profit(), 500.0);
  EXPECT_EQ(FindRow(closing, kClosingAssets, kClosingConfirmed, 1), nullptr);
  EXPECT_EQ(FindRow(closing, kClosingIncome, kClosingConfirmed, 1), nullptr);
  EXPECT_EQ(FindRow(closing, kClosingUncaptured, kClosingSummary, 1), nullptr);
  EXPECT_NE(FindRow(closing, kClosingUncaptured, kClosingConfirmed, 2), nullptr);
}

TEST(ClosingGrowthTest, ChainsEvaluatedMonthsAndTheCaption) {
  CMonatRow first, second, third;
  first.Vermoegen = 100.0;
  second.Vermoegen = 130.5;
  third.Vermoegen = 120.0;
  third.Zuwachs = 7.0;
  ChainGrowth({&first, &second, &third});
  EXPECT_DOUBLE_EQ(first.Zuwachs, 30.5);
  EXPECT_DOUBLE_EQ(second.Zuwachs, -10.5);
  EXPECT_DOUBLE_EQ(third.Zuwachs, 7.0);

  EXPECT_EQ(ClosingCaption(kMonth, "", {}), "für August 2007");
  EXPECT_EQ(ClosingCaption(kMonth, "Girokonto", {.accountFilter = 1, .evenedOut = true, .onDueDates = true}),
            "für August 2007, nur Girokonto, Jahresdurchschnitt, Verträge termingenau");
}

}  // namespace
