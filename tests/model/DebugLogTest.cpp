#include "model/DebugLog.h"

#include <gtest/gtest.h>

#include <memory>

#include "support/TemporaryDirectory.h"

namespace {

TEST(DebugLog, WritesOneLinePerEventFromOpenToClose) {
  CTemporaryDirectory temp;
  const std::string path = temp.File("debug.log");
  auto log = std::make_unique<CDebugLog>();
  ASSERT_EQ(log->Open(path), 1);
  log->Write("Connect zur Datenbank erfolgreich");
  log->WriteFormatted("open Dialog %d.", 118);
  // On disk before the log closes: a crash would not lose them.
  EXPECT_EQ(temp.Read("debug.log"), "Debugdatei geöffnet.\nConnect zur Datenbank erfolgreich\nopen Dialog 118.\n");
  log.reset();
  EXPECT_EQ(temp.Read("debug.log"),
            "Debugdatei geöffnet.\nConnect zur Datenbank erfolgreich\nopen Dialog 118.\nDebugdatei geschlossen.\n");
}

TEST(DebugLog, OpeningTruncatesTheLogOfTheLastRun) {
  CTemporaryDirectory temp;
  temp.Write("debug.log", "alte Zeile\n");
  {
    CDebugLog log;
    log.Open(temp.File("debug.log"));
  }
  EXPECT_EQ(temp.Read("debug.log"), "Debugdatei geöffnet.\nDebugdatei geschlossen.\n");
}

TEST(DebugLog, KeepsEachEventOnOneLineWhateverItHolds) {
  CTemporaryDirectory temp;
  {
    CDebugLog log;
    log.Open(temp.File("debug.log"));
    log.Write("Buch\nzwei\r\nZeilen");
    log.WriteFormatted("Buch %s", "100 % %s");
  }
  EXPECT_EQ(temp.Read("debug.log"),
            "Debugdatei geöffnet.\nBuch zwei  Zeilen\nBuch 100 % %s\nDebugdatei geschlossen.\n");
}

TEST(DebugLog, ALogThatCannotBeCreatedWritesNothing) {
  CTemporaryDirectory temp;
  CDebugLog log;
  EXPECT_EQ(log.Open(temp.File("fehlt/debug.log")), 0);
  EXPECT_FALSE(log.IsOpen());
  log.Write("verloren");
  log.WriteFormatted("open Dialog %d.", 1);
  EXPECT_FALSE(std::filesystem::exists(temp.File("fehlt")));
}

}  // namespace
