#include "StorageTestSupport.h"

#include "storage/Database.h"
#include "storage/DatabaseError.h"
#include "storage/Transaction.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <sqlite3.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

namespace {

using ::testing::AllOf;
using ::testing::HasSubstr;
using namespace std::chrono_literals;

// A second program holding the database file.
class COtherProgram {
public:
    explicit COtherProgram(const std::string& path) { sqlite3_open(path.c_str(), &m_handle); }
    ~COtherProgram() { sqlite3_close(m_handle); }
    void Run(const char* sql) { ASSERT_EQ(sqlite3_exec(m_handle, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sql; }

private:
    sqlite3* m_handle = nullptr;
};

class DatabaseTest : public ::testing::Test {
protected:
    std::string MakeDatabase(const std::string& name)
    {
        const std::string path = m_folder.File(name);
        auto database = CDatabase::Create(path);
        database->Execute("create table [Kategorie] (BuchId INTEGER, KategorieId INTEGER, Beschreibung TEXT);");
        database->Execute("insert into [Kategorie] (BuchId,KategorieId,Beschreibung) values (1,5,'Lebensmittel');");
        return path;
    }
    int CountRows(CDatabase& database, const char* sql)
    {
        int rows = 0;
        for (CResult result = database.Query(sql); !result.AtEnd(); result.MoveNext())
            ++rows;
        return rows;
    }

    CTempFolder m_folder;
};

TEST_F(DatabaseTest, CreatedFileReopensWithItsRowsInWalMode)
{
    const std::string path = MakeDatabase("buch.db");
    auto database = CDatabase::Open(path);
    CResult result = database->Query("select * from [Kategorie] where Kategorie.BuchId = 1;");
    ASSERT_FALSE(result.AtEnd());
    EXPECT_EQ(result.Int("KategorieId"), 5);
    EXPECT_EQ(result.Text("beschreibung"), "Lebensmittel");
    result.MoveNext();
    EXPECT_TRUE(result.AtEnd());
    EXPECT_EQ(database->Query("pragma journal_mode").Text("journal_mode"), "wal");
}

TEST_F(DatabaseTest, CreateNeverOverwritesAnExistingFile)
{
    const std::string path = m_folder.File("fremd.mdb");
    WriteFileBytes(path, "Standard Jet DB\x01\x02 not ours");
    const std::string before = ReadFileBytes(path);
    try {
        CDatabase::Create(path);
        FAIL() << "Create overwrote an existing file";
    } catch (const CDatabaseError& error) {
        EXPECT_THAT(error.what(), AllOf(HasSubstr(path), HasSubstr("existiert")));
    }
    EXPECT_EQ(ReadFileBytes(path), before);
}

TEST_F(DatabaseTest, CreateInAMissingFolderSaysSo)
{
    const std::string path = m_folder.File("fehlt/buch.db");
    try {
        CDatabase::Create(path);
        FAIL() << "created";
    } catch (const CDatabaseError& error) {
        EXPECT_THAT(error.what(), AllOf(HasSubstr(path), HasSubstr("Ordner"), HasSubstr("existiert nicht")));
    }
    EXPECT_FALSE(std::filesystem::exists(m_folder.Path() / "fehlt"));
}

struct COpenFailure {
    const char* name;
    std::function<void(const std::string& path, const std::filesystem::path& folder)> prepare;
    const char* germanLead;
    const char* engineReason;
};

TEST_F(DatabaseTest, UnusableFilesGiveAGermanMessageAndStayUntouched)
{
    const std::vector<COpenFailure> failures = {
        {"kein.db", [](const std::string&, const std::filesystem::path&) {}, "existiert nicht",
         "unable to open database file"},
        {"text.db",
         [](const std::string& path, const std::filesystem::path&) {
             WriteFileBytes(path, std::string(5000, 'x') + "Dies ist keine Datenbank.\n");
         },
         "keine Datenbank oder sie ist beschädigt", "file is not a database"},
        {"kaputt.db",
         [](const std::string& path, const std::filesystem::path&) {
             // A real database whose first page, the schema, is overwritten.
             std::string bytes = ReadFileBytes(path);
             for (std::size_t i = 100; i < 4096 && i < bytes.size(); ++i)
                 bytes[i] = static_cast<char>(0x5A);
             WriteFileBytes(path, bytes);
         },
         "keine Datenbank oder sie ist beschädigt", "malformed"},
        {"nurlesen.db",
         [](const std::string& path, const std::filesystem::path&) {
             std::filesystem::permissions(path, std::filesystem::perms::owner_read | std::filesystem::perms::group_read);
         },
         "ist schreibgeschützt", "readonly"},
        {"ordner.db",
         [](const std::string&, const std::filesystem::path& folder) {
             std::filesystem::permissions(folder, std::filesystem::perms::owner_read | std::filesystem::perms::owner_exec);
         },
         "Ordner der Datenbank", "readonly"},
    };
    for (const COpenFailure& failure : failures) {
        SCOPED_TRACE(failure.name);
        CTempFolder folder;
        const std::string path = folder.File(failure.name);
        if (std::string(failure.name) != "kein.db" && std::string(failure.name) != "text.db") {
            auto database = CDatabase::Create(path);
            database->Execute("create table [Kategorie] (BuchId INTEGER, Beschreibung TEXT);");
            database->Execute("insert into [Kategorie] (BuchId,Beschreibung) values (1,'Lebensmittel');");
        }
        failure.prepare(path, folder.Path());
        const std::string before = ReadFileBytes(path);
        try {
            CDatabase::Open(path);
            ADD_FAILURE() << "opened";
        } catch (const CDatabaseError& error) {
            EXPECT_THAT(error.what(), AllOf(HasSubstr(path), HasSubstr(failure.germanLead)));
            EXPECT_THAT(error.EngineMessage(), HasSubstr(failure.engineReason));
            EXPECT_THAT(error.what(), HasSubstr(failure.engineReason));
        }
        EXPECT_EQ(ReadFileBytes(path), before);
        EXPECT_FALSE(std::filesystem::exists(path + "-wal"));
        EXPECT_FALSE(std::filesystem::exists(path + "-journal"));
    }
}

TEST_F(DatabaseTest, AFileLockedByAnotherProgramIsReportedAfterTheTimeout)
{
    const std::string path = MakeDatabase("gesperrt.db");
    const std::string before = ReadFileBytes(path);
    COtherProgram other(path);
    other.Run("pragma locking_mode=EXCLUSIVE; begin exclusive; select count(*) from Kategorie;");
    const auto start = std::chrono::steady_clock::now();
    try {
        CDatabase::Open(path, 200ms);
        FAIL() << "opened a locked file";
    } catch (const CDatabaseError& error) {
        EXPECT_THAT(error.what(), AllOf(HasSubstr(path), HasSubstr("gesperrt"), HasSubstr("database is locked")));
        EXPECT_EQ(error.EngineCode(), SQLITE_BUSY);
    }
    EXPECT_GE(std::chrono::steady_clock::now() - start, 150ms);  // it waited instead of failing at once
    EXPECT_EQ(ReadFileBytes(path), before);
}

TEST_F(DatabaseTest, AWriteWaitsForAnotherWriterAndThenFailsWithoutChange)
{
    auto database = CDatabase::Open(MakeDatabase("zwei.db"), 100ms);
    COtherProgram other(database->Path());
    other.Run("begin immediate; insert into Kategorie (BuchId,KategorieId,Beschreibung) values (1,6,'fremd');");
    try {
        CTransaction transaction(*database);
        database->Execute("insert into [Kategorie] (BuchId,KategorieId,Beschreibung) values (1,7,'Miete');");
        transaction.Commit();
        FAIL() << "wrote while another program held the write lock";
    } catch (const CDatabaseError& error) {
        EXPECT_THAT(error.what(), HasSubstr("gesperrt"));
    }
    other.Run("rollback;");
    EXPECT_EQ(CountRows(*database, "select * from [Kategorie];"), 1);
}

TEST_F(DatabaseTest, FailingStatementThrowsWithSqliteReasonAndTheStatement)
{
    auto database = CDatabase::Open(MakeDatabase("fehler.db"));
    try {
        database->Execute("insert into [Kategorie] (BuchId,Unbekannt) values (1,2);");
        FAIL() << "no error";
    } catch (const CDatabaseError& error) {
        EXPECT_EQ(error.EngineMessage(), "table Kategorie has no column named Unbekannt");
        EXPECT_THAT(error.what(), AllOf(HasSubstr("Fehler in der Datenbank"), HasSubstr(database->Path()),
                                        HasSubstr("Anweisung: insert into [Kategorie] (BuchId,Unbekannt)")));
    }
    EXPECT_THROW(database->Query("select * from [Fehlt];"), CDatabaseError);
    // One statement per text: a second one would otherwise be skipped silently.
    EXPECT_THROW(database->Execute("delete from Kategorie; drop table Kategorie;"), CDatabaseError);
    EXPECT_THROW(database->Execute("  ;"), CDatabaseError);
    EXPECT_EQ(CountRows(*database, "select * from [Kategorie];"), 1);
}

TEST_F(DatabaseTest, JetDeleteFormRunsAsWrittenAndReportsChangedRows)
{
    auto database = CDatabase::Open(MakeDatabase("loeschen.db"));
    database->Execute("insert into [Kategorie] (BuchId,KategorieId,Beschreibung) values (2,1,'anderes Buch');");
    std::vector<std::string> issued;
    database->SetStatementTrace([&](std::string_view sql) { issued.emplace_back(sql); });
    EXPECT_EQ(database->Execute("delete * from [Kategorie] where BuchId = 1;"), 1);
    EXPECT_EQ(database->Execute("  DELETE  *  FROM [Kategorie] where Kategorie.BuchId = 7;"), 0);
    EXPECT_THAT(issued, ::testing::ElementsAre("delete * from [Kategorie] where BuchId = 1;",
                                               "  DELETE  *  FROM [Kategorie] where Kategorie.BuchId = 7;"));
    EXPECT_EQ(CountRows(*database, "select * from [Kategorie];"), 1);
}

TEST_F(DatabaseTest, ResultsDetectNullAndReadColumnsByName)
{
    auto database = CDatabase::Open(MakeDatabase("null.db"));
    database->Execute("insert into [Kategorie] (BuchId) values (3);");
    CResult result = database->Query("select * from [Kategorie] where BuchId = 3;");
    ASSERT_FALSE(result.AtEnd());
    EXPECT_FALSE(result.IsNull("BuchId"));
    EXPECT_TRUE(result.IsNull("KategorieId"));
    EXPECT_EQ(result.Int("KategorieId"), 0);
    EXPECT_EQ(result.Text("Beschreibung"), "");
    EXPECT_EQ(result.ColumnIndex("KATEGORIEID"), 1);
    EXPECT_EQ(result.ColumnIndex("Fehlt"), -1);
    EXPECT_TRUE(result.IsNull("Fehlt"));
    result.MoveNext();
    EXPECT_TRUE(result.AtEnd());
    result.MoveNext();  // stays at the end instead of starting over
    EXPECT_TRUE(result.AtEnd());
}

TEST_F(DatabaseTest, TheSameTextCanBeOpenTwiceAtOnce)
{
    auto database = CDatabase::Open(MakeDatabase("zweimal.db"));
    const char* sql = "select * from [Kategorie];";
    for (int round = 0; round < 2; ++round) {
        CResult outer = database->Query(sql);
        CResult inner = database->Query(sql);
        ASSERT_FALSE(outer.AtEnd());
        ASSERT_FALSE(inner.AtEnd());
        inner.MoveNext();
        EXPECT_TRUE(inner.AtEnd());
        EXPECT_EQ(outer.Text("Beschreibung"), "Lebensmittel");
    }
}

TEST_F(DatabaseTest, TransactionRollsBackWhenAStatementFails)
{
    auto database = CDatabase::Open(MakeDatabase("tx.db"));
    EXPECT_THROW(
        {
            CTransaction transaction(*database);
            database->Execute("insert into [Kategorie] (BuchId,KategorieId) values (1,6);");
            database->Execute("insert into [Kategorie] (Falsch) values (1);");
            transaction.Commit();
        },
        CDatabaseError);
    EXPECT_EQ(CountRows(*database, "select * from [Kategorie];"), 1);
    {
        CTransaction transaction(*database);
        database->Execute("insert into [Kategorie] (BuchId,KategorieId) values (1,6);");
        transaction.Commit();
    }
    EXPECT_EQ(CountRows(*database, "select * from [Kategorie];"), 2);
}

TEST_F(DatabaseTest, NestedTransactionsJoinTheOuterOne)
{
    auto database = CDatabase::Open(MakeDatabase("nested.db"));
    {
        CTransaction outer(*database);
        database->Execute("insert into [Kategorie] (BuchId,KategorieId) values (1,6);");
        try {
            CTransaction inner(*database);
            database->Execute("insert into [Kategorie] (BuchId,KategorieId) values (1,7);");
            database->Execute("insert into [Fehlt] (A) values (1);");
            inner.Commit();
        } catch (const CDatabaseError&) {
        }
        outer.Commit();
    }
    // The inner failure undid only the inner work.
    EXPECT_EQ(CountRows(*database, "select * from [Kategorie] where KategorieId = 6;"), 1);
    EXPECT_EQ(CountRows(*database, "select * from [Kategorie] where KategorieId = 7;"), 0);
    {
        CTransaction outer(*database);
        {
            CTransaction inner(*database);
            database->Execute("insert into [Kategorie] (BuchId,KategorieId) values (1,8);");
            inner.Commit();
        }
        // The outer one ends without Commit: the inner work goes as well.
    }
    EXPECT_EQ(CountRows(*database, "select * from [Kategorie] where KategorieId = 8;"), 0);
    CTransaction outer(*database);
    CTransaction inner(*database);
    EXPECT_THROW(outer.Commit(), std::logic_error);
}

}  // namespace
