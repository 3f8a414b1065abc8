#include "StorageTestSupport.h"

#include "storage/Database.h"
#include "storage/DatabaseError.h"
#include "storage/Format.h"
#include "storage/Schema.h"
#include "storage/StrFormat.h"
#include "storage/Tables.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <limits>
#include <memory>
#include <string>
#include <variant>
#include <vector>

namespace {

using ::testing::ElementsAre;
using ::testing::HasSubstr;

class RecordTest : public ::testing::Test {
protected:
    RecordTest() : m_database(CreateDatabase(m_folder.File("buch.db"))) {}

    // The raw text of one column of the first row the query returns.
    std::string RawValue(const std::string& sql, const char* column)
    {
        return m_database->Query(sql).Text(column);
    }
    std::vector<std::string> TraceStore(const CRecord& record, int bookId)
    {
        std::vector<std::string> issued;
        m_database->SetStatementTrace([&](std::string_view sql) { issued.emplace_back(sql); });
        record.Store(*m_database, bookId);
        m_database->SetStatementTrace({});
        return issued;
    }

    CTempFolder m_folder;
    std::unique_ptr<CDatabase> m_database;
};

CKategorieRow Lebensmittel()
{
    CKategorieRow kategorie;
    kategorie.KategorieId = 5;
    kategorie.Beschreibung = "Lebensmittel";
    return kategorie;
}

TEST_F(RecordTest, KategorieTextsAreExactlyTheHouseholdBooksOwn)
{
    const CKategorieRow kategorie = Lebensmittel();
    EXPECT_EQ(kategorie.InsertSql(1),
              "insert into [Kategorie] (BuchId,KategorieId,Beschreibung) values (1,5,'Lebensmittel');");
    EXPECT_EQ(kategorie.UpdateSql(1), "update [Kategorie] set BuchId = 1,KategorieId = 5,Beschreibung = "
                                      "'Lebensmittel' where Kategorie.BuchId = 1 and Kategorie.KategorieId = 5;");
    EXPECT_EQ(kategorie.SelectByKeySql(1),
              "select * from [Kategorie] where Kategorie.BuchId = 1 and Kategorie.KategorieId = 5;");
    EXPECT_EQ(kategorie.DeleteSql(1),
              "delete * from [Kategorie] where Kategorie.BuchId = 1 and Kategorie.KategorieId = 5;");

    CImportRegelRow regel;
    regel.ImportRegelId = 4;
    EXPECT_EQ(regel.SelectByKeySql(1), "select * from [ImportRegel] where ImportRegel.ImportRegelId = 4;");
    CSpaltenRow spalte;
    spalte.DruckId = 103;
    spalte.SpaltenId = 2;
    spalte.PostenId = 9;
    EXPECT_EQ(spalte.KeyCondition(1), "Spalten.BuchId = 1 and Spalten.DruckId = 103 and Spalten.PostenId = 9");
}

TEST_F(RecordTest, StoreInsertsThenUpdatesThenDeletes)
{
    CKategorieRow kategorie = Lebensmittel();
    EXPECT_THAT(TraceStore(kategorie, 1),
                ElementsAre(kategorie.SelectByKeySql(1), kategorie.InsertSql(1)));
    kategorie.Beschreibung = "Essen";
    // The stored record knows its row: the update goes without the select.
    EXPECT_THAT(TraceStore(kategorie, 1), ElementsAre(kategorie.UpdateSql(1)));
    EXPECT_EQ(RawValue("select * from [Kategorie];", "Beschreibung"), "Essen");
    EXPECT_EQ(RawValue("select count(*) as n from [Kategorie];", "n"), "1");

    // A row removed behind the record's back is inserted again, not lost.
    m_database->Execute("delete * from [Kategorie] where Kategorie.KategorieId = 5;");
    EXPECT_THAT(TraceStore(kategorie, 1), ElementsAre(kategorie.UpdateSql(1), kategorie.InsertSql(1)));
    EXPECT_EQ(RawValue("select count(*) as n from [Kategorie];", "n"), "1");

    kategorie.MarkDeleted();
    EXPECT_THAT(TraceStore(kategorie, 1), ElementsAre(kategorie.DeleteSql(1)));
    EXPECT_TRUE(m_database->Query("select * from [Kategorie];").AtEnd());
}

TEST_F(RecordTest, PerBookRowsTakeTheBookIdOfTheOperation)
{
    Lebensmittel().Store(*m_database, 3);
    EXPECT_EQ(RawValue("select * from [Kategorie];", "BuchId"), "3");
    CKategorieRow other;
    other.KategorieId = 5;
    EXPECT_FALSE(other.LoadByKey(*m_database, 4));
    EXPECT_TRUE(other.LoadByKey(*m_database, 3));
    EXPECT_EQ(other.Beschreibung, "Lebensmittel");

    // A month carries its own BuchId; the operation's id does not replace it.
    CMonatRow monat;
    monat.BuchId = 2;
    monat.MonatId = 75;
    monat.Bezeichnung = "032007";
    monat.Store(*m_database, 9);
    EXPECT_EQ(RawValue("select * from [Monat];", "BuchId"), "2");
    EXPECT_EQ(monat.SelectByKeySql(9), "select * from [Monat] where Monat.BuchId = 2 and Monat.MonatId = 75;");
}

TEST_F(RecordTest, FloatingValuesAndDatesAreWrittenInTheirFixedForms)
{
    CVorgangRow vorgang;
    vorgang.PostenId = 1;
    vorgang.MonatId = 87;
    vorgang.Betrag = 12.5;
    vorgang.Datum = CDate::FromYmd(2008, 3, 7);
    const std::string insert = vorgang.InsertSql(1);
    EXPECT_THAT(insert, HasSubstr(",12.500000,20080307,"));
    EXPECT_THAT(vorgang.UpdateSql(1), HasSubstr(",Betrag = 12.500000,Datum = '20080307',"));

    vorgang.Store(*m_database, 1);
    const char* raw = "select Datum, typeof(Datum) as Art, Betrag from [Vorgang];";
    EXPECT_EQ(RawValue(raw, "Datum"), "20080307");
    EXPECT_EQ(RawValue(raw, "Art"), "text");
    vorgang.Datum = CDate::FromYmd(2008, 3, 8);
    vorgang.Store(*m_database, 1);
    EXPECT_EQ(RawValue(raw, "Datum"), "20080308");
    EXPECT_EQ(RawValue(raw, "Art"), "text");

    CVorgangRow read;
    read.PostenId = 1;
    read.MonatId = 87;
    ASSERT_TRUE(read.LoadByKey(*m_database, 1));
    EXPECT_EQ(read.Datum, CDate::FromYmd(2008, 3, 8));
    EXPECT_EQ(read.Betrag, 12.5);
}

TEST_F(RecordTest, QuotesUmlautsAndLongTextsSurviveTheSqlText)
{
    const std::string longText = std::string(79, 'a') + "üß" + std::string(20, 'b');
    const std::vector<std::pair<std::string, std::string>> cases = {
        {"O'Neill", "O'Neill"},
        {"'; drop table Kategorie; --", "'; drop table Kategorie; --"},
        {"Grüße aus Köln – 5 €", "Grüße aus Köln – 5 €"},
        {longText, std::string(79, 'a') + "ü"},
        {"", ""},
    };
    int id = 0;
    for (const auto& [written, expected] : cases) {
        CKategorieRow kategorie;
        kategorie.KategorieId = ++id;
        kategorie.Beschreibung = written;
        kategorie.Store(*m_database, 1);
        kategorie.Beschreibung += "!";  // a second Store goes through update
        kategorie.Store(*m_database, 1);

        CKategorieRow read;
        read.KategorieId = id;
        ASSERT_TRUE(read.LoadByKey(*m_database, 1));
        const std::string updated = TruncateUtf8(written + "!", kTextColumnLength);
        EXPECT_EQ(read.Beschreibung, updated) << written;
        EXPECT_EQ(TruncateUtf8(written, kTextColumnLength), expected);
        EXPECT_EQ(Utf8Length(read.Beschreibung), std::min<std::size_t>(Utf8Length(written) + 1, 80));
    }
    EXPECT_TRUE(m_database->TableExists("Kategorie"));
}

TEST_F(RecordTest, NonFiniteAmountIsRefusedBeforeAnythingIsWritten)
{
    CEinheitRow einheit;
    einheit.EinheitId = 1;
    einheit.WertEinheit = std::numeric_limits<double>::quiet_NaN();
    try {
        einheit.Store(*m_database, 1);
        FAIL() << "stored NaN";
    } catch (const CDatabaseError& error) {
        EXPECT_THAT(error.what(), HasSubstr("WertEinheit"));
    }
    EXPECT_TRUE(m_database->Query("select * from [Einheit];").AtEnd());
}

TEST_F(RecordTest, NullColumnsReadAsEmptyZeroAndZeroDate)
{
    m_database->Execute("insert into [Vertrag] (BuchId,PostenId,MonatId) values (1,4,80);");
    CVertragRow vertrag;
    vertrag.PostenId = 4;
    vertrag.MonatId = 80;
    vertrag.Bezeichnung = "alt";
    vertrag.Betrag = 99;
    vertrag.ErsteFaelligkeit = CDate::FromYmd(2007, 1, 1);
    ASSERT_TRUE(vertrag.LoadByKey(*m_database, 1));
    EXPECT_EQ(vertrag.Bezeichnung, "");
    EXPECT_EQ(vertrag.Betrag, 0.0);
    EXPECT_EQ(vertrag.KontoId, 0);
    EXPECT_TRUE(vertrag.ErsteFaelligkeit.IsZero());
}

bool IsKeyColumn(const CRecord& record, std::string_view column)
{
    for (std::string_view key : record.Table().keyColumns)
        if (key == column)
            return true;
    return false;
}

// Gives every bound member a value of its own, derived from `seed`, so that a
// mixed-up column shows; key columns get the same values for every seed.
void FillDistinctValues(CRecord& record, int seed)
{
    int bookId = 0;
    const CFieldTable fields = record.Fields(bookId);
    int n = 0;
    for (const CFieldDef& field : fields.Fields()) {
        ++n;
        const int value = IsKeyColumn(record, field.Name()) ? n : seed + n;
        std::visit(
            [&](auto* member) {
                using T = std::remove_pointer_t<decltype(member)>;
                if constexpr (std::is_same_v<T, int>)
                    *member = value;
                else if constexpr (std::is_same_v<T, double>)
                    *member = value + 0.25;
                else if constexpr (std::is_same_v<T, std::string>)
                    *member = StrFormat("Wert %d für %s, d'accord", value, field.Name());
                else
                    *member = CDate::FromYmd(2000 + value % 20, 1 + value % 12, 1 + value % 28);
            },
            field.Member());
    }
}

std::vector<std::string> ValuesOf(CRecord& record)
{
    int bookId = 7;
    const CFieldTable fields = record.Fields(bookId);
    std::vector<std::string> values;
    for (const CFieldDef& field : fields.Fields())
        values.push_back(std::string(field.Name()) + "=" + field.SqlValue(true));
    return values;
}

TEST_F(RecordTest, EveryTableRoundTripsEveryColumnThroughInsertAndUpdate)
{
    const auto written = SchemaTables();
    const auto read = SchemaTables();
    for (std::size_t i = 0; i < written.size(); ++i) {
        const std::string table(written[i]->Table().name);
        SCOPED_TRACE(table);
        for (int seed : {100, 200}) {  // the first round inserts, the second updates
            FillDistinctValues(*written[i], seed);
            FillDistinctValues(*read[i], 0);
            written[i]->Store(*m_database, 7);
            ASSERT_TRUE(read[i]->LoadByKey(*m_database, 7));
            EXPECT_EQ(ValuesOf(*read[i]), ValuesOf(*written[i]));
        }
        EXPECT_EQ(RawValue(StrFormat("select count(*) as n from [%s];", table), "n"), "1");
    }
}

TEST_F(RecordTest, ColumnWithTrailingBlanksKeepsThemInEveryStatement)
{
    CImportRegelRow regel;
    regel.ImportRegelId = 1;
    regel.ImportFormatPruef = 2;
    EXPECT_THAT(regel.InsertSql(0), HasSubstr(",ImportFormatPflicht,[ImportFormatPruef  ],KontoInfoKontoId,"));
    EXPECT_THAT(regel.UpdateSql(0), HasSubstr(",[ImportFormatPruef  ] = 2,"));
    regel.Store(*m_database, 0);
    regel.ImportFormatPruef = 3;
    regel.Store(*m_database, 0);
    EXPECT_EQ(RawValue("select * from [ImportRegel];", "ImportFormatPruef  "), "3");
    CImportRegelRow read;
    read.ImportRegelId = 1;
    ASSERT_TRUE(read.LoadByKey(*m_database, 0));
    EXPECT_EQ(read.ImportFormatPruef, 3);
}

}  // namespace
