#include <gtest/gtest.h>

#include <cmath>

#include "accounting/AccountChecks.h"
#include "accounting/AccountComputation.h"
#include "accounting/AccountInterest.h"
#include "model/BookData.h"
#include "model/BookDataTestSupport.h"
#include "model/StringTable.h"
#include "support/ScriptedMessages.h"

namespace {

constexpr int kJanuary = 97;  // January 2009
constexpr int kFebruary = 98;
constexpr int kMarch = 99;
constexpr int kApril = 100;

double Cents(double amount) { return std::round(amount * 100.0) / 100.0; }

// A book with the months January to April 2009, all loaded; every month
// holds one entry and one contract of no account (ids up to 100).
class AccountsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    {
      auto database = CreateDatabase(dir_.File("Pellwick.db"));
      SeedBook(*database, {.isCurrent = 1, .firstExist = kJanuary, .lastExist = kApril, .firstLoad = kJanuary,
                           .lastLoad = kApril, .aktMonat = kJanuary},
               0);
    }
    ASSERT_EQ(bookData_.StartUp(), 1);
  }

  CAccountContext Context() { return AccountContextOf(bookData_); }
  CBestandsdatenList& Accounts() { return *bookData_.Accounts(); }
  CVorgangList& Entries() { return *bookData_.Entries(); }

  // The account's records from `from` to `to`, requiring confirmation.
  void AddAccount(int posten, const std::string& name, int from, int to, double startBalance) {
    for (int month = from; month <= to; ++month) {
      CBestandsdaten& account = Accounts().AppendNew();
      account.PostenId = posten;
      account.MonatId = month;
      account.Bezeichnung = name;
      account.Typ = kAccountAssets;
      account.Betrag = startBalance;
      account.CheckErforderlich = 1;
      account.KontoAktiv = 1;
      account.FirstMonatId = from;
    }
  }
  CVorgang& AddEntry(int month, int typ, double amount, int confirmed, int account, int target = 0, int day = 1) {
    CVorgang& entry = Entries().AppendNew();
    const CDate::CYmd first = FirstDayOfMonth(month);
    entry.Datum = CDate::FromYmd(first.year, first.month, day);
    entry.PostenId = Entries().NewPostenId(*bookData_.Database(), 1);
    entry.MonatId = month;
    entry.Typ = typ;
    entry.Betrag = amount;
    entry.Bestaetigt = confirmed;
    if (typ == 5) {
      entry.SrcKontoId = account;
      entry.TarKontoId = target;
    } else {
      entry.BetrKontoId = account;
    }
    entry.changed = 1;
    Entries().InvalidateIndex();
    return entry;
  }
  CBestandsdaten& Account(int posten, int month) { return *Accounts().FindAccount(posten, month); }
  static std::string Text(int id) { return std::string(StringTableText(id)); }

  CTemporaryDirectory dir_;
  CFixedClock clock_{CDate::FromYmd(2009, 1, 20)};
  CScopedClock installedClock_{clock_};
  CBookData bookData_{dir_.Path().string()};
};

TEST_F(AccountsTest, RecomputeSumsConfirmedAndUnconfirmedMovesAndCountsTransfersOnBothAccounts) {
  AddAccount(1, "Giro", kJanuary, kFebruary, 100.0);
  AddAccount(2, "Sparbuch", kJanuary, kFebruary, 0.0);
  AddEntry(kJanuary, 1, 50.0, 1, 1);
  AddEntry(kJanuary, 2, 20.0, 1, 1);
  AddEntry(kJanuary, 2, 5.0, 0, 1);
  AddEntry(kJanuary, 1, 7.5, 0, 2);
  AddEntry(kJanuary, 5, 30.0, 1, 1, 2);
  AddEntry(kFebruary, 2, 1.25, 1, 1).MarkDeleted();

  Recompute(Context(), kAllAccounts, kFromFirstLoadedMonth);

  const CBestandsdaten& giro = Account(1, kJanuary);
  EXPECT_EQ(Cents(giro.confirmedIncome), 50.0);
  EXPECT_EQ(Cents(giro.confirmedOutgoings), 50.0);  // 20 expense + 30 transfer out
  EXPECT_EQ(Cents(giro.unconfirmedOutgoings), 5.0);
  EXPECT_EQ(giro.confirmedEntries, 3);
  EXPECT_EQ(giro.unconfirmedEntries, 1);
  EXPECT_EQ(Cents(Account(1, kFebruary).Betrag), 100.0);
  const CBestandsdaten& savings = Account(2, kJanuary);
  EXPECT_EQ(Cents(savings.confirmedIncome), 30.0);
  EXPECT_EQ(Cents(savings.unconfirmedIncome), 7.5);
  EXPECT_EQ(Cents(Account(2, kFebruary).Betrag), 30.0);
  // The end balance is the next month's start, the last month's its own end.
  EXPECT_EQ(Cents(giro.BetragEndMonat), 100.0);
  EXPECT_EQ(Cents(Account(2, kFebruary).BetragEndMonat), 30.0);
  EXPECT_EQ(Account(1, kFebruary).computationState, kComputed);
}

TEST_F(AccountsTest, AStartBalanceMovedAwayFromTheComputedOneBooksTheDifferenceInTheMonthBefore) {
  AddAccount(1, "Giro", kJanuary, kMarch, 100.0);
  AddEntry(kJanuary, 1, 50.0, 1, 1);
  AddEntry(kJanuary, 2, 20.0, 1, 1);
  Recompute(Context(), kAllAccounts, kFromFirstLoadedMonth);
  ASSERT_EQ(Cents(Account(1, kFebruary).Betrag), 130.0);

  SetConfirmedBalance(Context(), 1, kFebruary, 125.0, 1);

  const CVorgang* correction = FindCorrectionEntry(Entries(), 1, kJanuary);
  ASSERT_NE(correction, nullptr);
  EXPECT_EQ(correction->Bezeichnung, "Nicht erfasste Ausgaben");
  EXPECT_EQ(correction->Typ, 2);
  EXPECT_EQ(Cents(correction->Betrag), 5.0);
  EXPECT_EQ(correction->Bestaetigt, 1);
  EXPECT_EQ(correction->Datum, CDate::FromYmd(2009, 1, 1));
  EXPECT_EQ(correction->PostenId, 103);  // after the ids in the database and in memory
  EXPECT_EQ(Cents(Account(1, kFebruary).Betrag), 125.0);
  EXPECT_EQ(Account(1, kFebruary).Bestaetigt, 1);
  EXPECT_EQ(Cents(Account(1, kJanuary).BetragEndMonat), 125.0);
  EXPECT_EQ(Cents(Account(1, kMarch).Betrag), 125.0);

  // Confirming more than computed turns the same entry into an income.
  SetConfirmedBalance(Context(), 1, kFebruary, 140.0, 1);
  EXPECT_EQ(FindCorrectionEntry(Entries(), 1, kJanuary), correction);
  EXPECT_EQ(correction->Bezeichnung, "Nicht erfasste Einahmen");
  EXPECT_EQ(Cents(correction->Betrag), 10.0);
  EXPECT_EQ(Cents(Account(1, kMarch).Betrag), 140.0);

  // Withdrawing the confirmation removes the correction.
  SetConfirmedBalance(Context(), 1, kFebruary, 140.0, 0);
  EXPECT_EQ(FindCorrectionEntry(Entries(), 1, kJanuary), nullptr);
  EXPECT_EQ(Cents(Account(1, kFebruary).Betrag), 130.0);

  bookData_.StoreMonths(1, kAllLoadedMonths);
  EXPECT_EQ(bookData_.Database()->Query("select count(*) as n from Vorgang where RefVertragPostenId = -2;").Int("n"),
            0);
}

class CorrectionQuestionTest : public AccountsTest {
 protected:
  // Two accounts confirmed in February at 125 (computed 130); then a late
  // confirmed expense of 10 in January for both.
  void ConfirmTwoAccountsAndAddLateExpenses() {
    for (int posten : {1, 2}) {
      AddAccount(posten, "Konto" + std::to_string(posten), kJanuary, kMarch, 100.0);
      AddEntry(kJanuary, 1, 30.0, 1, posten);
      Recompute(Context(), posten, kJanuary);
      SetConfirmedBalance(Context(), posten, kFebruary, 125.0, 1);
      AddEntry(kJanuary, 2, 10.0, 1, posten);
    }
  }
  const std::string question_ = StringTableMessage(127, std::string("Februar 2009"));
};

TEST_F(CorrectionQuestionTest, YesKeepsEveryConfirmedBalanceAndIsAskedOncePerMonth) {
  ConfirmTwoAccountsAndAddLateExpenses();
  CScriptedMessages messages;
  messages.Answer(kAnswerYes);

  Recompute(Context(), kAllAccounts, kFromFirstLoadedMonth);
  Recompute(Context(), 1, kJanuary);

  EXPECT_EQ(messages.Texts(), std::vector<std::string>{question_});
  for (int posten : {1, 2}) {
    EXPECT_EQ(Cents(Account(posten, kFebruary).Betrag), 125.0);
    EXPECT_EQ(Account(posten, kFebruary).Bestaetigt, 1);
    const CVorgang* correction = FindCorrectionEntry(Entries(), posten, kJanuary);
    ASSERT_NE(correction, nullptr);
    EXPECT_EQ(correction->Typ, 1);
    EXPECT_EQ(correction->Bezeichnung, "Nicht erfasste Einahmen");
    EXPECT_EQ(Cents(correction->Betrag), 5.0);  // 125 - 100 - 30 + 10
    EXPECT_EQ(Cents(Account(posten, kMarch).Betrag), 125.0);
  }
}

TEST_F(CorrectionQuestionTest, NoDropsTheCorrectionAndLeavesTheBalanceUnconfirmed) {
  ConfirmTwoAccountsAndAddLateExpenses();
  CScriptedMessages messages;
  messages.Answer(kAnswerNo);

  Recompute(Context(), 1, kJanuary);

  EXPECT_EQ(messages.Texts(), std::vector<std::string>{question_});
  EXPECT_EQ(FindCorrectionEntry(Entries(), 1, kJanuary), nullptr);
  EXPECT_EQ(Account(1, kJanuary).correctionEntries, 0);
  EXPECT_EQ(Cents(Account(1, kFebruary).Betrag), 120.0);
  EXPECT_EQ(Account(1, kFebruary).Bestaetigt, 0);
  // The other account was not computed and keeps its correction.
  EXPECT_NE(FindCorrectionEntry(Entries(), 2, kJanuary), nullptr);
}

TEST_F(AccountsTest, TheBalanceOnADayCountsTheConfirmedMovesCapturedUpToIt) {
  AddAccount(1, "Giro", kJanuary, kJanuary, 100.0);
  AddEntry(kJanuary, 1, 50.0, 1, 1, 0, 10);
  AddEntry(kJanuary, 2, 20.0, 1, 1, 0, 25);
  AddEntry(kJanuary, 2, 5.0, 0, 1, 0, 5);
  AddEntry(kJanuary, 5, 7.0, 1, 2, 1, 20);
  EXPECT_EQ(Cents(BalanceOnDay(Context(), Account(1, kJanuary), CDate::FromYmd(2009, 1, 20))), 157.0);
  EXPECT_EQ(Cents(BalanceOnDay(Context(), Account(1, kJanuary), CDate::FromYmd(2009, 1, 31))), 137.0);
}

TEST(AccountInterestMonthsTest, TheInterestPeriodOfTheRecordsMonth) {
  CBestandsdatenRow account;
  account.MonatId = kFebruary;
  account.BerechnungAm = 2;
  EXPECT_EQ(AccountInterestMonths(account), CMonthRange{});
  account.CalcZins = 1;
  EXPECT_EQ(AccountInterestMonths(account), (CMonthRange{kJanuary, kMarch}));
}

TEST_F(AccountsTest, AccountsWithoutConfirmationRequirementFollowTheComputationSilently) {
  AddAccount(1, "Bargeld", kJanuary, kFebruary, 10.0);
  for (int month : {kJanuary, kFebruary}) Account(1, month).CheckErforderlich = 0;
  AddEntry(kJanuary, 2, 4.0, 1, 1);
  Recompute(Context(), 1, kFromFirstLoadedMonth);
  EXPECT_EQ(Cents(Account(1, kFebruary).Betrag), 6.0);
  EXPECT_EQ(Account(1, kJanuary).Bestaetigt, 1);
  EXPECT_EQ(Account(1, kFebruary).Bestaetigt, 1);
}

TEST_F(AccountsTest, AnAccountStartingLaterIsComputedFromItsFirstMonthAndAGapEndsTheRun) {
  AddAccount(1, "Depot", kFebruary, kMarch, 50.0);
  AddAccount(1, "Depot", kApril, kApril, 0.0);
  Accounts().FindAccount(1, kMarch)->MarkDeleted();
  AddEntry(kFebruary, 1, 5.0, 1, 1);
  Recompute(Context(), 1, kFromFirstLoadedMonth);
  EXPECT_EQ(Account(1, kFebruary).computationState, kComputed);
  EXPECT_EQ(Cents(Account(1, kFebruary).BetragEndMonat), 55.0);
  EXPECT_EQ(Cents(Account(1, kApril).Betrag), 0.0);
  EXPECT_EQ(Account(1, kApril).computationState, kToBeComputed);
}

TEST_F(AccountsTest, AChangedEntryRecomputesEveryAccountItMovedOrMovesInBothMonths) {
  AddAccount(1, "Giro", kJanuary, kApril, 100.0);
  AddAccount(2, "Sparbuch", kJanuary, kApril, 0.0);
  AddAccount(3, "Kasse", kJanuary, kApril, 0.0);
  CVorgang& transfer = AddEntry(kFebruary, 5, 30.0, 1, 1, 2);
  Recompute(Context(), kAllAccounts, kFromFirstLoadedMonth);
  ASSERT_EQ(Cents(Account(2, kApril).Betrag), 30.0);

  const CVorgang before = transfer;
  transfer.MonatId = kMarch;
  transfer.TarKontoId = 3;
  Entries().InvalidateIndex();
  RecomputeAfterEntryChange(Context(), &before, transfer);

  EXPECT_EQ(Cents(Account(2, kApril).Betrag), 0.0);
  EXPECT_EQ(Cents(Account(2, kFebruary).confirmedIncome), 0.0);
  EXPECT_EQ(Cents(Account(3, kApril).Betrag), 30.0);
  EXPECT_EQ(Cents(Account(1, kMarch).Betrag), 100.0);
  EXPECT_EQ(Cents(Account(1, kApril).Betrag), 70.0);
}

TEST_F(AccountsTest, NewAccountTakesAnIdNoRowOfTheBookUsesOrNames) {
  bookData_.Database()->Execute(
      "insert into Vorgang (BuchId, MonatId, PostenId, TarKontoId, Typ) values (1, 90, 1, 40, 5);");
  bookData_.Database()->Execute("insert into Bestandsdaten (BuchId, MonatId, PostenId) values (2, 90, 70);");
  CBestandsdaten& account = Accounts().NewAccount(*bookData_.Database(), 1, kFebruary, kJanuary);
  EXPECT_EQ(account.PostenId, 41);
  EXPECT_EQ(account.MonatId, kFebruary);
  EXPECT_EQ(account.Bezeichnung, "Neues Vermögen");
  EXPECT_EQ(account.Typ, 1);
  EXPECT_EQ(account.KontoAktiv, 1);
  EXPECT_EQ(account.LaufzeitAnz, 2);
  EXPECT_EQ(account.FirstMonatId, kJanuary);
  EXPECT_EQ(account.Datum, CDate::FromYmd(2009, 1, 20));
  EXPECT_EQ(Accounts().NewAccount(*bookData_.Database(), 1, kFebruary, kJanuary).PostenId, 42);
}

TEST_F(AccountsTest, CopiesKeepRangeAndInterestAndStopAtTheLastMonth) {
  AddAccount(1, "Tagesgeld", kJanuary, kJanuary, 80.0);
  CBestandsdaten& source = Account(1, kJanuary);
  source.LastMonatId = kMarch;
  source.CalcZins = 1;
  source.Zins_Proz_0 = 1.5;
  source.BerechnungAm = 2;
  source.Bestaetigt = 1;

  Accounts().CopyIntoFollowingMonths(source, kApril);

  const CBestandsdaten* march = Accounts().FindAccount(1, kMarch);
  ASSERT_NE(march, nullptr);
  EXPECT_EQ(march->LastMonatId, kMarch);
  EXPECT_EQ(march->CalcZins, 1);
  EXPECT_EQ(march->Zins_Proz_0, 1.5);
  EXPECT_EQ(march->BerechnungAm, 2);
  EXPECT_EQ(march->Bestaetigt, 0);
  EXPECT_EQ(Accounts().FindAccount(1, kApril), nullptr);
  EXPECT_EQ(Accounts().CopyAccountInto(kApril, source), nullptr);
  EXPECT_EQ(Accounts().CopyAccountInto(kMarch, source), nullptr);  // has one there
}

TEST_F(AccountsTest, PropagationCarriesOnlyTheFlagsOfTheMask) {
  AddAccount(1, "Giro", kJanuary, kMarch, 100.0);
  CBestandsdaten& source = Account(1, kMarch);
  source.Bezeichnung = "Girokonto";
  source.CheckErforderlich = 0;
  source.changeFlags = kAccountChangeMasterData | kAccountChangeCheck;

  Accounts().PropagateAccount(source, kJanuary, kAccountChangeCheck);
  EXPECT_EQ(Account(1, kJanuary).Bezeichnung, "Giro");
  EXPECT_EQ(Account(1, kJanuary).CheckErforderlich, 0);

  Accounts().PropagateAccount(source, kFebruary, kAccountChangeStartBalance);
  EXPECT_EQ(Account(1, kFebruary).BetragEndMonat, 100.0);
  EXPECT_EQ(Account(1, kFebruary).CheckErforderlich, 1);

  source.FirstMonatId = kFebruary;
  Accounts().PropagateAccount(source, kJanuary, kAccountChangeMasterData);
  EXPECT_EQ(Account(1, kJanuary).Bezeichnung, "Girokonto");
  EXPECT_TRUE(Account(1, kJanuary).IsDeleted());
  Accounts().PropagateAccount(source, kApril, kAccountChangeMasterData);
  EXPECT_EQ(Account(1, kApril).Bezeichnung, "Girokonto");  // copied into the month without a record
}

TEST_F(AccountsTest, FindsByMonthAnyMonthAndName) {
  AddAccount(4, "Giro", kFebruary, kMarch, 1.0);
  EXPECT_EQ(Accounts().FindAccount(4, kAllLoadedMonths)->MonatId, kFebruary);
  EXPECT_EQ(Accounts().FindAccount(4, kJanuary), nullptr);
  EXPECT_EQ(Accounts().FindAccountByName("Giro", kMarch)->MonatId, kMarch);
  EXPECT_EQ(Accounts().FindAccountByName("giro", kMarch), nullptr);
  EXPECT_EQ(Accounts().AccountName(4), "Giro");
  EXPECT_EQ(Accounts().ChoiceNames(kMarch, AccountChoice::AllWithHeader),
            (std::vector<std::string>{"Alle aktiven Konten", "Giro"}));
  EXPECT_TRUE(Accounts().ChoiceNames(kMarch, AccountChoice::StocksOnly).empty());
}

TEST_F(AccountsTest, ApplyingChangesAsksAndRefusesWithTheTexts) {
  AddAccount(1, "Giro", kJanuary, kApril, 0.0);
  AddEntry(kJanuary, 2, 3.0, 0, 1);
  const CBestandsdaten& stored = Account(1, kFebruary);
  CScriptedMessages messages;

  CBestandsdaten duplicate = stored;
  duplicate.PostenId = 9;
  messages.Answer(kAnswerNo);
  EXPECT_FALSE(CheckAccountChange(Context(), duplicate, duplicate, true));
  messages.Answer(kAnswerYes);
  EXPECT_TRUE(CheckAccountChange(Context(), duplicate, duplicate, true));

  CBestandsdaten edited = stored;
  edited.FirstMonatId = 0;
  EXPECT_FALSE(CheckAccountChange(Context(), stored, edited, false));

  edited.FirstMonatId = kFebruary;
  messages.Answer(kAnswerNo);
  EXPECT_FALSE(CheckAccountChange(Context(), stored, edited, false));
  EXPECT_EQ(edited.FirstMonatId, kJanuary);

  edited.Typ = kAccountStock;
  EXPECT_FALSE(CheckAccountChange(Context(), stored, edited, false));
  EXPECT_EQ(edited.Typ, kAccountAssets);

  const std::string duplicateText = StringTableMessage(129, std::string("Giro"));
  EXPECT_EQ(messages.Texts(), (std::vector<std::string>{duplicateText, duplicateText, Text(104),
                                                        StringTableMessage(107, 1), Text(105)}));
}

TEST_F(AccountsTest, MovingTheFirstMonthNeedsTheMonthsThatLoseTheAccountLoaded) {
  AddAccount(1, "Giro", kFebruary, kApril, 0.0);
  for (int month : {kFebruary, kMarch, kApril}) Account(1, month).FirstMonatId = 90;
  CBestandsdaten edited = Account(1, kMarch);
  edited.FirstMonatId = kMarch;
  CScriptedMessages messages;
  EXPECT_FALSE(CheckAccountChange(Context(), Account(1, kMarch), edited, false));
  EXPECT_EQ(edited.FirstMonatId, 90);
  EXPECT_EQ(messages.Texts(), std::vector<std::string>{Text(106)});
}

TEST_F(AccountsTest, CompleteDeletionNeedsEveryMonthAndCountsTheLastOneToo) {
  AddAccount(1, "Giro", kJanuary, kApril, 0.0);
  AddEntry(kApril, 1, 3.0, 1, 1);
  const CBestandsdaten& account = Account(1, kJanuary);
  CScriptedMessages messages;

  CAccountContext shrunk = Context();
  shrunk.window.first = kFebruary;
  EXPECT_FALSE(PrepareCompleteDeletion(shrunk, account, kJanuary, kApril));

  messages.Answer(kAnswerNo);
  EXPECT_FALSE(PrepareCompleteDeletion(Context(), account, kJanuary, kApril));
  messages.Answer({kAnswerYes, kAnswerNo});
  EXPECT_FALSE(PrepareCompleteDeletion(Context(), account, kJanuary, kApril));
  messages.Answer({kAnswerYes, kAnswerYes});
  EXPECT_TRUE(PrepareCompleteDeletion(Context(), account, kJanuary, kApril));

  const std::string references = StringTableMessage(107, 1);
  EXPECT_EQ(messages.Texts(),
            (std::vector<std::string>{Text(111), Text(112), Text(112), references, Text(112), references}));
  EXPECT_EQ(Accounts().FindAccount(1, kApril)->IsDeleted(), false);  // request 19 removes it, not the check
}

TEST_F(AccountsTest, TheMainAccountIsStoredInTheBookRowOnYes) {
  CScriptedMessages messages;
  messages.Answer({kAnswerNo, kAnswerYes});
  EXPECT_FALSE(ChooseMainAccount(*bookData_.Database(), bookData_.Book(), 3));
  EXPECT_TRUE(ChooseMainAccount(*bookData_.Database(), bookData_.Book(), 3));
  EXPECT_TRUE(ChooseMainAccount(*bookData_.Database(), bookData_.Book(), 3));  // already: nothing asked
  EXPECT_EQ(messages.Texts(), (std::vector<std::string>{Text(126), Text(126)}));
  EXPECT_EQ(bookData_.Database()->Query("select HauptKontoId as n from Haushaltsbuch;").Int("n"), 3);
}

TEST(AccountChangeFlagsTest, EachChangedValueSetsItsFlags) {
  struct CCase {
    void (*change)(CBestandsdatenRow&);
    bool interestEdited;
    int flags;
  };
  const CCase cases[] = {
      {[](CBestandsdatenRow& r) { r.Betrag = 5; }, false, kAccountChangeStartBalance},
      {[](CBestandsdatenRow& r) { r.Bestaetigt = 1; }, false, kAccountChangeStartBalance},
      {[](CBestandsdatenRow& r) { r.Typ = 2; }, false, 0},
      {[](CBestandsdatenRow& r) { r.Bezeichnung = "x"; }, false, kAccountChangeMasterData},
      {[](CBestandsdatenRow& r) { r.CheckErforderlich = 1; }, false, kAccountChangeCheck},
      {[](CBestandsdatenRow& r) { r.CalcZins = 1; }, false, kAccountChangeCheck},
      {[](CBestandsdatenRow& r) { r.LastMonatId = 9; }, false, kAccountChangeMasterData | kAccountChangeRange},
      {[](CBestandsdatenRow& r) { r.Zins_Proz_2 = 1; }, false, 0},
      {[](CBestandsdatenRow& r) { r.Zins_Proz_2 = 1; }, true, kAccountChangeCheck},
      {[](CBestandsdatenRow& r) { r.BerechnungAm = 2; }, true, kAccountChangeInterest},
  };
  for (const CCase& c : cases) {
    CBestandsdatenRow stored;
    CBestandsdatenRow edited = stored;
    c.change(edited);
    EXPECT_EQ(AccountChangeFlags(stored, edited, c.interestEdited), c.flags) << &c - cases;
  }
}

TEST(AccountChangeFlagsTest, ApplyingAChangeKeepsTheKeysAndAddsTheFlags) {
  CBestandsdaten record;
  record.PostenId = 3;
  record.MonatId = kMarch;
  record.changeFlags = kAccountChangeInterest;
  record.confirmedIncome = 12.0;
  CBestandsdatenRow edited = record;
  edited.PostenId = 9;
  edited.Bezeichnung = "Giro";
  edited.Betrag = 4.0;
  ApplyAccountChange(record, edited, false);
  EXPECT_EQ(record.PostenId, 3);
  EXPECT_EQ(record.Bezeichnung, "Giro");
  EXPECT_EQ(record.Betrag, 4.0);
  EXPECT_EQ(record.confirmedIncome, 12.0);
  EXPECT_EQ(record.changeFlags, kAccountChangeInterest | kAccountChangeMasterData | kAccountChangeStartBalance);
}

TEST(AccountCorrectionModeTest, FinishingWithoutConfirmationRemovesTheCorrectionAndNoDropsTheRequest) {
  CBestandsdaten record;
  CAccountCorrectionMode mode;
  mode.SwitchOn(record);
  EXPECT_EQ(record.correctionRequest, kBookCorrection);
  EXPECT_EQ(record.Bestaetigt, 1);
  record.Bestaetigt = 0;
  CScriptedMessages messages;
  messages.Answer(kAnswerYes);
  mode.AskToFinish(record);
  EXPECT_EQ(record.correctionRequest, kRemoveCorrection);
  EXPECT_FALSE(mode.IsOn());

  mode.SwitchOn(record);
  messages.Answer(kAnswerNo);
  mode.AskToFinish(record);
  EXPECT_EQ(record.correctionRequest, kNoCorrection);
  EXPECT_EQ(messages.Texts(), (std::vector<std::string>(2, std::string(StringTableText(128)))));
}

}  // namespace
