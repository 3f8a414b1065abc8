#include "storage/Database.h"

#include "storage/DatabaseError.h"
#include "storage/FieldTable.h"
#include "storage/Format.h"
#include "storage/StatementCache.h"
#include "storage/StrFormat.h"
#include "storage/TableInfo.h"
#include "storage/Transaction.h"

#include <sqlite3.h>
#include <unistd.h>

#include <filesystem>

namespace {

// Enough for the repeated texts of a session (list loads, savepoints); the
// one-off texts of a list store pass through without crowding them out for
// long.
constexpr std::size_t kCachedStatements = 32;

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

bool OnlyBlanksAndSemicolons(std::string_view text)
{
    for (char c : text)
        if (!IsBlank(c) && c != ';')
            return false;
    return true;
}

// Consumes `word` (ASCII, any case) at `pos`, and the blanks after it.
bool ConsumeWord(std::string_view sql, std::size_t& pos, std::string_view word)
{
    if (!SameSqlName(sql.substr(pos, word.size()), word))
        return false;
    pos += word.size();
    while (pos < sql.size() && IsBlank(sql[pos]))
        ++pos;
    return true;
}

// Jet reads "delete * from [T] ..."; SQLite knows only "delete from [T] ...".
std::string AdaptJetSql(std::string_view sql)
{
    std::size_t pos = 0;
    while (pos < sql.size() && IsBlank(sql[pos]))
        ++pos;
    if (ConsumeWord(sql, pos, "delete") && ConsumeWord(sql, pos, "*") && ConsumeWord(sql, pos, "from"))
        return "delete from " + std::string(sql.substr(pos));
    return std::string(sql);
}

// Names in the statements this class writes itself: double quotes take any
// name, trailing blanks included.
std::string QuoteIdentifier(std::string_view name)
{
    std::string quoted = "\"";
    for (char c : name) {
        if (c == '"')
            quoted += '"';
        quoted += c;
    }
    return quoted + "\"";
}

std::string_view ColumnType(EFieldKind kind)
{
    switch (kind) {
    case EFieldKind::Integer:
        return "INTEGER";
    case EFieldKind::Floating:
        return "REAL";
    case EFieldKind::Text:
    case EFieldKind::Date:
        break;
    }
    return "TEXT";
}

// False for a file or folder that is marked read-only (no write permission
// for anyone) or that this process may not write. The marking counts even for
// a user the system would let write anyway: the user set it for a reason.
bool IsWritable(const std::filesystem::path& path)
{
    std::error_code error;
    const auto permissions = std::filesystem::status(path, error).permissions();
    if (error)
        return false;
    using std::filesystem::perms;
    const bool marked = (permissions & (perms::owner_write | perms::group_write | perms::others_write)) != perms::none;
    return marked && ::access(path.c_str(), W_OK) == 0;
}

std::filesystem::path FolderOf(const std::string& path)
{
    const std::filesystem::path folder = std::filesystem::path(path).parent_path();
    return folder.empty() ? std::filesystem::path(".") : folder;
}

CDatabaseError ReadOnlyError(const std::string& path, std::string_view leadFormat)
{
    return CDatabaseError(StrFormat(leadFormat, path) + StrFormat(" (SQLite: %s).", sqlite3_errstr(SQLITE_READONLY)),
                          sqlite3_errstr(SQLITE_READONLY), SQLITE_READONLY);
}

void RefuseUnusableFolder(const std::string& path)
{
    std::error_code error;
    if (!std::filesystem::is_directory(FolderOf(path), error))
        throw CDatabaseError(StrFormat("Der Ordner der Datenbank \"%s\" existiert nicht (SQLite: %s).", path,
                                       sqlite3_errstr(SQLITE_CANTOPEN)),
                             sqlite3_errstr(SQLITE_CANTOPEN), SQLITE_CANTOPEN);
    if (!IsWritable(FolderOf(path)))
        throw ReadOnlyError(path, "Der Ordner der Datenbank \"%s\" ist schreibgeschützt");
}

}  // namespace

CDatabase::CDatabase(std::string path, sqlite3* handle)
    : m_path(std::move(path)), m_handle(handle), m_cache(std::make_unique<CStatementCache>(kCachedStatements))
{
}

CDatabase::~CDatabase()
{
    m_cache->Clear();
    sqlite3_close_v2(m_handle);
}

std::unique_ptr<CDatabase> CDatabase::Open(const std::string& path, std::chrono::milliseconds busyTimeout)
{
    std::error_code error;
    if (!std::filesystem::is_regular_file(path, error))
        throw CDatabaseError(StrFormat("Die Datenbank \"%s\" existiert nicht (SQLite: %s).", path,
                                       sqlite3_errstr(SQLITE_CANTOPEN)),
                             sqlite3_errstr(SQLITE_CANTOPEN), SQLITE_CANTOPEN);
    if (!IsWritable(path))
        throw ReadOnlyError(path, "Die Datenbank \"%s\" ist schreibgeschützt");
    RefuseUnusableFolder(path);
    auto database = Connect(path, SQLITE_OPEN_READWRITE, busyTimeout);
    // Reading the schema first: a damaged or foreign file fails here, before
    // anything could be written to it.
    database->ReadSchema();
    database->RefuseReadOnlyFile();
    database->EnableWriteAheadLog();
    return database;
}

std::unique_ptr<CDatabase> CDatabase::Create(const std::string& path, std::chrono::milliseconds busyTimeout)
{
    std::error_code error;
    if (std::filesystem::exists(path, error) || error)
        throw CDatabaseError(StrFormat("Die Datenbank \"%s\" kann nicht angelegt werden, weil die Datei schon "
                                       "existiert (SQLite: %s).",
                                       path, sqlite3_errstr(SQLITE_CANTOPEN)),
                             sqlite3_errstr(SQLITE_CANTOPEN), SQLITE_CANTOPEN);
    RefuseUnusableFolder(path);
    auto database = Connect(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, busyTimeout);
    database->EnableWriteAheadLog();
    return database;
}

std::unique_ptr<CDatabase> CDatabase::Connect(const std::string& path, int flags,
                                              std::chrono::milliseconds busyTimeout)
{
    sqlite3* handle = nullptr;
    const int rc = sqlite3_open_v2(path.c_str(), &handle, flags, nullptr);
    if (rc != SQLITE_OK) {
        const std::string reason = handle ? sqlite3_errmsg(handle) : sqlite3_errstr(rc);
        sqlite3_close_v2(handle);
        throw CDatabaseError::FromEngine(path, rc, reason);
    }
    sqlite3_busy_timeout(handle, static_cast<int>(busyTimeout.count()));
    return std::unique_ptr<CDatabase>(new CDatabase(path, handle));
}

void CDatabase::ReadSchema()
{
    Run("select count(*) from sqlite_master");
}

void CDatabase::RefuseReadOnlyFile()
{
    if (sqlite3_db_readonly(m_handle, "main") == 1)
        throw ReadOnlyError(m_path, "Die Datenbank \"%s\" ist schreibgeschützt");
}

void CDatabase::EnableWriteAheadLog()
{
    Run("pragma journal_mode=WAL");
    // With the log, a commit survives a crash of the program at normal sync;
    // only a power loss may take the last commits back, never consistency.
    Run("pragma synchronous=NORMAL");
}

int CDatabase::Execute(std::string_view sql)
{
    if (m_trace)
        m_trace(sql);
    return Run(AdaptJetSql(sql));
}

CResult CDatabase::Query(std::string_view sql)
{
    if (m_trace)
        m_trace(sql);
    std::string adapted = AdaptJetSql(sql);
    CStatementHandle statement = Prepare(adapted);
    return CResult(*this, std::move(adapted), std::move(statement));
}

std::vector<std::string> CDatabase::TableNames()
{
    const std::string sql = "select name from sqlite_master where type = 'table' and name not like 'sqlite\\_%' "
                            "escape '\\' order by rowid";
    std::vector<std::string> names;
    for (CResult result(*this, sql, Prepare(sql)); !result.AtEnd(); result.MoveNext())
        names.push_back(result.TextAt(0));
    return names;
}

std::vector<std::string> CDatabase::ColumnNames(std::string_view table)
{
    const std::string sql = "select name from pragma_table_info(" + QuoteSqlText(table) + ") order by cid";
    std::vector<std::string> names;
    for (CResult result(*this, sql, Prepare(sql)); !result.AtEnd(); result.MoveNext())
        names.push_back(result.TextAt(0));
    return names;
}

bool CDatabase::TableExists(std::string_view table)
{
    for (const std::string& name : TableNames())
        if (SameSqlName(name, table))
            return true;
    return false;
}

void CDatabase::CreateTable(const CTableInfo& table, const CFieldTable& fields)
{
    std::string sql = StrFormat("create table %s (\"Id\" INTEGER CONSTRAINT %s PRIMARY KEY AUTOINCREMENT",
                                QuoteIdentifier(table.name), QuoteIdentifier(StrFormat("PrimaryIndex_%s", table.name)));
    for (const CFieldDef& field : fields.Fields())
        sql += StrFormat(", %s %s", QuoteIdentifier(field.Name()), ColumnType(field.Kind()));
    sql += ")";
    CTransaction transaction(*this);
    Run(sql);
    EnsureKeyIndex(table);
    transaction.Commit();
}

void CDatabase::AddColumn(std::string_view table, const CFieldDef& field)
{
    Run(StrFormat("alter table %s add column %s %s", QuoteIdentifier(table), QuoteIdentifier(field.Name()),
                  ColumnType(field.Kind())));
}

void CDatabase::EnsureKeyIndex(const CTableInfo& table)
{
    if (table.keyColumns.empty())
        return;
    std::string columns;
    for (std::string_view column : table.keyColumns)
        columns += (columns.empty() ? "" : ", ") + QuoteIdentifier(column);
    Run(StrFormat("create index if not exists %s on %s (%s)", QuoteIdentifier(StrFormat("KeyIndex_%s", table.name)),
                  QuoteIdentifier(table.name), columns));
}

void CDatabase::SetStatementTrace(std::function<void(std::string_view sql)> trace)
{
    m_trace = std::move(trace);
}

CStatementHandle CDatabase::Prepare(std::string_view sql)
{
    if (CStatementHandle cached = m_cache->Take(sql))
        return cached;
    sqlite3_stmt* raw = nullptr;
    const char* tail = nullptr;
    const int rc = sqlite3_prepare_v2(m_handle, sql.data(), static_cast<int>(sql.size()), &raw, &tail);
    CStatementHandle statement(raw);
    if (rc != SQLITE_OK)
        ThrowError(sql);
    const std::string_view rest(tail, static_cast<std::size_t>(sql.data() + sql.size() - tail));
    if (!statement || !OnlyBlanksAndSemicolons(rest))
        throw CDatabaseError::FromEngine(m_path, SQLITE_MISUSE,
                                         statement ? "more than one statement" : "empty statement", sql);
    return statement;
}

int CDatabase::Run(std::string_view sql)
{
    CStatementHandle statement = Prepare(sql);
    int rc;
    while ((rc = sqlite3_step(statement.get())) == SQLITE_ROW) {
    }
    if (rc != SQLITE_DONE)
        ThrowError(sql);
    const int changed = sqlite3_stmt_readonly(statement.get()) ? 0 : sqlite3_changes(m_handle);
    Recycle(std::string(sql), std::move(statement));
    return changed;
}

void CDatabase::Recycle(std::string sql, CStatementHandle statement) noexcept
{
    try {
        sqlite3_reset(statement.get());
        m_cache->Put(std::move(sql), std::move(statement));
    } catch (...) {
        // Without memory for the cache the statement is simply finalized.
    }
}

void CDatabase::ThrowError(std::string_view sql) const
{
    throw CDatabaseError::FromEngine(m_path, sqlite3_errcode(m_handle), sqlite3_errmsg(m_handle), sql);
}
