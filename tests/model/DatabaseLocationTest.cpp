#include "model/DatabaseLocation.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>

#include "support/TemporaryDirectory.h"

namespace {

class DatabaseLocationTest : public ::testing::Test {
 protected:
  std::string Dir() const { return temp.Path().string(); }
  CProgramDirectory Program() const { return CProgramDirectory(Dir()); }
  void WriteIni(const std::string& content) const { temp.Write("Pellwick.ini", content); }
  std::string ReadIni() const { return temp.Read("Pellwick.ini"); }

  CTemporaryDirectory temp;
};

struct CLocationCase {
  const char* title;
  std::optional<std::string> ini;  // no file when empty
  std::string fullPath;            // "@" stands for the program directory
  std::string directory;
};

std::string Expand(std::string text, const std::string& dir) {
  if (text.starts_with('@')) text.replace(0, 1, dir);
  return text;
}

TEST_F(DatabaseLocationTest, IniValuesResolveByThePointRules) {
  const CLocationCase cases[] = {
      {"no ini file", std::nullopt, "@/Pellwick.db", "@/"},
      {"no section", "[fenster]\ndatabase_name=x.db\n", "@/Pellwick.db", "@/"},
      {"empty values", "[database]\ndatabase_name=\ndatabase_path=  \n", "@/Pellwick.db", "@/"},
      {"name only", "[database]\ndatabase_name=privat.db\n", "@/privat.db", "@/"},
      {"absolute path", "[database]\ndatabase_name=privat.db\ndatabase_path=/srv/haushalt\n",
       "/srv/haushalt/privat.db", "/srv/haushalt/"},
      {"absolute with slash", "[database]\ndatabase_path=/srv/haushalt/\n", "/srv/haushalt/Pellwick.db",
       "/srv/haushalt/"},
      {"point", "[database]\ndatabase_path=.\n", "@/Pellwick.db", "@/"},
      {"point backslash", "[database]\ndatabase_path=.\\\n", "@/Pellwick.db", "@/"},
      {"point slash", "[database]\ndatabase_path=./\n", "@/Pellwick.db", "@/"},
      {"point backslash daten", "[database]\ndatabase_path=.\\daten\n", "@/daten/Pellwick.db", "@/daten/"},
      {"point slash daten", "[database]\ndatabase_path=./daten\n", "@/daten/Pellwick.db", "@/daten/"},
      {"two points", "[database]\ndatabase_path=..\\daten\n", "@/./daten/Pellwick.db", "@/./daten/"},
      {"plain relative", "[database]\ndatabase_path=daten\n", "@/daten/Pellwick.db", "@/daten/"},
      {"case and blanks", "[Database]\n DATABASE_NAME = buch.db \n", "@/buch.db", "@/"},
      {"line ends of another system", "[database]\r\ndatabase_name=buch.db\r\n", "@/buch.db", "@/"},
      {"quoted value", "[database]\ndatabase_path=\"/srv/mit leer\"\n", "/srv/mit leer/Pellwick.db",
       "/srv/mit leer/"},
  };
  for (const CLocationCase& c : cases) {
    SCOPED_TRACE(c.title);
    std::filesystem::remove(temp.File("Pellwick.ini"));
    if (c.ini) WriteIni(*c.ini);
    const CLocationRead read = Program().LocateDatabase();
    ASSERT_EQ(read.ok, 1) << read.message;
    EXPECT_EQ(read.location.fullPath, Expand(c.fullPath, Dir()));
    EXPECT_EQ(read.location.directory, Expand(c.directory, Dir()));
  }
}

TEST_F(DatabaseLocationTest, TheDatabaseScreenSeesTheRawValues) {
  WriteIni("[database]\ndatabase_path=.\\daten\n");
  const CSettingsRead read = Program().ReadDatabaseSettings();
  EXPECT_EQ(read.ok, 1);
  EXPECT_EQ(read.settings, (CDatabaseSettings{"Pellwick.db", ".\\daten"}));
}

TEST_F(DatabaseLocationTest, ProgramFilesLieInTheProgramDirectory) {
  const CProgramDirectory program(Dir() + "/");
  EXPECT_EQ(program.Directory(), Dir());
  EXPECT_EQ(program.IniPath(), Dir() + "/Pellwick.ini");
  EXPECT_EQ(program.DebugLogPath(), Dir() + "/debug.log");
  EXPECT_EQ(program.HelpFilePath(), Dir() + "/Pellwick.chm");
  EXPECT_EQ(CProgramDirectory("/").IniPath(), "/Pellwick.ini");
}

TEST_F(DatabaseLocationTest, OverlongValuesAreReportedNotCut) {
  const std::string name39(39, 'n');
  WriteIni("[database]\ndatabase_name=" + name39 + "\n");
  EXPECT_EQ(Program().LocateDatabase().ok, 1);

  std::string umlauts39;
  for (int i = 0; i < 39; ++i) umlauts39 += "ä";
  WriteIni("[database]\ndatabase_name=" + umlauts39 + "\n");
  EXPECT_EQ(Program().LocateDatabase().ok, 1) << "the limit counts characters";

  WriteIni("[database]\ndatabase_name=" + name39 + "x\n");
  const CLocationRead name = Program().LocateDatabase();
  EXPECT_EQ(name.ok, 0);
  EXPECT_NE(name.message.find("database_name"), std::string::npos) << name.message;
  EXPECT_NE(name.message.find("39 Zeichen"), std::string::npos) << name.message;
  EXPECT_EQ(Program().ReadDatabaseSettings().settings.name, name39 + "x");

  WriteIni("[database]\ndatabase_path=/" + std::string(199, 'p') + "\n");
  EXPECT_EQ(Program().LocateDatabase().ok, 0);

  const CLocationRead deep = CProgramDirectory("/" + std::string(199, 'd')).LocateDatabase();
  EXPECT_EQ(deep.ok, 0);
  EXPECT_NE(deep.message.find("Programmverzeichnis"), std::string::npos);
}

TEST_F(DatabaseLocationTest, AnUnreadableIniStopsInsteadOfFallingBackToDefaults) {
  std::filesystem::create_directory(temp.File("Pellwick.ini"));
  const CLocationRead read = Program().LocateDatabase();
  EXPECT_EQ(read.ok, 0);
  EXPECT_NE(read.message.find("kann nicht gelesen werden"), std::string::npos) << read.message;
  std::string message;
  EXPECT_EQ(Program().WriteDatabaseSettings({"buch.db", "/daten/"}, message), 0);
  EXPECT_FALSE(message.empty());
}

TEST_F(DatabaseLocationTest, WritingCreatesTheFileWhenMissing) {
  std::string message;
  ASSERT_EQ(Program().WriteDatabaseSettings({"buch.db", "/daten/"}, message), 1) << message;
  EXPECT_EQ(ReadIni(), "[database]\ndatabase_name=buch.db\ndatabase_path=/daten/\n");
  EXPECT_EQ(Program().ReadDatabaseSettings().settings, (CDatabaseSettings{"buch.db", "/daten/"}));
}

TEST_F(DatabaseLocationTest, WritingKeepsEverythingElseInTheFile) {
  WriteIni(
      "; Einstellungen\n[fenster]\nbreite=800\n\n[Database]\nDatabase_Name=alt.db\nextra=1\n\n[drucker]\n"
      "name=x\n");
  std::string message;
  ASSERT_EQ(Program().WriteDatabaseSettings({"neu.db", "./daten"}, message), 1) << message;
  EXPECT_EQ(ReadIni(),
            "; Einstellungen\n[fenster]\nbreite=800\n\n[Database]\ndatabase_name=neu.db\nextra=1\n"
            "database_path=./daten\n\n[drucker]\nname=x\n");
}

TEST_F(DatabaseLocationTest, WritingKeepsTheLineEndsOfTheFile) {
  WriteIni("[fenster]\r\nbreite=800\r\n");
  std::string message;
  ASSERT_EQ(Program().WriteDatabaseSettings({"buch.db", "."}, message), 1) << message;
  EXPECT_EQ(ReadIni(), "[fenster]\r\nbreite=800\r\n\r\n[database]\r\ndatabase_name=buch.db\r\ndatabase_path=.\r\n");
}

TEST_F(DatabaseLocationTest, ALineBreakInAValueIsRefusedAndTheFileStaysAsItWas) {
  const std::string before = "[database]\ndatabase_name=alt.db\n";
  WriteIni(before);
  std::string message;
  EXPECT_EQ(Program().WriteDatabaseSettings({"neu.db\n[boese]", "."}, message), 0);
  EXPECT_NE(message.find("database_name"), std::string::npos) << message;
  EXPECT_EQ(ReadIni(), before);
}

TEST_F(DatabaseLocationTest, WrittenEmptyValuesReadBackAsTheDefaults) {
  std::string message;
  ASSERT_EQ(Program().WriteDatabaseSettings({"", ""}, message), 1);
  EXPECT_EQ(Program().ReadDatabaseSettings().settings, (CDatabaseSettings{"Pellwick.db", "."}));
}

}  // namespace
