#pragma once

#include "storage/Result.h"
#include "storage/Statement.h"

#include <chrono>
#include <functional>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

struct sqlite3;
class CFieldDef;
class CFieldTable;
class CStatementCache;
struct CTableInfo;

// One open SQLite database file. Every failure throws CDatabaseError with a
// German message that names the file and carries SQLite's reason; nothing
// else in the program handles database errors.
//
// The program's SQL texts are written in the Jet forms of the household book
// ("delete * from [T] where ...;", table names in square brackets); this class
// alone adapts them where SQLite reads them differently, so callers issue the
// texts exactly as they stand.
//
// The file runs in WAL mode, and a statement waits up to the busy timeout
// while another program holds a lock. Single-threaded: one thread uses a
// database and its results.
class CDatabase {
public:
    static constexpr std::chrono::milliseconds kDefaultBusyTimeout{5000};

    // Opens an existing database file for reading and writing (not
    // exclusively) and reads its schema. A missing, damaged or read-only file,
    // a read-only folder, or a file locked beyond the timeout throws; the
    // file is then left exactly as it was.
    static std::unique_ptr<CDatabase> Open(const std::string& path,
                                           std::chrono::milliseconds busyTimeout = kDefaultBusyTimeout);
    // Creates a new, empty database file. Throws when the file exists already
    // (a damaged or foreign file is never overwritten) or cannot be created.
    static std::unique_ptr<CDatabase> Create(const std::string& path,
                                             std::chrono::milliseconds busyTimeout = kDefaultBusyTimeout);

    CDatabase(const CDatabase&) = delete;
    CDatabase& operator=(const CDatabase&) = delete;
    // REQUIRES: every CResult and CTransaction of this database has ended.
    ~CDatabase();

    const std::string& Path() const { return m_path; }

    // Executes one statement with fail on error; returns the number of rows
    // it changed. More than one statement in the text throws.
    int Execute(std::string_view sql);
    // Opens a result on the text, standing on its first row.
    CResult Query(std::string_view sql);

    // The tables (not SQLite's own), in the order they were created.
    std::vector<std::string> TableNames();
    // The columns of a table in their order; empty when there is no table.
    std::vector<std::string> ColumnNames(std::string_view table);
    // Table and column names compare as SQLite compares them: ASCII letters
    // without regard to case, every other character (blanks too) exactly.
    bool TableExists(std::string_view table);

    // Creates the table: Id (INTEGER PRIMARY KEY AUTOINCREMENT, its
    // constraint named "PrimaryIndex_<table>"), then one column per field in
    // order, then the key index (EnsureKeyIndex).
    void CreateTable(const CTableInfo& table, const CFieldTable& fields);
    // Appends a column of the field's kind at the end of the table.
    void AddColumn(std::string_view table, const CFieldDef& field);
    // Creates the non-unique index "KeyIndex_<table>" on the key columns
    // unless it exists.
    void EnsureKeyIndex(const CTableInfo& table);

    // Called with every text handed to Execute or Query, as given, before it
    // runs (for the debug log and for tests); an empty function stops it.
    void SetStatementTrace(std::function<void(std::string_view sql)> trace);

private:
    friend class CResult;
    friend class CTransaction;

    CDatabase(std::string path, sqlite3* handle);
    static std::unique_ptr<CDatabase> Connect(const std::string& path, int flags,
                                              std::chrono::milliseconds busyTimeout);
    void ReadSchema();
    void RefuseReadOnlyFile();
    void EnableWriteAheadLog();

    CStatementHandle Prepare(std::string_view sql);
    int Run(std::string_view sql);
    void Recycle(std::string sql, CStatementHandle statement) noexcept;
    [[noreturn]] void ThrowError(std::string_view sql) const;

    std::string m_path;
    sqlite3* m_handle;
    std::unique_ptr<CStatementCache> m_cache;
    std::function<void(std::string_view)> m_trace;
    int m_transactionDepth = 0;
};
