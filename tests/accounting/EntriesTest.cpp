#include <gtest/gtest.h>

#include "accounting/EntriesTestSupport.h"
#include "accounting/Vertrag.h"
#include "accounting/Vorgang.h"

namespace {

class EntriesIdTest : public EntriesFixture {
 protected:
  // An unloaded month holds the highest entry id; a stored entry refers to
  // an even higher one that no longer exists.
  void SeedBeforeStart(CDatabase& database) override {
    CVorgangRow unloaded;
    unloaded.PostenId = 500;
    unloaded.MonatId = kJuly;
    unloaded.RefRestwertPostenId = 700;
    unloaded.Insert(database, 1);
  }
};

TEST_F(EntriesIdTest, NewEntriesTakeAnIdNoEntryOfTheBookHasOrRefersTo) {
  EXPECT_EQ(Entries().HighestPostenId(), kJune);  // only the loaded months are in memory
  CVorgang& entry = Entries().NewEntry(Database(), 1, kApril);
  EXPECT_EQ(entry.PostenId, 701);
  EXPECT_EQ(entry.Typ, kEntryExpense);
  EXPECT_EQ(entry.Bezeichnung, "Neuer Vorgang");
  EXPECT_EQ(entry.MonatId, kApril);
  EXPECT_EQ(entry.Betrag, 0.0);
  EXPECT_EQ(Entries().NewEntry(Database(), 1, kApril).PostenId, 702);  // given out, not yet stored
}

using EntriesTest = EntriesFixture;

TEST_F(EntriesTest, FindContractEntryTakesTheFirstLiveEntryOfContractAndMonth) {
  const CDate due = CDate::FromYmd(2007, 4, 10);
  CVorgang& share = AddContractEntry(1, kApril, kEntryReserveShare, due);
  CVorgang& gone = AddContractEntry(1, kApril, kEntryExpense, due);
  CVorgang& first = AddContractEntry(1, kApril, kEntryExpense, due);
  AddContractEntry(1, kApril, kEntryExpense, due);
  AddContractEntry(1, kMay, kEntryExpense, CDate::FromYmd(2007, 5, 10));
  gone.MarkDeleted();

  EXPECT_EQ(Entries().FindContractEntry(1, kApril, false), &first);
  EXPECT_EQ(Entries().FindContractEntry(1, kApril, true), &share);
  EXPECT_EQ(Entries().FindContractEntry(2, kApril, true), nullptr);
  EXPECT_EQ(Entries().FindContractEntry(1, kJune, true), nullptr);
  share.MarkDeleted();
  EXPECT_EQ(Entries().FindContractEntry(1, kApril, true), &first);
}

TEST_F(EntriesTest, DueEntriesForRenewalLeaveOutTheShareAndPaymentRecords) {
  const CDate due = CDate::FromYmd(2007, 4, 10);
  AddContractEntry(1, kApril, kEntryReserveShare, due);
  CVorgang& dueEntry = AddContractEntry(1, kApril, kEntryExpense, due);
  CVorgang& payment = AddContractEntry(1, kApril, kEntryExpense, CDate::FromYmd(2007, 3, 10));
  payment.TerminMonatId = -kMarch;
  EXPECT_EQ(Entries().DueEntriesOfContract(1, kApril), CVorgangList::CEntries{&dueEntry});
  EXPECT_TRUE(payment.IsPaymentRecord());
  EXPECT_EQ(payment.DueMonthId(), kMarch);
}

TEST_F(EntriesTest, TheIndexFollowsLoadingDroppingAndMoving) {
  ASSERT_EQ(Entries().EntriesOfMonth(kMay).size(), 1u);
  CVorgang& moved = Entries().MoveToMonth(*Entries().EntriesOfMonth(kMay).front(), kJune);
  EXPECT_TRUE(Entries().EntriesOfMonth(kMay).empty());
  EXPECT_EQ(Entries().EntriesOfMonth(kJune).size(), 2u);
  EXPECT_EQ(moved.PostenId, kMay);

  book_->DropMonth(kJune);
  EXPECT_TRUE(Entries().EntriesOfMonth(kJune).empty());
  book_->LoadMonth(1, kJuly);
  ASSERT_EQ(Entries().EntriesOfMonth(kJuly).size(), 1u);
  EXPECT_EQ(Entries().EntriesOfMonth(kJuly).front()->PostenId, kJuly);
}

TEST_F(EntriesTest, AccountReferencesCountBothSidesOfATransferInOneOrAllMonths) {
  CVorgang& transfer = AddEntry(kApril, kEntryTransfer, 30.0, CDate::FromYmd(2007, 4, 2));
  transfer.SrcKontoId = 2;
  transfer.TarKontoId = 3;
  AddEntry(kMay, kEntryIncome, 10.0, CDate::FromYmd(2007, 5, 2)).BetrKontoId = 2;
  CVorgang& gone = AddEntry(kMay, kEntryExpense, 10.0, CDate::FromYmd(2007, 5, 3));
  gone.BetrKontoId = 2;
  gone.MarkDeleted();
  Entries().InvalidateIndex();

  EXPECT_EQ(Entries().CountAccountReferences(2, kApril), 1);
  EXPECT_EQ(Entries().CountAccountReferences(3, kApril), 1);
  EXPECT_EQ(Entries().CountAccountReferences(2, kAllLoadedMonths), 2);
  EXPECT_EQ(Entries().CountAccountReferences(3, kMay), 0);
  EXPECT_EQ(transfer.AccountIds(), (std::vector<int>{2, 3}));
}

TEST_F(EntriesTest, ContractReferencesCountConfirmedOrDirectlyConfirmedEntriesOfLoadedRecords) {
  Contracts().FindPosten(1, kMay)->CheckErforderlich = 1;
  AddContractEntry(1, kApril, kEntryExpense, CDate::FromYmd(2007, 4, 1)).Bestaetigt = 0;  // direct: counts
  AddContractEntry(1, kMay, kEntryExpense, CDate::FromYmd(2007, 5, 1)).Bestaetigt = 0;    // needs check: not
  AddContractEntry(1, kMay, kEntryExpense, CDate::FromYmd(2007, 5, 2));                   // confirmed: counts
  Contracts().FindPosten(1, kJune)->MarkDeleted();
  AddContractEntry(1, kJune, kEntryExpense, CDate::FromYmd(2007, 6, 1));                  // no record: not

  EXPECT_EQ(Entries().CountContractReferences(1, kMay, Contracts()), 1);
  EXPECT_EQ(Entries().CountContractReferences(1, kAllLoadedMonths, Contracts()), 2);
}

TEST_F(EntriesTest, LinkContractsLinksDropsOrphanSharesAndClearsMissingContracts) {
  CVorgang& linked = AddContractEntry(1, kApril, kEntryExpense, CDate::FromYmd(2007, 4, 1));
  CVorgang& orphanShare = AddEntry(kApril, kEntryReserveShare, 10.0, CDate::FromYmd(2007, 4, 1));
  CVorgang& unknown = AddContractEntry(9, kApril, kEntryExpense, CDate::FromYmd(2007, 4, 1));
  CVorgang& correction = AddEntry(kApril, kEntryIncome, 3.0, CDate::FromYmd(2007, 4, 1));
  correction.RefVertragPostenId = kCorrectionEntryRef;
  unknown.changed = 0;

  Entries().LinkContracts(Contracts());
  EXPECT_EQ(linked.contract, Contracts().FindPosten(1, kApril));
  EXPECT_TRUE(orphanShare.IsDeleted());
  EXPECT_EQ(unknown.RefVertragPostenId, kNoContract);
  EXPECT_EQ(unknown.changed, 1);  // the cleared reference reaches the database
  EXPECT_EQ(correction.RefVertragPostenId, kCorrectionEntryRef);
  EXPECT_EQ(correction.contract, nullptr);
}

TEST_F(EntriesTest, ConfirmPastDueEntriesConfirmsDirectContractEntriesBeforeToday) {
  Contracts().FindPosten(1, kMay)->CheckErforderlich = 1;
  struct CCase {
    int month;
    int typ;
    CDate date;
    int expected;
  };
  const CCase cases[] = {
      {kApril, kEntryExpense, CDate::FromYmd(2007, 4, 14), 1},       // yesterday
      {kApril, kEntryExpense, CDate::FromYmd(2007, 4, 15), 0},       // today
      {kApril, kEntryReserveShare, CDate::FromYmd(2007, 4, 1), 0},   // monthly share
      {kMay, kEntryExpense, CDate::FromYmd(2007, 3, 1), 0},          // contract needs confirmation
  };
  std::vector<CVorgang*> made;
  for (const CCase& c : cases) {
    CVorgang& entry = AddContractEntry(1, c.month, c.typ, c.date);
    entry.Bestaetigt = 0;
    entry.changed = 0;
    made.push_back(&entry);
  }
  EXPECT_EQ(Entries().ConfirmPastDueEntries(Contracts(), Today()), 1);
  for (std::size_t i = 0; i < made.size(); ++i) {
    EXPECT_EQ(made[i]->Bestaetigt, cases[i].expected) << i;
    EXPECT_EQ(made[i]->changed, cases[i].expected) << i;
  }
}

}  // namespace
