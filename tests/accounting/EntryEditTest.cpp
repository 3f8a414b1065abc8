#include <gtest/gtest.h>

#include "accounting/EntriesTestSupport.h"
#include "accounting/EntryEdit.h"
#include "accounting/EntryRow.h"
#include "model/StringTable.h"
#include "support/ScriptedMessages.h"

namespace {

const std::string kOutsideText(StringTableText(116));

std::string MoveQuestion(const std::string& label) { return StringTableMessage(117, label); }

CEntryValues ValuesOf(const CVorgang& entry) {
  CEntryValues values;
  values.Typ = entry.Typ;
  values.Bezeichnung = entry.Bezeichnung;
  values.KategorieId = entry.KategorieId;
  values.Betrag = entry.Betrag;
  values.Datum = entry.Datum;
  values.Bestaetigt = entry.Bestaetigt;
  values.Sonder = entry.Sonder;
  values.BetrKontoId = entry.BetrKontoId;
  values.SrcKontoId = entry.SrcKontoId;
  values.TarKontoId = entry.TarKontoId;
  return values;
}

class EntryEditTest : public EntriesFixture {
 protected:
  void SetUp() override {
    EntriesFixture::SetUp();
    editor_ = std::make_unique<CEntryEditor>(*book_);
  }
  CVorgang& StoredEntryOf(int monthId) { return *Entries().EntriesOfMonth(monthId).front(); }

  CScriptedMessages messages_;
  std::unique_ptr<CEntryEditor> editor_;
};

TEST_F(EntryEditTest, CaptureDatesOutsideTheLoadedMonthsAreRefused) {
  CVorgang& entry = StoredEntryOf(kApril);
  for (const CDate& date : {CDate::FromYmd(2007, 7, 1), CDate::FromYmd(2007, 2, 28), CDate()}) {
    CEntryValues values = ValuesOf(entry);
    values.Datum = date;
    values.Betrag = 99.0;
    const CEntryChange change = editor_->Apply(entry, values, false);
    EXPECT_FALSE(change.applied) << date.ToScreenText();
  }
  EXPECT_EQ(messages_.Texts(), std::vector<std::string>(3, kOutsideText));
  EXPECT_EQ(entry.Betrag, 5.0);
  EXPECT_EQ(entry.changed, 0);
  EXPECT_TRUE(editor_->CheckChange(entry, CDate::FromYmd(2007, 4, 30), false));
}

TEST_F(EntryEditTest, MovingIntoAnotherMonthAsksAndLeavesOneRowInTheNewMonth) {
  CVorgang& entry = StoredEntryOf(kMarch);
  CEntryValues values = ValuesOf(entry);
  values.Datum = CDate::FromYmd(2007, 4, 3);
  values.Betrag = 12.5;

  messages_.Answer(kAnswerNo);
  EXPECT_FALSE(editor_->Apply(entry, values, false).applied);
  EXPECT_EQ(entry.MonatId, kMarch);
  EXPECT_EQ(entry.Betrag, 5.0);

  messages_.Answer(kAnswerYes);
  const CEntryChange change = editor_->Apply(entry, values, false);
  ASSERT_TRUE(change.applied);
  EXPECT_EQ(messages_.Texts(), std::vector<std::string>(2, MoveQuestion("April 2007")));
  EXPECT_EQ(change.entry->MonatId, kApril);
  EXPECT_EQ(change.entry->PostenId, kMarch);
  EXPECT_EQ(change.entry->Betrag, 12.5);

  StoreAll();
  EXPECT_EQ(CountRows(StrFormat("PostenId = %d", kMarch)), 1);
  EXPECT_EQ(CountRows(StrFormat("PostenId = %d and MonatId = %d and Betrag = 12.5", kMarch, kApril)), 1);
  EXPECT_EQ(Entries().EntriesOfMonth(kMarch).size(), 0u);
}

TEST_F(EntryEditTest, ANewEntryJoinsTheMonthOfItsDateWithoutAQuestion) {
  CVorgang& entry = editor_->NewScreenEntry();
  EXPECT_EQ(entry.MonatId, kApril);
  EXPECT_EQ(entry.Datum, CDate::FromYmd(2007, 4, 15));
  EXPECT_EQ(entry.Bestaetigt, 1);
  EXPECT_EQ(entry.BetrKontoId, 1);
  CEntryValues values = ValuesOf(entry);
  values.Bezeichnung = "Bäckerei";
  values.Datum = CDate::FromYmd(2007, 5, 2);
  values.Betrag = 3.2;
  const CEntryChange change = editor_->Apply(entry, values, true);
  ASSERT_TRUE(change.applied);
  EXPECT_TRUE(messages_.Texts().empty());
  EXPECT_EQ(change.entry, &entry);
  EXPECT_EQ(entry.MonatId, kMay);
  EXPECT_EQ(change.affected, (std::vector<CAccountMonth>{{1, kApril}, {1, kMay}}));
  StoreAll();
  EXPECT_EQ(CountRows("Bezeichnung = 'Bäckerei' and MonatId = 77"), 1);
}

TEST_F(EntryEditTest, AChangedTransferReportsEveryAccountOfTheOldAndNewMonth) {
  CVorgang& entry = StoredEntryOf(kApril);
  entry.BetrKontoId = 1;
  CEntryValues values = ValuesOf(entry);
  values.Typ = kEntryTransfer;
  values.SrcKontoId = 2;
  values.TarKontoId = 3;
  values.Datum = CDate::FromYmd(2007, 5, 1);
  messages_.Answer(kAnswerYes);
  const CEntryChange change = editor_->Apply(entry, values, false);
  ASSERT_TRUE(change.applied);
  EXPECT_EQ(change.affected, (std::vector<CAccountMonth>{{1, kApril}, {2, kMay}, {3, kMay}}));
  EXPECT_EQ(change.entry->BetrKontoId, 0);

  const CEntryChange deleted = editor_->Delete(*change.entry);
  EXPECT_EQ(deleted.affected, (std::vector<CAccountMonth>{{2, kMay}, {3, kMay}}));
  EXPECT_TRUE(Entries().EntriesOfMonth(kMay).size() == 1u);  // only the seeded one
}

// A monthly contract with two due dates in March (10th and 20th) and a
// monthly share; the entry due on the 10th is paid on 5 April.
class LatePaymentTest : public EntryEditTest {
 protected:
  void SetUp() override {
    EntryEditTest::SetUp();
    due10_ = &AddContractEntry(1, kMarch, kEntryExpense, CDate::FromYmd(2007, 3, 10));
    due20_ = &AddContractEntry(1, kMarch, kEntryExpense, CDate::FromYmd(2007, 3, 20));
    share_ = &AddContractEntry(1, kMarch, kEntryReserveShare, CDate::FromYmd(2007, 3, 10));
    StoreAll();
  }
  CEntryChange PayOn(CVorgang& entry, const CDate& date) {
    CEntryValues values = ValuesOf(entry);
    values.Datum = date;
    values.Betrag = 41.0;
    messages_.Answer(kAnswerYes);
    return editor_->Apply(entry, values, false);
  }
  // What the entries of the contract contribute to account 1 over all
  // loaded months: each payment once.
  double BookedForAccount() {
    double sum = 0.0;
    for (int month = kMarch; month <= kJune; ++month)
      for (CVorgang* entry : Entries().EntriesOfAccount(1, month))
        if (entry->RefVertragPostenId == 1 && entry->Typ == kEntryExpense && entry->CountsForAccounts())
          sum += entry->Betrag;
    return sum;
  }

  CVorgang* due10_ = nullptr;
  CVorgang* due20_ = nullptr;
  CVorgang* share_ = nullptr;
};

TEST_F(LatePaymentTest, OnlyThePaidDueEntryMovesAndShowsInThePaymentMonth) {
  const CEntryChange change = PayOn(*due10_, CDate::FromYmd(2007, 4, 5));
  ASSERT_TRUE(change.applied);
  CVorgang& payment = *change.entry;
  EXPECT_EQ(payment.MonatId, kApril);
  EXPECT_EQ(payment.TerminMonatId, -kMarch);
  EXPECT_EQ(due10_->TerminMonatId, kApril);
  EXPECT_FALSE(due10_->IsDeleted());
  EXPECT_EQ(due20_->TerminMonatId, 0);
  EXPECT_EQ(due20_->Datum, CDate::FromYmd(2007, 3, 20));
  EXPECT_FALSE(share_->IsDeleted());
  EXPECT_EQ(share_->TerminMonatId, 0);
  EXPECT_EQ(change.affected, (std::vector<CAccountMonth>{{1, kMarch}, {1, kApril}}));
  EXPECT_DOUBLE_EQ(BookedForAccount(), 41.0 + 40.0);

  const CEntryRowTexts dueRow = EntryRowTexts(*due10_, Contracts(), 0);
  EXPECT_EQ(dueRow.date, "10.03.2007!");
  EXPECT_EQ(dueRow.note, "bezahlt am 05.04.2007");
  const CEntryRowTexts paymentRow = EntryRowTexts(payment, Contracts(), 0);
  EXPECT_EQ(paymentRow.date, "05.04.2007");
  EXPECT_EQ(paymentRow.note, "Fälligk. vom 10.03.2007");
  EXPECT_EQ(paymentRow.expense, "41.00");
  EXPECT_EQ(paymentRow.icon, EEntryIcon::Contract);

  StoreAll();
  EXPECT_EQ(CountRows("RefVertragPostenId = 1 and MonatId = 76 and TerminMonatId = -75"), 1);
  EXPECT_EQ(CountRows("RefVertragPostenId = 1 and MonatId = 75"), 3);
}

TEST_F(LatePaymentTest, MovingThePaymentOnOrBackKeepsOneRecordPerMonth) {
  CVorgang& payment = *PayOn(*due10_, CDate::FromYmd(2007, 4, 5)).entry;
  // On into May: the April record goes, May gets the payment.
  CVorgang& inMay = *PayOn(payment, CDate::FromYmd(2007, 5, 2)).entry;
  EXPECT_TRUE(payment.IsDeleted());
  EXPECT_EQ(inMay.MonatId, kMay);
  EXPECT_EQ(due10_->TerminMonatId, kMay);
  EXPECT_DOUBLE_EQ(BookedForAccount(), 41.0 + 40.0);
  // Back into the due month: the payment record goes, the due entry counts.
  CVorgang& back = *PayOn(inMay, CDate::FromYmd(2007, 3, 12)).entry;
  EXPECT_EQ(&back, due10_);
  EXPECT_EQ(due10_->TerminMonatId, 0);
  EXPECT_EQ(due10_->Datum, CDate::FromYmd(2007, 3, 12));
  EXPECT_TRUE(inMay.IsDeleted());
  EXPECT_DOUBLE_EQ(BookedForAccount(), 41.0 + 40.0);
  StoreAll();
  EXPECT_EQ(CountRows("RefVertragPostenId = 1 and TerminMonatId <> 0"), 0);
  EXPECT_EQ(CountRows("RefVertragPostenId = 1"), 3);
}

TEST_F(EntryEditTest, APaymentWhoseDueMonthIsNotLoadedIsRefusedWithItsMonth) {
  CVorgang& payment = AddContractEntry(1, kApril, kEntryExpense, CDate::FromYmd(2007, 2, 10));
  payment.TerminMonatId = -kFebruary;
  payment.Datum = CDate::FromYmd(2007, 4, 2);
  CEntryValues values = ValuesOf(payment);
  values.Betrag = 1.0;
  EXPECT_FALSE(editor_->Apply(payment, values, false).applied);
  EXPECT_EQ(messages_.Texts(), std::vector<std::string>{StringTableMessage(118, std::string("Februar 2007"))});
  EXPECT_EQ(payment.Betrag, 40.0);
}

}  // namespace

TEST_F(EntryEditTest, AMovedEntryLeavesTheOldMonthsAccountAndReachesTheNewOnes) {
  CVorgang& entry = AddEntry(kApril, kEntryExpense, 30.0, CDate::FromYmd(2007, 4, 10));
  RecomputeAffectedAccounts(AccountContextOf(*book_), {{1, kApril}});
  EXPECT_NEAR(book_->Accounts()->FindAccount(1, kApril)->confirmedOutgoings, 30.0, 0.005);

  CEntryValues values = ValuesOf(entry);
  values.Datum = CDate::FromYmd(2007, 5, 3);
  messages_.Answer(kAnswerYes);
  ASSERT_TRUE(editor_->Apply(entry, values, false).applied);
  EXPECT_NEAR(book_->Accounts()->FindAccount(1, kApril)->confirmedOutgoings, 0.0, 0.005);
  EXPECT_NEAR(book_->Accounts()->FindAccount(1, kMay)->confirmedOutgoings, 30.0, 0.005);

  editor_->Delete(*Entries().EntriesOfMonth(kMay).back());
  EXPECT_NEAR(book_->Accounts()->FindAccount(1, kMay)->confirmedOutgoings, 0.0, 0.005);
}
