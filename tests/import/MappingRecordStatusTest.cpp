#include <gtest/gtest.h>

#include <string>

#include "import/RecordStatus.h"
#include "import/UserImport.h"
#include "import/MappingTestSupport.h"

namespace {

struct CStatusCase {
  int checkState;
  int kind;
  int assignment;
  const char* text;
  int colour;
};

TEST(MappingRecordStatus, StatusTextAndColourFollowTheCheckState) {
  const CStatusCase cases[] = {
      {kCheckUndetermined, 3, kAssignmentOpen, "undefiniert", kNoColour},
      {kCheckUndetermined, 3, kAssignmentAssigned, "Eingabe Ok", kNoColour},
      {kCheckOk, 3, kAssignmentOpen, "Ok", kNoColour},
      {kCheckWarning, 3, kAssignmentOpen, "Warnung", 9},
      {kCheckError, 3, kAssignmentOpen, "Fehler", 2},
      {kCheckIncomplete, 2, kAssignmentOpen, "unvollständig", 2},
      {kCheckRuleConflict, 3, kAssignmentOpen, "Regelkonflikt", 2},
      {kCheckImported, 1, kAssignmentImported, "nicht importiert", 1},
      {kCheckImported, 3, kAssignmentImported, "importiert", 1},
      {kCheckComputedBalance, 6, kAssignmentOpen, "", kNoColour},
  };
  for (const CStatusCase& c : cases) {
    CImportRecord record;
    record.checkState = c.checkState;
    record.kind = c.kind;
    record.assignment = c.assignment;
    EXPECT_EQ(RecordStatusText(record), c.text) << c.checkState;
    EXPECT_EQ(RecordStatusColour(record), c.colour) << c.checkState;
  }
}

TEST(MappingRecordStatus, ListLineShowsTheColumnsAndTheImageOfTheKind) {
  CImportRecord record;
  record.description = std::string(150, 'x') + std::string(100, 'y');
  record.accountText = "Giro";
  record.date = Day(2, 4);
  record.amount = -1234.5;
  record.kind = kImportKindContractPayment;
  record.checkState = kCheckOk;
  record.transferText = "Miete";
  const CImportListLine line = RecordListLine(record);
  EXPECT_EQ(line.description.size(), 200u);
  EXPECT_EQ(line.accountText, "Giro");
  EXPECT_EQ(line.date, "02.04.2007");
  EXPECT_EQ(line.amount, "-1.234,50");
  EXPECT_EQ(line.status, "Ok");
  EXPECT_EQ(line.transferText, "Miete");
  EXPECT_EQ(line.image, 17);
  record.amount = 0.0;
  record.kind = kImportKindBalance;
  record.date = CDate();
  EXPECT_EQ(RecordListLine(record).image, 12);
  EXPECT_TRUE(RecordListLine(record).date.empty());
}

class MappingUserImportTest : public ImportBookFixture {};

TEST_F(MappingUserImportTest, ResetDeletesTheRowAndNotToImportAssignsNoTransfer) {
  CImportRecord& record = AddRecord(Day(2, 4), -20.0, "REWE");
  CUserImportData& row = Packet().UserImports().NewForRecord(record);
  record.userImport = &row;
  record.assignment = kAssignmentAssigned;
  record.kind = kImportKindEntry;
  record.checkState = kCheckOk;
  record.transferText = "Einkauf";
  record.accountId = kGiro;

  ResetRecord(record);
  EXPECT_TRUE(row.IsDeleted());
  EXPECT_EQ(record.userImport, nullptr);
  EXPECT_EQ(record.kind, kImportKindUndetermined);
  EXPECT_EQ(record.assignment, kAssignmentOpen);
  EXPECT_TRUE(record.transferText.empty());
  EXPECT_EQ(record.accountId, 0);
  EXPECT_EQ(Packet().UserImports().FindForRecord(record), nullptr);

  MarkNotToImport(record, Packet().UserImports());
  ASSERT_NE(record.userImport, nullptr);
  EXPECT_NE(record.userImport, &row);
  EXPECT_EQ(record.userImport->ImportType, kImportKindNoTransfer);
  EXPECT_EQ(record.userImport->UserImportStatus, kUserImportAssigned);
  EXPECT_EQ(record.userImport->sUebernahmeText, "keine Übernahme");
  EXPECT_EQ(record.transferText, "keine Übernahme");
  EXPECT_EQ(record.kind, kImportKindNoTransfer);
  EXPECT_EQ(record.checkState, kCheckOk);
  EXPECT_EQ(record.assignment, kAssignmentAssigned);
}

// The database keeps 80 characters of the purpose text and every
// apostrophe: a record read again finds the row that was stored for it.
TEST_F(MappingUserImportTest, RowsStoredForApostrophesAndLongTextsAreFoundAgain) {
  const std::string longText = "Überweisung an Müller's Gärtnerei für Pflanzen, Erde, Töpfe und die Lieferung "
                               "am Wochenende, Rechnung 2007-0815";
  const std::string texts[] = {"Kauf bei O'Neill's", longText, std::string(79, 'a') + "bc"};
  for (const std::string& text : texts) Packet().UserImports().NewForRecord(AddRecord(Day(2, 4), -20.0, text));
  Packet().Store();
  CImportPacket reloaded(Database(), book_->DebugLog());
  reloaded.Load(dir_.Path().string());
  ASSERT_EQ(reloaded.UserImports().Count(), 3);

  for (const std::string& text : texts) {
    CImportRecord again = *Records().At(0);
    again.description = text;
    EXPECT_NE(reloaded.UserImports().FindForRecord(again), nullptr) << text;
  }
  CImportRecord sameStart = *Records().At(0);
  sameStart.description = std::string(79, 'a') + "zz";  // differs after 79 characters only
  EXPECT_EQ(reloaded.UserImports().FindForRecord(sameStart), reloaded.UserImports().FindId(3));
  sameStart.description = std::string(78, 'a') + "zz";
  EXPECT_EQ(reloaded.UserImports().FindForRecord(sameStart), nullptr);
  sameStart.description = texts[0];
  sameStart.amount = -20.01;
  EXPECT_EQ(reloaded.UserImports().FindForRecord(sameStart), nullptr);
}

// Storing writes the new, changed and deleted rows only.
TEST_F(MappingUserImportTest, StoringWritesOnlyWhatChanged) {
  CUserImportData& kept = Packet().UserImports().NewForRecord(AddRecord(Day(2, 4), -20.0, "REWE"));
  CUserImportData& changed = Packet().UserImports().NewForRecord(AddRecord(Day(3, 4), -30.0, "ALDI"));
  CUserImportData& deleted = Packet().UserImports().NewForRecord(AddRecord(Day(4, 4), -40.0, "LIDL"));
  Packet().Store();
  Database().Execute("update UserImport set sUebernahmeText = 'von aussen';");
  changed.sUebernahmeText = "Lebensmittel";
  deleted.MarkDeleted();
  Packet().Store();
  const auto text = [&](int id) {
    return Database().Query(StrFormat("select sUebernahmeText from UserImport where UserImportId = %d;", id))
        .Text("sUebernahmeText");
  };
  EXPECT_EQ(text(kept.UserImportId), "von aussen");
  EXPECT_EQ(text(changed.UserImportId), "Lebensmittel");
  EXPECT_EQ(CountRows("select count(*) as n from UserImport;"), 2);
  EXPECT_EQ(Packet().UserImports().Count(), 2);
}

}  // namespace
