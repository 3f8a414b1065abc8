#include "storage/StatementCache.h"

#include <sqlite3.h>

void CStatementFinalizer::operator()(sqlite3_stmt* statement) const noexcept
{
    sqlite3_finalize(statement);
}

CStatementHandle CStatementCache::Take(std::string_view sql)
{
    const auto found = m_index.find(sql);
    if (found == m_index.end())
        return nullptr;
    CStatementHandle statement = std::move(found->second->second);
    const auto entry = found->second;
    m_index.erase(found);
    m_entries.erase(entry);
    return statement;
}

void CStatementCache::Put(std::string sql, CStatementHandle statement)
{
    if (m_capacity == 0 || m_index.contains(sql))
        return;
    m_entries.emplace_front(std::move(sql), std::move(statement));
    m_index.emplace(m_entries.front().first, m_entries.begin());
    if (m_entries.size() > m_capacity) {
        m_index.erase(m_entries.back().first);
        m_entries.pop_back();
    }
}

void CStatementCache::Clear()
{
    m_index.clear();
    m_entries.clear();
}
