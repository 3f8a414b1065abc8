#include "storage/Result.h"

#include "storage/Database.h"

#include "storage/Format.h"

#include <sqlite3.h>

std::size_t CNameHash::operator()(std::string_view name) const noexcept
{
    // FNV-1a over the lowered characters.
    std::size_t hash = 14695981039346656037ULL;
    for (char c : name) {
        hash ^= static_cast<unsigned char>(c >= 'A' && c <= 'Z' ? c - 'A' + 'a' : c);
        hash *= 1099511628211ULL;
    }
    return hash;
}

bool CNameEqual::operator()(std::string_view a, std::string_view b) const noexcept
{
    return SameSqlName(a, b);
}

CResult::CResult(CDatabase& database, std::string sql, CStatementHandle statement)
    : m_database(&database),
      m_sql(std::move(sql)),
      m_statement(std::move(statement))
{
    Step();
    // Only now: a statement cached before a schema change is prepared again
    // by its first step, and "select *" may then have more columns.
    m_columnCount = sqlite3_column_count(m_statement.get());
}

CResult::CResult(CResult&& other) noexcept
    : m_database(other.m_database),
      m_sql(std::move(other.m_sql)),
      m_statement(std::move(other.m_statement)),
      m_columnCount(other.m_columnCount),
      m_columnIndex(std::move(other.m_columnIndex)),
      m_columnsIndexed(other.m_columnsIndexed),
      m_atEnd(other.m_atEnd)
{
    other.m_atEnd = true;
}

CResult::~CResult()
{
    if (m_statement)
        m_database->Recycle(std::move(m_sql), std::move(m_statement));
}

void CResult::MoveNext()
{
    // Stepping a finished statement would run it again from the start.
    if (!m_atEnd)
        Step();
}

void CResult::Step()
{
    const int rc = sqlite3_step(m_statement.get());
    if (rc == SQLITE_ROW) {
        m_atEnd = false;
        return;
    }
    m_atEnd = true;
    if (rc != SQLITE_DONE)
        m_database->ThrowError(m_sql);
}

std::string CResult::ColumnName(int column) const
{
    const char* name = sqlite3_column_name(m_statement.get(), column);
    return name ? name : "";
}

void CResult::IndexColumnNames() const
{
    // emplace keeps the first of several columns of one name.
    for (int column = 0; column < m_columnCount; ++column)
        m_columnIndex.emplace(ColumnName(column), column);
    m_columnsIndexed = true;
}

int CResult::ColumnIndex(std::string_view name) const
{
    if (!m_columnsIndexed)
        IndexColumnNames();
    const auto found = m_columnIndex.find(name);
    return found == m_columnIndex.end() ? -1 : found->second;
}

bool CResult::HasValue(int column) const
{
    return !m_atEnd && column >= 0 && column < ColumnCount()
           && sqlite3_column_type(m_statement.get(), column) != SQLITE_NULL;
}

bool CResult::IsNullAt(int column) const
{
    return !HasValue(column);
}

int CResult::IntAt(int column) const
{
    return HasValue(column) ? sqlite3_column_int(m_statement.get(), column) : 0;
}

double CResult::DoubleAt(int column) const
{
    return HasValue(column) ? sqlite3_column_double(m_statement.get(), column) : 0.0;
}

std::string CResult::TextAt(int column) const
{
    if (!HasValue(column))
        return std::string();
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(m_statement.get(), column));
    const int bytes = sqlite3_column_bytes(m_statement.get(), column);
    return text ? std::string(text, static_cast<std::size_t>(bytes)) : std::string();
}
