#include <gtest/gtest.h>

#include <cmath>
#include <memory>
#include <string>
#include <vector>

#include "accounting/ContractChecks.h"
#include "accounting/ContractDueEntries.h"
#include "accounting/ContractImport.h"
#include "accounting/Vertrag.h"
#include "accounting/Vorgang.h"
#include "model/StringTable.h"
#include "storage/Schema.h"
#include "storage/Tables.h"
#include "support/ScriptedMessages.h"
#include "support/TemporaryDirectory.h"

namespace {

constexpr int kBook = 1;
constexpr int kJanuary2007 = 73;
constexpr int kFebruary2007 = 74;
constexpr int kMarch2007 = 75;

double Cents(double amount) { return std::round(amount * 100.0) / 100.0; }
CDate Ymd(int y, int m, int d) { return CDate::FromYmd(y, m, d); }

// A monthly rent of 500 from account 1, due on the 31st from January 2007,
// valid January to December 2007.
CVertrag Rent() {
  CVertrag rent;
  rent.PostenId = 3;
  rent.MonatId = kJanuary2007;
  rent.Bezeichnung = "Miete";
  rent.Typ = kContractExpense;
  rent.Betrag = 500.0;
  rent.KontoId = 1;
  rent.ErsteFaelligkeit = Ymd(2007, 1, 31);
  rent.AnzZahlungen = 12;
  rent.FirstMonat = kJanuary2007;
  rent.LastMonat = kJanuary2007 + 11;
  return rent;
}

class ContractsTest : public ::testing::Test {
 protected:
  CVertrag& AddRecord(const CVertrag& values, int monthId) {
    CVertrag& record = contracts_.AppendNew(values);
    record.MonatId = monthId;
    return record;
  }
  CDueEntryContext Context() { return {entries_, *database_, kBook}; }
  CVorgangList::CEntries Due(int monthId) { return entries_.DueEntriesOfContract(3, monthId); }
  CVorgang* Share(int monthId) {
    for (CVorgang* entry : entries_.EntriesOfContract(3, monthId))
      if (entry->Typ == kEntryReserveShare) return entry;
    return nullptr;
  }

  CTemporaryDirectory dir_;
  std::unique_ptr<CDatabase> database_ = CreateDatabase(dir_.File("Pellwick.db"));
  CVertragList contracts_;
  CVorgangList entries_;
  CScriptedMessages messages_;
};

TEST_F(ContractsTest, CopiesKeepTheRangeAndNothingIsCopiedOutsideIt) {
  CVertrag& january = AddRecord(Rent(), kJanuary2007);
  january.LastMonat = kFebruary2007;

  const CVertrag* february = contracts_.CopyContractInto(kFebruary2007, january);
  ASSERT_NE(february, nullptr);
  EXPECT_EQ(february->FirstMonat, kJanuary2007);
  EXPECT_EQ(february->LastMonat, kFebruary2007);
  EXPECT_EQ(february->renewDueEntries, 1);
  EXPECT_EQ(contracts_.CopyContractInto(kFebruary2007, january), nullptr);  // has a record already
  january.changeFlags = kContractChangePayment;
  contracts_.PropagateContract(january, kMarch2007);
  EXPECT_EQ(contracts_.FindContract(3, kMarch2007), nullptr);
}

TEST_F(ContractsTest, PropagationCopiesOnlyWhatTheFlagsName) {
  CVertrag& source = AddRecord(Rent(), kJanuary2007);
  CVertrag& target = AddRecord(Rent(), kMarch2007);
  source.Bezeichnung = "Wohnung";
  source.Betrag = 550.0;
  source.LaufZeit = 1;
  source.LaufZeitMonate = 2;  // ends in February

  source.changeFlags = kContractChangePayment;
  contracts_.PropagateContract(source, kMarch2007);
  EXPECT_EQ(target.Betrag, 550.0);
  EXPECT_EQ(target.Bezeichnung, "Miete");
  EXPECT_FALSE(target.IsDeleted());

  source.changeFlags = kContractChangeMasterData;
  contracts_.PropagateContract(source, kMarch2007);
  EXPECT_EQ(target.Bezeichnung, "Wohnung");
  EXPECT_EQ(target.LastMonat, kFebruary2007);
  EXPECT_TRUE(target.IsDeleted());  // after the term

  source.LaufZeit = 0;
  source.LastMonat = 0;
  source.changeFlags = kContractChangeRange;
  contracts_.PropagateContract(source, kMarch2007);
  EXPECT_EQ(target.LastMonat, 0);
  EXPECT_FALSE(target.IsDeleted());
}

TEST_F(ContractsTest, AMonthlyContractGetsOneDueEntryClampedToTheMonthAndRenewalRefreshesIt) {
  CVertrag& february = AddRecord(Rent(), kFebruary2007);
  february.CheckErforderlich = 1;
  CreateDueEntries(Context(), february);
  ASSERT_EQ(Due(kFebruary2007).size(), 1u);
  const CVorgang& due = *Due(kFebruary2007)[0];
  EXPECT_EQ(due.Datum, Ymd(2007, 2, 28));
  EXPECT_EQ(due.FaelligDatum, Ymd(2007, 2, 28));
  EXPECT_EQ(due.Typ, kEntryExpense);
  EXPECT_EQ(due.BetrKontoId, 1);
  EXPECT_EQ(due.Bestaetigt, 0);
  EXPECT_EQ(due.contract, &february);
  EXPECT_EQ(Share(kFebruary2007), nullptr);  // monthly: no reserve

  february.Betrag = 550.0;
  february.changeFlags = kContractChangePayment;
  CreateDueEntries(Context(), february);
  ASSERT_EQ(Due(kFebruary2007).size(), 1u);
  EXPECT_EQ(&due, Due(kFebruary2007)[0]);
  EXPECT_EQ(due.Betrag, 550.0);
}

TEST_F(ContractsTest, RenewalLeavesConfirmedPaymentsAndPaymentRecordsAlone) {
  CVertrag& february = AddRecord(Rent(), kFebruary2007);
  february.CheckErforderlich = 1;
  CreateDueEntries(Context(), february);
  CVorgang& confirmed = *Due(kFebruary2007)[0];
  confirmed.Bestaetigt = 1;
  // A February payment of the January rent, recorded in February.
  CVorgang& payment = entries_.NewEntry(*database_, kBook, kFebruary2007);
  payment.RefVertragPostenId = 3;
  payment.TerminMonatId = -kJanuary2007;
  payment.FaelligDatum = payment.Datum = Ymd(2007, 1, 31);
  payment.Betrag = 500.0;
  entries_.InvalidateIndex();

  february.Betrag = 600.0;
  february.changeFlags = kContractChangePayment;
  CreateDueEntries(Context(), february);
  EXPECT_EQ(confirmed.Betrag, 500.0);
  EXPECT_FALSE(payment.IsDeleted());
  EXPECT_EQ(payment.Datum, Ymd(2007, 1, 31));

  february.MarkDeleted();
  CreateDueEntries(Context(), february);
  EXPECT_TRUE(confirmed.IsDeleted());
  EXPECT_FALSE(payment.IsDeleted());
}

TEST_F(ContractsTest, AMonthWithoutDueDateLosesItsDueEntryAndKeepsItsShare) {
  CVertrag quarterly = Rent();
  quarterly.AnzZahlungen = 4;
  quarterly.Betrag = 120.0;
  quarterly.Rueckstellung = 1;
  quarterly.ErsteFaelligkeit = Ymd(2007, 2, 15);
  CVertrag& march = AddRecord(quarterly, kMarch2007);
  CVorgang& stale = entries_.NewEntry(*database_, kBook, kMarch2007);
  stale.RefVertragPostenId = 3;
  entries_.InvalidateIndex();

  CreateDueEntries(Context(), march);
  EXPECT_TRUE(stale.IsDeleted());
  ASSERT_NE(Share(kMarch2007), nullptr);
  EXPECT_EQ(Share(kMarch2007)->Bezeichnung, "Monatsanteil für Miete");
  EXPECT_EQ(Cents(Share(kMarch2007)->Betrag), -40.0);
  EXPECT_EQ(Share(kMarch2007)->Datum, Ymd(2007, 3, 15));

  march.Rueckstellung = 0;
  CreateDueEntries(Context(), march);
  EXPECT_EQ(Share(kMarch2007), nullptr);
}

TEST_F(ContractsTest, ADayCycleMakesAnEntryForEveryDueDateOfTheMonth) {
  CVertrag fortnightly = Rent();
  fortnightly.Typ = kContractTransfer;
  fortnightly.TarKontoId = 2;
  fortnightly.ZahlungInTagen = 1;
  fortnightly.AnzZahlungen = 14;
  fortnightly.ErsteFaelligkeit = Ymd(2007, 3, 1);
  CVertrag& march = AddRecord(fortnightly, kMarch2007);

  CreateDueEntries(Context(), march);
  std::vector<CDate> dates;
  for (const CVorgang* entry : Due(kMarch2007)) {
    EXPECT_EQ(entry->Typ, kEntryTransfer);
    EXPECT_EQ(entry->SrcKontoId, 1);
    EXPECT_EQ(entry->TarKontoId, 2);
    dates.push_back(entry->Datum);
  }
  EXPECT_EQ(dates, (std::vector<CDate>{Ymd(2007, 3, 1), Ymd(2007, 3, 15), Ymd(2007, 3, 29)}));

  // A cycle of 0 days has no due dates: the renewal ends and removes them.
  march.AnzZahlungen = 0;
  march.changeFlags = kContractChangePayment;
  CreateDueEntries(Context(), march);
  EXPECT_TRUE(Due(kMarch2007).empty());
}

TEST_F(ContractsTest, TheChecksRefuseWithTheirMessages) {
  AddRecord(Rent(), kJanuary2007);
  struct CCase {
    std::string name;
    int inDays;
    int count;
    bool isNew;
    int answer;  // to STRING 130, -1: not asked
    bool accepted;
    std::string shown;
  };
  const std::vector<CCase> cases{
      {"", 0, 12, false, -1, false, StringTableMessage(125)},
      {"Strom", 1, 0, false, -1, false, StringTableMessage(134)},
      {"Miete", 0, 12, true, kAnswerNo, false, StringTableMessage(130, std::string("Miete"))},
      {"Miete", 0, 12, true, kAnswerYes, true, StringTableMessage(130, std::string("Miete"))},
      {"Miete", 0, 12, false, -1, true, ""},
  };
  for (const CCase& c : cases) {
    CScriptedMessages messages;
    if (c.answer >= 0) messages.Answer(c.answer);
    CVertragRow edited = Rent();
    edited.PostenId = c.isNew ? 9 : 3;
    edited.Bezeichnung = c.name;
    edited.ZahlungInTagen = c.inDays;
    edited.AnzZahlungen = c.count;
    EXPECT_EQ(CheckContractChange(contracts_, edited, c.isNew), c.accepted) << c.shown;
    EXPECT_EQ(messages.Texts(), c.shown.empty() ? std::vector<std::string>{} : std::vector<std::string>{c.shown});
  }
}

TEST_F(ContractsTest, ApplyingTheScreensValuesSetsTheReserveTheTermAndTheFlags) {
  CVertrag& record = AddRecord(Rent(), kJanuary2007);
  CVertragRow edited = record;
  edited.AnzZahlungen = 4;
  edited.LaufZeit = 1;
  edited.LaufZeitMonate = 12;
  edited.FirstMonat = 80;

  ApplyContractChange(record, edited);
  EXPECT_EQ(record.Rueckstellung, 1);
  EXPECT_EQ(record.LastMonat, 91);
  EXPECT_EQ(record.changeFlags,
            kContractChangePayment | kContractChangeMasterData | kContractChangeRange);

  edited.LaufZeitMonate = 0;
  ApplyContractChange(record, edited);
  EXPECT_EQ(record.LaufZeit, 0);
  EXPECT_EQ(record.LastMonat, 0);
}

TEST_F(ContractsTest, AContractFromAnImportRecordAndTakingItsValuesOver) {
  const CContractImportValues values{.name = std::string(85, 'x'), .amount = -42.5, .date = Ymd(2007, 3, 20),
                                     .kontoId = 1, .kategorieId = 4};
  CVertrag& contract = ContractFromImport(contracts_, *database_, kBook, kMarch2007, values);
  EXPECT_EQ(contract.Bezeichnung, std::string(80, 'x'));
  EXPECT_EQ(contract.Typ, kContractExpense);
  EXPECT_EQ(contract.Betrag, 42.5);
  EXPECT_EQ(contract.AnzZahlungen, 12);
  EXPECT_EQ(contract.ErsteFaelligkeit, Ymd(2007, 3, 20));

  CVertrag& rent = AddRecord(Rent(), kFebruary2007);  // category 0, 500, due on the 31st
  messages_.Answer({kAnswerNo, kAnswerYes, kAnswerYes});
  EXPECT_EQ(TakeOverImportValues(rent, values), 2);
  EXPECT_EQ(rent.KategorieId, 0);
  EXPECT_EQ(rent.Betrag, 42.5);
  EXPECT_EQ(rent.ErsteFaelligkeit, Ymd(2007, 1, 20));
  EXPECT_EQ(rent.changeFlags, kContractChangePayment);
  EXPECT_EQ(messages_.Texts()[0],
            StringTableMessage(151, std::string("Die Kategorie"), std::string("der Kategorie")));

  CVertrag& other = AddRecord(Rent(), kMarch2007);
  messages_.Answer(kAnswerOther);  // Cancel ends the comparison
  EXPECT_EQ(TakeOverImportValues(other, values), 0);
  EXPECT_EQ(other.Betrag, 500.0);
}

TEST_F(ContractsTest, NewIdsPassIdsThatEntriesStillReferTo) {
  CVorgangRow orphan;
  orphan.PostenId = 1;
  orphan.MonatId = kJanuary2007;
  orphan.RefVertragPostenId = 17;
  orphan.Insert(*database_, kBook);
  EXPECT_EQ(contracts_.NewContract(*database_, kBook, kMarch2007).PostenId, 18);
}

TEST_F(ContractsTest, ListTextsAndDueDateLookups) {
  AddRecord(Rent(), kJanuary2007);
  AddRecord(Rent(), kFebruary2007);
  EXPECT_EQ(contracts_.ChoiceNames(kFebruary2007, ContractChoice::All),
            (std::vector<std::string>{"Alle Verträge", "Miete"}));
  EXPECT_EQ(contracts_.DueDateTexts(3, kJanuary2007, kFebruary2007),
            (std::vector<std::string>{"31.01.2007", "28.02.2007"}));
  EXPECT_EQ(contracts_.NearestDue(3, Ymd(2007, 2, 2), kJanuary2007, kFebruary2007, 5, 5), Ymd(2007, 1, 31));
  const std::string line = ContractLine(Rent(), "Wohnen");
  // Date, name and " (Wohnen)" with their two blanks take 26 of the 60 characters.
  EXPECT_EQ(line, "31.01.2007 Miete  (Wohnen) " + std::string(34, ' ') + " EUR 500.00");
}

}  // namespace
