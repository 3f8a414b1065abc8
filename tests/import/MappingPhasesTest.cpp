#include <gtest/gtest.h>

#include <algorithm>

#include "import/BalanceRecords.h"
#include "import/ImportRegel.h"
#include "import/MappingPhases.h"
#include "import/Restore.h"
#include "import/RuleChoice.h"
#include "import/UserImport.h"
#include "import/MappingTestSupport.h"

namespace {

class MappingPhasesTest : public ImportBookFixture {
 protected:
  CRuleChoice& Choice() {
    if (!choice_) choice_ = std::make_unique<CRuleChoice>(Packet().Rules());
    return *choice_;
  }
  CImportFormatData& SeparateAccountLines() {
    CImportFormatData& format = Packet().Formats().New();
    format.m_iKontoInfoEinzelZeile = 1;
    return format;
  }
  std::unique_ptr<CRuleChoice> choice_;
};

TEST_F(MappingPhasesTest, RestoreTakesOverTheRowsOfEarlierAssignmentsByKind) {
  CImportRegelData& rentRule = AddRule(2, "MIETE");
  CImportRecord& bought = AddRecord(Day(2, 4), -20.0, "REWE SAGT DANKE");
  CImportRecord& rent = AddRecord(Day(2, 4), -500.0, "MIETE APRIL");
  CImportRecord& unknown = AddRecord(Day(3, 4), -7.0, "KIOSK");
  CUserImportData& imported = Packet().UserImports().NewForRecord(bought);
  imported.UserImportStatus = kUserImportImported;
  imported.ImportType = 3;
  imported.sUebernahmeText = "Einkauf";
  imported.KategorieId = 4;
  CUserImportData& assigned = Packet().UserImports().NewForRecord(rent);
  assigned.UserImportStatus = kUserImportAssigned;
  assigned.ImportType = 2;
  assigned.VertragId = kMiete;
  assigned.Faelligkeit = Day(1, 4);
  assigned.RegelId = rentRule.ImportRegelId;
  Packet().Store();
  CImportPacket reloaded(Database(), book_->DebugLog());
  reloaded.Load(dir_.Path().string());

  EXPECT_EQ(RestoreAssignments(Records(), reloaded.UserImports(), reloaded.Rules(), kImportKindBalance), 0);
  EXPECT_EQ(RestoreAssignments(Records(), reloaded.UserImports(), reloaded.Rules(), kRestoreAllKinds), 2);

  EXPECT_EQ(bought.assignment, kAssignmentImported);
  EXPECT_EQ(bought.checkState, kCheckImported);
  EXPECT_EQ(bought.transferText, "Einkauf");
  EXPECT_EQ(bought.categoryId, 4);
  EXPECT_EQ(rent.assignment, kAssignmentAssigned);
  EXPECT_EQ(rent.checkState, kCheckOk);
  EXPECT_EQ(rent.kind, kImportKindContractPayment);
  EXPECT_EQ(rent.contractId, kMiete);
  EXPECT_EQ(rent.dueDate, Day(1, 4));
  ASSERT_NE(rent.rule, nullptr);
  EXPECT_EQ(rent.rule->ImportRegelId, rentRule.ImportRegelId);
  EXPECT_EQ(unknown.userImport, nullptr);
  EXPECT_EQ(unknown.assignment, kAssignmentOpen);
}

TEST_F(MappingPhasesTest, RestoreLeavesTheRuleOfAnInactiveRuleUnset) {
  CImportRegelData& rule = AddRule(3, "KIOSK", "Zeitung");
  rule.Selected = 0;
  CImportRecord& record = AddRecord(Day(3, 4), -7.0, "KIOSK");
  Packet().UserImports().NewForRecord(record).RegelId = rule.ImportRegelId;
  RestoreAssignments(Records(), Packet().UserImports(), Packet().Rules(), kRestoreAllKinds);
  EXPECT_EQ(record.ruleId, rule.ImportRegelId);
  EXPECT_EQ(record.rule, nullptr);
}

TEST_F(MappingPhasesTest, AccountLinesGiveTheirAccountToTheFileOrToTheLinesAfterThem) {
  const CImportFormatData& format = SeparateAccountLines();
  CImportRegelData& wholeFile = AddRule(5, "4711");
  wholeFile.KontoInfoKontoId = kSparbuch;
  wholeFile.KontoInfoDatei = 1;
  CImportRegelData& afterLine = AddRule(5, "0815");
  afterLine.KontoInfoKontoId = kGiro;
  afterLine.KontoInfoAbZeile = 1;
  auto accountLine = [&](int file, const char* text) -> CImportRecord& {
    CImportRecord& record = AddRecord(CDate(), 0.0, text, file);
    record.kind = kImportKindAccountInfo;
    return record;
  };
  CImportRecord& before = AddRecord(Day(2, 4), -1.0, "VOR DER KONTOZEILE", 2);
  before.format = &format;
  CImportRecord& line1 = accountLine(1, "KONTO 4711");
  CImportRecord& line2 = accountLine(2, "KONTO 0815");
  CImportRecord& inFile1 = AddRecord(Day(3, 4), -2.0, "BUCHUNG", 1);
  CImportRecord& after = AddRecord(Day(4, 4), -3.0, "NACH DER KONTOZEILE", 2);
  for (CImportRecord* record : {&line1, &line2, &inFile1, &after}) record->format = &format;

  MapAccountInformation(Records(), Context(), Choice());

  EXPECT_EQ(inFile1.accountId, kSparbuch);
  EXPECT_EQ(inFile1.accountText, "Sparbuch");
  EXPECT_EQ(after.accountId, kGiro);
  EXPECT_EQ(before.accountId, 0);
  EXPECT_EQ(line1.skip, 1);
  EXPECT_EQ(line2.skip, 1);
}

TEST_F(MappingPhasesTest, AccountTextsOfBookingLinesFindTheirAccountRule) {
  AddRule(5, "4711").KontoInfoKontoId = kGiro;
  CImportRecord& known = AddRecord(Day(2, 4), -1.0, "A");
  known.accountText = "Konto 4711";
  CImportRecord& unknown = AddRecord(Day(2, 4), -1.0, "B");
  unknown.accountText = "Konto 999";
  MapAccountInformation(Records(), Context(), Choice());
  EXPECT_EQ(known.accountId, kGiro);
  EXPECT_EQ(known.accountText, "Giro");
  EXPECT_EQ(unknown.accountId, 0);
  EXPECT_EQ(unknown.accountText, "Konto 999");
}

TEST_F(MappingPhasesTest, ContractAndInterestRulesGiveKindTextAndContract) {
  CImportRegelData& rent = AddRule(2, "MIETE");
  rent.VertragId = kMiete;
  rent.UebernahmeDirekt = 1;
  AddRule(3, "MIETE", "Einmalige Miete");
  AddRule(4, "ZINSEN", "Zinsen Giro");
  AddRule(2, "PHANTOM").VertragId = 99;
  CImportRecord& rentRecord = AddRecord(Day(2, 4), -500.0, "MIETE APRIL");
  CImportRecord& interest = AddRecord(Day(30, 4), 3.5, "ZINSEN");
  CImportRecord& phantom = AddRecord(Day(2, 4), -9.0, "PHANTOM");

  MapContracts(Records(), Context(), Choice());
  MapEntries(Records(), Context(), Choice(), true);
  MapEntries(Records(), Context(), Choice(), false);

  EXPECT_EQ(rentRecord.kind, kImportKindContractPayment);
  EXPECT_EQ(rentRecord.contractId, kMiete);
  EXPECT_EQ(rentRecord.transferText, "Miete");
  EXPECT_EQ(rentRecord.directConfirmation, 1);
  EXPECT_EQ(rentRecord.ruleId, rent.ImportRegelId);  // kept through the entry phases
  EXPECT_EQ(interest.kind, kImportKindInterest);
  EXPECT_EQ(interest.transferText, "Zinsen Giro");
  EXPECT_EQ(phantom.kind, kImportKindEntry);  // the contract does not exist
  EXPECT_EQ(phantom.contractId, 0);
  EXPECT_TRUE(phantom.transferText.empty());
}

TEST_F(MappingPhasesTest, EntryRulesConcreteFirstThenWithoutText) {
  AddRule(3, "REWE", "Einkauf").UebernahmeDirekt = 1;
  AddRule(1, "STORNO");
  CImportRegelData& noText = AddRule(3, "ALDI");
  AddRule(3, "EDEKA", "Lebensmittel");
  AddRule(3, "EDEKA", "Haushalt");
  CImportRecord& rewe = AddRecord(Day(2, 4), -20.0, "REWE");
  CImportRecord& storno = AddRecord(Day(2, 4), 20.0, "STORNO BUCHUNG");
  CImportRecord& aldi = AddRecord(Day(2, 4), -8.0, "ALDI");
  CImportRecord& edeka = AddRecord(Day(2, 4), -12.0, "EDEKA");

  MapEntries(Records(), Context(), Choice(), true);
  EXPECT_EQ(aldi.rule, nullptr);
  MapEntries(Records(), Context(), Choice(), false);

  EXPECT_EQ(rewe.transferText, "Einkauf");
  EXPECT_EQ(rewe.kind, kImportKindEntry);
  EXPECT_EQ(rewe.directConfirmation, 1);
  EXPECT_EQ(storno.kind, kImportKindNoTransfer);
  EXPECT_EQ(storno.transferText, "kein Import");
  EXPECT_EQ(aldi.rule, &noText);
  EXPECT_EQ(edeka.checkState, kCheckRuleConflict);
  EXPECT_EQ(edeka.rule, nullptr);
}

TEST_F(MappingPhasesTest, FinalCheckFindsDueDatesAndMarksWarningsAndIncompleteRecords) {
  CImportRegelData& rent = AddRule(2, "MIETE");
  rent.VertragId = kMiete;
  CImportRegelData& shop = AddRule(3, "REWE", "Einkauf");
  shop.UseBetrag = shop.BetragPruef = 1;
  shop.OpBetrag = 3;  // smaller
  shop.Betrag = 50.0;
  shop.UebernahmePruefung = 1;
  AddRule(4, "ZINSEN", "Zinsen");
  CImportRecord& nearDue = AddRecord(Day(2, 4), -500.0, "MIETE");
  CImportRecord& threeDaysOff = AddRecord(Day(4, 4), -500.0, "MIETE");
  CImportRecord& tooMuch = AddRecord(Day(2, 4), -80.0, "REWE");
  CImportRecord& interest = AddRecord(Day(30, 4), 3.5, "ZINSEN");
  MapContracts(Records(), Context(), Choice());
  MapEntries(Records(), Context(), Choice(), true);

  CheckAssignedRecords(Records(), Context());

  EXPECT_EQ(nearDue.dueDate, Day(1, 4));
  EXPECT_EQ(nearDue.checkState, kCheckOk);
  EXPECT_TRUE(threeDaysOff.dueDate.IsZero());
  EXPECT_EQ(threeDaysOff.checkState, kCheckIncomplete);
  EXPECT_EQ(rent.Datum, Day(1, 4));
  EXPECT_EQ(tooMuch.checkState, kCheckWarning);
  // Interest and fees are booked in the month of their own date.
  EXPECT_EQ(interest.checkState, kCheckOk);
}

TEST_F(MappingPhasesTest, MonthBalancesCarryForwardsAndBackwards) {
  CImportRecord& march = AddRecord(Day(15, 3), -100.0, "A");
  CImportRecord& april = AddRecord(Day(2, 4), 50.0, "B");
  AddRecord(Day(3, 4), 70.0, "other account").accountId = kSparbuch;
  march.accountId = april.accountId = kGiro;

  const auto forwards = MonthBalances(Records(), 1, kGiro, 1000.0, true);
  ASSERT_EQ(forwards.size(), 2u);
  EXPECT_EQ(forwards[0].monthId, kMarch2007);
  EXPECT_EQ(forwards[0].date, Day(15, 3));
  EXPECT_DOUBLE_EQ(forwards[0].balance, 1000.0);
  EXPECT_EQ(forwards[1].monthId, kApril2007);
  EXPECT_EQ(forwards[1].date, Day(1, 4));
  EXPECT_DOUBLE_EQ(forwards[1].balance, 900.0);

  std::swap(Records().Records()[0], Records().Records()[1]);  // newest first
  const auto backwards = MonthBalances(Records(), 1, kGiro, 1000.0, false);
  ASSERT_EQ(backwards.size(), 2u);
  EXPECT_EQ(backwards[0].monthId, kApril2007);
  EXPECT_EQ(backwards[0].date, Day(2, 4));
  EXPECT_EQ(backwards[1].monthId, kApril2007);
  EXPECT_EQ(backwards[1].date, Day(1, 4));
  EXPECT_DOUBLE_EQ(backwards[1].balance, 950.0);
}

TEST_F(MappingPhasesTest, BalancePhaseMakesBalanceRecordsAndDropsTheBookingsOfTheBalanceLine) {
  CImportRegelData& rule = AddRule(6, "SALDO");
  rule.KontoStandKontoId = kGiro;
  rule.KontoStandRechnung = 1;
  rule.m_iKontoStandAltNeu = 1;
  AddRecord(Day(2, 4), 50.0, "B").accountId = kGiro;
  AddRecord(Day(15, 3), -100.0, "A").accountId = kGiro;
  CImportRecord& balance = AddRecord(Day(1, 3), 1000.0, "SALDO ALT");
  balance.kind = kImportKindBalance;
  CImportRecord& sameLine = AddRecord(Day(1, 3), 1000.0, "SALDO ALT");
  sameLine.lineNumber = balance.lineNumber;
  CImportRecord& unknownBalance = AddRecord(Day(1, 3), 5.0, "ANDERER STAND");
  unknownBalance.kind = kImportKindBalance;

  MapBalances(Records(), Context(), Choice());

  ASSERT_EQ(Records().Count(), 5);  // the booking of the balance line went
  EXPECT_EQ(balance.accountId, kGiro);
  EXPECT_EQ(balance.accountText, "Giro");
  EXPECT_EQ(balance.date, Day(15, 3));
  EXPECT_EQ(unknownBalance.skip, 1);
  EXPECT_EQ(Records().At(0), &unknownBalance);  // sorted by date
  const CImportRecord& computed = *Records().At(3);
  EXPECT_EQ(computed.description, "Kontostand vom");
  EXPECT_EQ(computed.transferText, "Kontostand");
  EXPECT_EQ(computed.kind, kImportKindBalance);
  EXPECT_EQ(computed.checkState, kCheckComputedBalance);
  EXPECT_EQ(computed.date, Day(1, 4));
  EXPECT_DOUBLE_EQ(computed.amount, 900.0);
  EXPECT_EQ(computed.accountId, kGiro);
  EXPECT_EQ(computed.rule, &rule);
}

TEST_F(MappingPhasesTest, ThePhasesRunInTheirOrderAndLogEach) {
  AddRecord(Day(2, 4), -20.0, "REWE");
  RunMappingPhases(Records(), Context());
  const std::vector<std::string> lines = LogLines();
  const std::vector<std::string> phases = {"RegelMappingKontoInfo abgeschlossen",
                                           "RegelMappingVertrag abgeschlossen",
                                           "RegelMappingVorgang (konkret) abgeschlossen",
                                           "RegelMappingVorgang (unkonkret) abgeschlossen",
                                           "letzte RegelPruefung abgeschlossen",
                                           "RegelMappingKontostand abgeschlossen"};
  auto at = lines.begin();
  for (const std::string& phase : phases) {
    at = std::find(at, lines.end(), phase);
    ASSERT_NE(at, lines.end()) << phase;
  }
}

}  // namespace
