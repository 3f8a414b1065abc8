#include <gtest/gtest.h>

#include <cmath>
#include <memory>

#include "accounting/AccountComputation.h"
#include "accounting/AccountInterest.h"
#include "model/BookData.h"
#include "model/BookDataTestSupport.h"

namespace {

constexpr int kJanuary = 97;  // January 2009
constexpr int kFebruary = 98;
constexpr int kMarch = 99;
constexpr int kApril = 100;

constexpr int kGiro = 200;

double Cents(double amount) { return std::round(amount * 100.0) / 100.0; }

// Interest of `days` days at a yearly `rate` (percent) on `balance`.
double DaysInterest(int days, double rate, double balance) { return days * rate * 0.01 * balance / 360.0; }

struct CInterestAccount {
  int posten = kGiro;
  const char* name = "Giro";
  double startBalance = 0.0;
  int berechnungAm = 1;
  double fixCosts = 0.0;
  int firstMonat = 0;  // 0: the first month of its records
};

// A book with the months January to April 2009; the loading window starts
// in `firstLoad` and ends in April.
class InterestBookingTest : public ::testing::Test {
 protected:
  void StartBook(int firstLoad = kJanuary) {
    {
      auto database = CreateDatabase(dir_.File("Pellwick.db"));
      SeedBook(*database, {.isCurrent = 1, .firstExist = kJanuary, .lastExist = kApril, .firstLoad = firstLoad,
                           .lastLoad = kApril, .aktMonat = firstLoad},
               0);
    }
    bookData_ = std::make_unique<CBookData>(dir_.Path().string());
    ASSERT_EQ(bookData_->StartUp(), 1);
  }

  CAccountContext Context() { return AccountContextOf(*bookData_); }
  CVorgangList& Entries() { return *bookData_->Entries(); }

  // Bands: 0.5 % from 0, 12 % from -2000 up to 0, 16 % below -2000.
  void AddAccount(const CInterestAccount& shape, int from, int to) {
    for (int month = from; month <= to; ++month) {
      CBestandsdaten& account = bookData_->Accounts()->AppendNew();
      account.PostenId = shape.posten;
      account.MonatId = month;
      account.Bezeichnung = shape.name;
      account.Typ = kAccountAssets;
      account.Betrag = shape.startBalance;
      account.CheckErforderlich = 1;
      account.KontoAktiv = 1;
      account.FirstMonatId = shape.firstMonat != 0 ? shape.firstMonat : from;
      account.CalcZins = 1;
      account.Zins_Grenze_0 = 0.0;
      account.Zins_Proz_0 = 0.5;
      account.Zins_Grenze_1 = -2000.0;
      account.Zins_Proz_1 = 12.0;
      account.Zins_Grenze_2 = -2000.0;
      account.Zins_Proz_3 = 16.0;
      account.BerechnungAm = shape.berechnungAm;
      account.BetragFixKosten = shape.fixCosts;
    }
  }

  CVorgang& AddEntry(int month, int typ, double amount, int day, int confirmed = 1, int account = kGiro) {
    CVorgang& entry = Entries().AppendNew();
    const CDate::CYmd first = FirstDayOfMonth(month);
    entry.Datum = CDate::FromYmd(first.year, first.month, day);
    entry.PostenId = Entries().NewPostenId(*bookData_->Database(), 1);
    entry.MonatId = month;
    entry.Typ = typ;
    entry.Betrag = amount;
    entry.Bestaetigt = confirmed;
    entry.BetrKontoId = account;
    entry.changed = 1;
    Entries().InvalidateIndex();
    return entry;
  }
  CVorgang& AddInterestAndFees(int month, int typ, double amount, int confirmed) {
    CVorgang& entry = AddEntry(month, typ, amount, DaysInMonthOfId(month), confirmed);
    entry.RefVertragPostenId = kInterestEntryRef;
    entry.Bezeichnung = "Zinsen und Gebühren von Giro";
    return entry;
  }

  void Compute() { Recompute(Context(), kAllAccounts, kFromFirstLoadedMonth); }
  CVorgang* Computed(int month, int account = kGiro) { return FindComputedInterestEntry(Entries(), account, month); }
  CVorgang* Fees(int month, int account = kGiro) { return FindInterestAndFeesEntry(Entries(), account, month); }

  CTemporaryDirectory dir_;
  CFixedClock clock_{CDate::FromYmd(2009, 1, 20)};
  CScopedClock installedClock_{clock_};
  std::unique_ptr<CBookData> bookData_;
};

TEST_F(InterestBookingTest, AWholeMonthInOneBandIsBookedWithTheOppositeSign) {
  StartBook();
  struct Case {
    int posten;
    double balance;
    double interest;
    const char* text;
  };
  const Case cases[] = {
      {201, 500.0, DaysInterest(31, 0.5, 500.0), "berechnete Zinseinahmen von Konto"},
      {202, -1000.0, DaysInterest(31, 12.0, -1000.0), "berechnete Zinsausgaben von Konto"},
      {203, -3000.0, DaysInterest(31, 16.0, -3000.0), "berechnete Zinsausgaben von Konto"},
  };
  // The start balances stay unconfirmed: they count with their value.
  for (const Case& c : cases) AddAccount({.posten = c.posten, .name = "Konto", .startBalance = c.balance}, kJanuary, kJanuary);
  // None of these moves the balance the interest is computed from.
  AddEntry(kJanuary, kEntryExpense, 300.0, 5, 0, 201);
  AddEntry(kJanuary, kEntryExpense, 200.0, 6, 1, 201).TerminMonatId = kFebruary;
  AddEntry(kJanuary, kEntryIncome, 90.0, 7, 1, 201).RefVertragPostenId = kInterestEntryRef;
  Compute();

  for (const Case& c : cases) {
    SCOPED_TRACE(c.posten);
    const CVorgang* entry = Computed(kJanuary, c.posten);
    ASSERT_NE(entry, nullptr);
    EXPECT_NEAR(entry->Betrag, -c.interest, 1e-9);
    EXPECT_EQ(entry->Typ, kEntryReserveShare);
    EXPECT_EQ(entry->Bezeichnung, c.text);
    EXPECT_EQ(entry->Bestaetigt, 0);
    EXPECT_EQ(entry->Datum, CDate::FromYmd(2009, 1, 31));
  }
  EXPECT_EQ(Cents(Computed(kJanuary, 201)->Betrag), -0.22);
  EXPECT_EQ(Cents(Computed(kJanuary, 202)->Betrag), 10.33);
  EXPECT_EQ(Cents(Computed(kJanuary, 203)->Betrag), 41.33);
}

TEST_F(InterestBookingTest, AMonthAcrossTwoBandsAndTheSignTurningBack) {
  StartBook();
  AddAccount({.startBalance = 500.0}, kJanuary, kJanuary);
  CVorgang& expense = AddEntry(kJanuary, kEntryExpense, 1500.0, 11);
  Compute();

  CVorgang* entry = Computed(kJanuary);
  ASSERT_NE(entry, nullptr);
  const double interest = DaysInterest(10, 0.5, 500.0) + DaysInterest(21, 12.0, -1000.0);
  EXPECT_NEAR(entry->Betrag, -interest, 1e-9);
  EXPECT_EQ(Cents(entry->Betrag), 6.93);
  EXPECT_EQ(entry->Bezeichnung, "berechnete Zinsausgaben von Giro");

  const int id = entry->PostenId;
  entry->Bestaetigt = 1;
  expense.MarkDeleted();
  Compute();
  entry = Computed(kJanuary);
  ASSERT_NE(entry, nullptr);
  EXPECT_EQ(entry->PostenId, id);
  EXPECT_NEAR(entry->Betrag, -DaysInterest(31, 0.5, 500.0), 1e-9);
  EXPECT_EQ(entry->Bezeichnung, "berechnete Zinseinahmen von Giro");
  EXPECT_EQ(entry->Bestaetigt, 0);
}

TEST_F(InterestBookingTest, FebruaryRepeatsItsLastBalanceUpToThe31stDay) {
  StartBook();
  AddAccount({}, kFebruary, kFebruary);
  AddEntry(kFebruary, kEntryIncome, 3600.0, 15);
  Compute();
  ASSERT_NE(Computed(kFebruary), nullptr);
  // Days 15 ... 28 and the three repeated ones: 17 × 0.005 × 3600 / 360.
  EXPECT_NEAR(Computed(kFebruary)->Betrag, -0.85, 1e-9);
}

TEST_F(InterestBookingTest, AQuarterBooksItsInterestMinusTheFixedCostsInItsLastMonth) {
  StartBook();
  AddAccount({.startBalance = 500.0, .berechnungAm = 2, .fixCosts = 3.0}, kJanuary, kApril);
  AddEntry(kJanuary, kEntryIncome, 3600.0, 31);
  CVorgang& bankFees = AddInterestAndFees(kJanuary, kEntryExpense, 1.0, 1);
  CVorgang& leftOver = AddInterestAndFees(kFebruary, kEntryExpense, 4.0, 0);
  Compute();

  // January 30 days at 500 and one at 4100; February and March carry 4099
  // (the bank's fees move the balance, only not in their own month's interest).
  const double january = DaysInterest(30, 0.5, 500.0) + DaysInterest(1, 0.5, 4100.0);
  const double later = DaysInterest(31, 0.5, 4099.0);
  EXPECT_NEAR(Computed(kJanuary)->Betrag, -january, 1e-9);
  EXPECT_NEAR(Computed(kFebruary)->Betrag, -later, 1e-9);
  EXPECT_NEAR(Computed(kMarch)->Betrag, -later, 1e-9);

  const CVorgang* march = Fees(kMarch);
  ASSERT_NE(march, nullptr);
  EXPECT_EQ(march->Typ, kEntryIncome);
  EXPECT_NEAR(march->Betrag, january + 2 * later - 3.0, 1e-9);
  EXPECT_EQ(Cents(march->Betrag), 0.79);
  EXPECT_EQ(march->Bezeichnung, "Zinsen und Gebühren von Giro");
  EXPECT_EQ(march->Bestaetigt, 0);
  EXPECT_EQ(march->Datum, CDate::FromYmd(2009, 3, 31));
  EXPECT_EQ(march->RefVertragPostenId, kInterestEntryRef);
  // The second quarter ends after the loaded months.
  EXPECT_EQ(Fees(kApril), nullptr);
  // The bank's fees of January stay; the unconfirmed one of February goes.
  EXPECT_FALSE(bankFees.IsDeleted());
  EXPECT_DOUBLE_EQ(bankFees.Betrag, 1.0);
  EXPECT_TRUE(leftOver.IsDeleted());
}

TEST_F(InterestBookingTest, AConfirmedInterestAndFeesEntryIsLeftAlone) {
  StartBook();
  AddAccount({.startBalance = 500.0, .berechnungAm = 2, .fixCosts = 3.0}, kJanuary, kApril);
  CVorgang& bank = AddInterestAndFees(kMarch, kEntryExpense, 2.5, 1);
  bank.changed = 0;
  Compute();
  EXPECT_EQ(Fees(kMarch), &bank);
  EXPECT_EQ(bank.Typ, kEntryExpense);
  EXPECT_DOUBLE_EQ(bank.Betrag, 2.5);
  EXPECT_EQ(bank.changed, 0);
  EXPECT_EQ(SetInterestAndFees(Context(), kGiro, kMarch, 7.0), &bank);
  EXPECT_DOUBLE_EQ(bank.Betrag, 2.5);

  // What the import sets where the period has not booked yet.
  CVorgang* april = SetInterestAndFees(Context(), kGiro, kApril, -1.25);
  ASSERT_NE(april, nullptr);
  EXPECT_EQ(april->Typ, kEntryExpense);
  EXPECT_DOUBLE_EQ(april->Betrag, 1.25);
  EXPECT_EQ(SetInterestAndFees(Context(), kGiro, kApril, 0.0), april);
  EXPECT_EQ(april->Typ, kEntryIncome);
  EXPECT_DOUBLE_EQ(april->Betrag, 0.0);
  EXPECT_EQ(SetInterestAndFees(Context(), kGiro, kApril + 1, 5.0), nullptr);
}

TEST_F(InterestBookingTest, NoPeriodForMonthsBeforeTheWindowOrWithoutAnInterestPeriod) {
  StartBook(kFebruary);
  // Existed in January, which is not loaded: its interest is not known.
  AddAccount({.posten = 201, .berechnungAm = 2, .firstMonat = kJanuary}, kFebruary, kApril);
  // Opened in February: the quarter holds all of its interest.
  AddAccount({.posten = 202, .berechnungAm = 2, .fixCosts = 1.0}, kFebruary, kApril);
  AddAccount({.posten = 203, .berechnungAm = 0, .fixCosts = 1.0}, kFebruary, kApril);
  for (int posten : {201, 202, 203}) AddEntry(kFebruary, kEntryIncome, 3600.0, 1, 1, posten);
  Compute();

  EXPECT_NE(Computed(kMarch, 201), nullptr);
  EXPECT_EQ(Fees(kMarch, 201), nullptr);
  const CVorgang* opened = Fees(kMarch, 202);
  ASSERT_NE(opened, nullptr);
  EXPECT_NEAR(opened->Betrag, 2 * DaysInterest(31, 0.5, 3600.0) - 1.0, 1e-9);
  for (int month = kFebruary; month <= kApril; ++month) {
    EXPECT_NE(Computed(month, 203), nullptr);
    EXPECT_EQ(Fees(month, 203), nullptr);
  }
}

}  // namespace
