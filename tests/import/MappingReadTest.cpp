#include <gtest/gtest.h>

#include "import/MappingTestSupport.h"

namespace {

class MappingReadTest : public ImportBookFixture {
 protected:
  void SetUp() override {
    ImportBookFixture::SetUp();
    AddCsvFormat();
    AddAccountRule(kGiro);
    AddOpeningBalanceRule();
    AddRule(3, "REWE", "Einkauf");
    dir_.Write("a.csv", "15.03.2007;REWE MARKT;-100,00\n02.04.2007;GEHALT;50,00\n;;;SALDO;1000,00;01.03.2007\n");
    dir_.Write("b.csv", "10.04.2007;ALDI;-30,00\n05.05.2007;KIOSK;-5,00\n;;;SALDO;2000,00;01.04.2007\n");
  }
};

TEST_F(MappingReadTest, FilesAreReadAndMappedWithTheirAccountAndRules) {
  EXPECT_EQ(ReadFiles({"a.csv"}), 4);
  const CImportRecord* found = nullptr;
  for (const auto& record : Records())
    if (record->description == "REWE MARKT") found = record.get();
  ASSERT_NE(found, nullptr);
  const CImportRecord& first = *found;
  EXPECT_EQ(first.accountId, kGiro);
  EXPECT_EQ(first.transferText, "Einkauf");
  EXPECT_EQ(first.checkState, kCheckOk);
  EXPECT_EQ(CountComputedBalances(), 1);
}

// Each balance line is computed once, however many files are read with it.
TEST_F(MappingReadTest, SeveralFilesAreMappedOnceSoBalanceRecordsAreNotRepeated) {
  ReadFiles({"a.csv", "b.csv"});
  EXPECT_EQ(CountComputedBalances(), 2);
  std::vector<std::pair<CDate, double>> balances;
  for (const auto& record : Records())
    if (record->checkState == kCheckComputedBalance) balances.emplace_back(record->date, record->amount);
  EXPECT_EQ(balances, (std::vector<std::pair<CDate, double>>{{Day(1, 4), 900.0}, {Day(1, 5), 1970.0}}));
}

}  // namespace
