#include "import/ImportPacket.h"

#include <gtest/gtest.h>

#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "import/FormatAnalysisAutoFormat.h"
#include "import/FormatXML.h"
#include "model/DebugLog.h"
#include "storage/DatabaseError.h"
#include "storage/Schema.h"
#include "support/TemporaryDirectory.h"

namespace {

class ImportPacketTest : public ::testing::Test {
 protected:
  void SetUp() override {
    database_ = CreateDatabase(dir_.File("Pellwick.db"));
    log_.Open(dir_.File("debug.log"));
  }

  std::vector<std::string> LogLines() const {
    std::istringstream in(dir_.Read("debug.log"));
    std::vector<std::string> lines;
    for (std::string line; std::getline(in, line);) lines.push_back(line);
    return lines;
  }

  std::unique_ptr<CImportPacket> LoadedPacket() {
    auto packet = std::make_unique<CImportPacket>(*database_, log_);
    packet->Load(dir_.Path().string());
    return packet;
  }

  CTemporaryDirectory dir_;
  std::unique_ptr<CDatabase> database_;
  CDebugLog log_;
};

TEST_F(ImportPacketTest, CreatingAndLoadingLogsEachStepAndMakesTheStandardFormat) {
  EXPECT_EQ(CurrentImportPacket(), nullptr);
  {
    std::unique_ptr<CImportPacket> packet = LoadedPacket();
    EXPECT_EQ(CurrentImportPacket(), packet.get());
    ASSERT_EQ(packet->Formats().Count(), 1);
    const CImportFormatData& standard = *packet->Formats().Find(0);
    EXPECT_EQ(standard.ImportFormatId, 1);
    EXPECT_EQ(standard.Bezeichnung, "Standard");
    EXPECT_EQ(standard.Seperator, 59);
    EXPECT_EQ(standard.SpaltenNrDatum, 0);
  }
  EXPECT_EQ(CurrentImportPacket(), nullptr);
  EXPECT_EQ(LogLines(), (std::vector<std::string>{
                            "Debugdatei geöffnet.", "new CImportFiles", "new CImportFormat", "new CImportRegel",
                            "new CTmpFileImport", "new CUserImport", "new CFormatXML", "m_pViewPreview = NULL",
                            "return", "Daten werden geladen", "Daten aus Datenbank erfolgreich geladen",
                            "format.xml wird geladen", "format.xml erfolgreich geladen"}));
}

class CRecordingFormatXML : public IFormatXML {
 public:
  explicit CRecordingFormatXML(std::string& loaded) : loaded_(loaded) {}
  void Load(const std::string& fileName) override { loaded_ = fileName; }

 private:
  std::string& loaded_;
};

TEST_F(ImportPacketTest, LoadReadsTheHeaderNamesWithTheReaderSet) {
  std::string loaded;
  CImportPacket packet(*database_, log_);
  packet.SetFormatXML(std::make_unique<CRecordingFormatXML>(loaded));
  packet.Load(dir_.Path().string());
  EXPECT_EQ(loaded, dir_.File("format.xml"));
}

TEST_F(ImportPacketTest, ANewPacketReadsTheHeaderNamesOfTheProgramFolder) {
  std::ofstream(dir_.File("format.xml"))
      << "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
         "<format><header_datum bezeichnung=\"Buchungstag\"/></format>\n";
  CImportPacket packet(*database_, log_);
  packet.Load(dir_.Path().string());
  const CFormatXML* names = HeaderNamesOf(packet);
  ASSERT_NE(names, nullptr);
  EXPECT_EQ(names->Match(1, "Buchungstag"), 10);
}

TEST_F(ImportPacketTest, FormatsRulesAndUserImportRowsSurviveStoreAndLoad) {
  {
    std::unique_ptr<CImportPacket> packet = LoadedPacket();
    CImportFormatData& format = packet->Formats().New();
    format.Bezeichnung = "Girokonto Müller's";
    format.DateiEndung = "csv";
    format.SpaltenNrBetragHaben = 5;
    format.VorzeichenBetragFormat = "[H][S]";
    format.m_iKontostandZeilenOperator = 6;
    format.m_iKontostandZeile = 2;
    CImportRegelData& rule = packet->Rules().New();
    rule.RegelTypId = 3;
    rule.Kennstring = "MIETE";
    rule.Betrag = -750.5;
    rule.Datum = CDate::FromYmd(2024, 3, 28);
    rule.ImportFormatPruef = 1;
    CUserImportData& row = packet->UserImports().New();
    row.Datum = CDate::FromYmd(2024, 3, 4);
    row.Betrag = -45.0;
    row.sBeschreibung = "Stadtwerke Neustadt Abschlag Strom März";
    packet->Store();
  }
  std::unique_ptr<CImportPacket> packet = LoadedPacket();
  ASSERT_EQ(packet->Formats().Count(), 2);
  const CImportFormatData& format = *packet->Formats().FindId(2);
  EXPECT_EQ(format.Bezeichnung, "Girokonto Müller's");
  EXPECT_EQ(format.DateiEndung, "csv");
  EXPECT_EQ(format.SpaltenNrBetragHaben, 5);
  EXPECT_EQ(format.VorzeichenBetragFormat, "[H][S]");
  EXPECT_EQ(format.m_iKontostandZeilenOperator, 6);
  EXPECT_EQ(format.m_iKontostandZeile, 2);
  ASSERT_EQ(packet->Rules().Count(), 1);
  const CImportRegelData& rule = *packet->Rules().FindActive(1);
  EXPECT_EQ(rule.Kennstring, "MIETE");
  EXPECT_DOUBLE_EQ(rule.Betrag, -750.5);
  EXPECT_EQ(rule.Datum, CDate::FromYmd(2024, 3, 28));
  EXPECT_EQ(rule.ImportFormatPruef, 1);
  ASSERT_EQ(packet->UserImports().Count(), 1);
  EXPECT_EQ(packet->UserImports().Find(0)->sBeschreibung, "Stadtwerke Neustadt Abschlag Strom März");

  // New rows continue after the largest id loaded; a deleted one goes.
  EXPECT_EQ(packet->Formats().New().ImportFormatId, 3);
  EXPECT_EQ(packet->UserImports().New().UserImportId, 2);
  packet->Formats().FindId(1)->MarkDeleted();
  packet->Store();
  EXPECT_EQ(packet->Formats().Count(), 2);
  EXPECT_EQ(LoadedPacket()->Formats().ListNames(false), (std::vector<std::string>{"Girokonto Müller's", ""}));
}

TEST_F(ImportPacketTest, NewRulesAndFormatsNeverTakeAnIdThatStoredRowsStillName) {
  {
    std::unique_ptr<CImportPacket> packet = LoadedPacket();
    packet->UserImports().New().RegelId = 7;  // its rule was deleted long ago
    packet->Rules().New().ImportFormatId = 5;  // so was this format
    packet->Store();
  }
  std::unique_ptr<CImportPacket> packet = LoadedPacket();
  EXPECT_EQ(packet->Rules().New().ImportRegelId, 8);
  EXPECT_EQ(packet->Formats().New().ImportFormatId, 6);
}

TEST_F(ImportPacketTest, AFailedStoreWritesNothingAndKeepsMemory) {
  {
    std::unique_ptr<CImportPacket> packet = LoadedPacket();
    packet->Store();
  }
  std::unique_ptr<CImportPacket> packet = LoadedPacket();
  packet->Formats().FindId(1)->Bezeichnung = "Geändert";
  packet->Formats().New().Bezeichnung = "Neu";
  packet->UserImports().New();
  database_->Execute("drop table [UserImport];");
  EXPECT_THROW(packet->Store(), CDatabaseError);
  EXPECT_EQ(packet->Formats().Count(), 2);
  EXPECT_EQ(packet->UserImports().Count(), 1);

  CImportFormat stored;
  stored.LoadAll(*database_);
  ASSERT_EQ(stored.Count(), 1);
  EXPECT_EQ(stored.Find(0)->Bezeichnung, "Standard");
}

}  // namespace
