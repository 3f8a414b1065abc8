#include "StorageTestSupport.h"

#include "storage/Database.h"
#include "storage/Schema.h"
#include "storage/Tables.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using ::testing::ElementsAre;
using ::testing::ElementsAreArray;

std::vector<std::string> SchemaText(CDatabase& database)
{
    std::vector<std::string> sql;
    for (CResult result = database.Query("select sql from sqlite_master order by name;"); !result.AtEnd();
         result.MoveNext())
        sql.push_back(result.Text("sql"));
    return sql;
}

std::vector<std::string> ExpectedColumns(CRecord& table)
{
    std::vector<std::string> columns = {"Id"};
    int bookId = 0;
    const CFieldTable fields = table.Fields(bookId);
    for (const CFieldDef& field : fields.Fields())
        columns.emplace_back(field.Name());
    return columns;
}

class SchemaTest : public ::testing::Test {
protected:
    CTempFolder m_folder;
};

TEST_F(SchemaTest, NewDatabaseHoldsTheSeventeenEmptyTablesInOrder)
{
    auto database = CreateDatabase(m_folder.File("neu.db"));
    EXPECT_THAT(database->TableNames(),
                ElementsAre("Haushaltsbuch", "Bestandsdaten", "Vorgang", "Vertrag", "Kategorie", "Einheit", "Monat",
                            "Ausblick", "MaskData", "Report", "Vorlage", "Spalten", "Layout", "Constrain",
                            "ImportFormat", "ImportRegel", "UserImport"));
    for (const auto& table : SchemaTables()) {
        const std::string name(table->Table().name);
        SCOPED_TRACE(name);
        EXPECT_THAT(database->ColumnNames(name), ElementsAreArray(ExpectedColumns(*table)));
        EXPECT_TRUE(database->Query("select * from [" + name + "];").AtEnd());
        const std::string index = "KeyIndex_" + name;
        EXPECT_FALSE(database->Query("select * from sqlite_master where type = 'index' and name = '" + index + "';")
                         .AtEnd());
        EXPECT_THAT(database->Query("select sql from sqlite_master where name = '" + name + "';").Text("sql"),
                    ::testing::HasSubstr("CONSTRAINT \"PrimaryIndex_" + name + "\" PRIMARY KEY AUTOINCREMENT"));
    }
    EXPECT_EQ(database->ColumnNames("Bestandsdaten").size(), 30u);
    EXPECT_EQ(database->ColumnNames("ImportFormat").size(), 42u);
    EXPECT_EQ(database->ColumnNames("ImportRegel").at(25), "ImportFormatPruef  ");
}

TEST_F(SchemaTest, UpgradingACurrentDatabaseChangesNothing)
{
    const std::string path = m_folder.File("aktuell.db");
    const std::vector<std::string> created = SchemaText(*CreateDatabase(path));
    auto database = CDatabase::Open(path);
    UpgradeSchema(*database);
    UpgradeSchema(*database);
    EXPECT_EQ(SchemaText(*database), created);
}

class OldDatabaseTest : public SchemaTest {
protected:
    // A file of an older program version: no Vorgang table, Kategorie without
    // Beschreibung and with a column the program no longer knows, ImportRegel
    // lacking its last columns, names in other letter cases.
    std::string MakeOldDatabase()
    {
        const std::string path = m_folder.File("alt.db");
        auto database = CDatabase::Create(path);
        database->Execute("create table kategorie (Id INTEGER PRIMARY KEY AUTOINCREMENT, buchid INTEGER, "
                          "KategorieId INTEGER, Altlast TEXT);");
        database->Execute("insert into kategorie (buchid,KategorieId,Altlast) values (1,5,'bleibt');");
        database->Execute("create table ImportRegel (Id INTEGER PRIMARY KEY AUTOINCREMENT, ImportRegelId INTEGER, "
                          "RegelTypId INTEGER, Kennstring TEXT);");
        database->Execute("insert into ImportRegel (ImportRegelId,RegelTypId,Kennstring) values (3,2,'Miete');");
        return path;
    }
};

TEST_F(OldDatabaseTest, UpgradeAddsMissingTablesAndAppendsMissingColumns)
{
    auto database = CDatabase::Open(MakeOldDatabase());
    UpgradeSchema(*database);

    EXPECT_TRUE(database->TableExists("Vorgang"));
    CVorgangRow vorgang;
    EXPECT_THAT(database->ColumnNames("Vorgang"), ElementsAreArray(ExpectedColumns(vorgang)));
    EXPECT_THAT(database->ColumnNames("Kategorie"),
                ElementsAre("Id", "buchid", "KategorieId", "Altlast", "Beschreibung"));
    const std::vector<std::string> regelColumns = database->ColumnNames("ImportRegel");
    EXPECT_THAT(std::vector<std::string>(regelColumns.begin(), regelColumns.begin() + 4),
                ElementsAre("Id", "ImportRegelId", "RegelTypId", "Kennstring"));
    CImportRegelRow regel;
    EXPECT_EQ(regelColumns.size(), ExpectedColumns(regel).size());
    EXPECT_EQ(regelColumns.at(25), "ImportFormatPruef  ");
}

TEST_F(OldDatabaseTest, AQueryIssuedBeforeTheUpgradeSeesTheNewColumnsAfterIt)
{
    auto database = CDatabase::Open(MakeOldDatabase());
    const char* sql = "select * from [Kategorie] where Kategorie.BuchId = 1;";
    EXPECT_EQ(database->Query(sql).ColumnIndex("Beschreibung"), -1);
    CKategorieRow kategorie;
    UpgradeTable(*database, kategorie);
    const CResult result = database->Query(sql);
    EXPECT_EQ(result.ColumnCount(), 5);
    EXPECT_EQ(result.ColumnIndex("Beschreibung"), 4);
    EXPECT_TRUE(result.IsNull("Beschreibung"));
}

TEST_F(OldDatabaseTest, OldRowsReadNewColumnsAsNullAndKeepUnknownColumns)
{
    auto database = CDatabase::Open(MakeOldDatabase());
    UpgradeSchema(*database);

    CImportRegelRow regel;
    regel.ImportRegelId = 3;
    regel.UebernahmeText = "vorher";
    regel.Datum = CDate::FromYmd(2001, 1, 1);
    regel.Betrag = 4;
    ASSERT_TRUE(regel.LoadByKey(*database, 0));
    EXPECT_EQ(regel.Kennstring, "Miete");
    EXPECT_EQ(regel.RegelTypId, 2);
    EXPECT_EQ(regel.UebernahmeText, "");
    EXPECT_TRUE(regel.Datum.IsZero());
    EXPECT_EQ(regel.Betrag, 0.0);
    EXPECT_EQ(regel.ImportFormatPruef, 0);

    CKategorieRow kategorie;
    kategorie.KategorieId = 5;
    ASSERT_TRUE(kategorie.LoadByKey(*database, 1));
    EXPECT_EQ(kategorie.Beschreibung, "");
    kategorie.Beschreibung = "Lebensmittel";
    kategorie.Store(*database, 1);
    CResult row = database->Query("select * from [Kategorie];");
    EXPECT_EQ(row.Text("Altlast"), "bleibt");
    EXPECT_EQ(row.Text("Beschreibung"), "Lebensmittel");
}

TEST_F(SchemaTest, DeleteAllRowsOfBookLeavesOtherBooks)
{
    auto database = CreateDatabase(m_folder.File("ausblick.db"));
    for (int book : {1, 1, 2}) {
        CAusblickRow ausblick;
        ausblick.AusblickId = database->Query("select count(*) as n from [Ausblick];").Int("n") + 1;
        ausblick.Store(*database, book);
    }
    EXPECT_TRUE(DeleteAllRowsOfBook(*database, "Ausblick", 1));
    EXPECT_EQ(database->Query("select count(*) as n from [Ausblick];").Int("n"), 1);
    EXPECT_EQ(database->Query("select * from [Ausblick];").Int("BuchId"), 2);
    EXPECT_FALSE(DeleteAllRowsOfBook(*database, "Prognose", 1));
}

}  // namespace
