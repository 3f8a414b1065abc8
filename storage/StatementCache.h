#pragma once

#include "storage/Statement.h"

#include <cstddef>
#include <list>
#include <string>
#include <string_view>
#include <unordered_map>
#include <utility>

// Prepared statements kept by their exact SQL text, so a text issued again
// (the same list load, the same savepoint) is not prepared again. Holds at
// most `capacity` statements and drops the one used least recently. A taken
// statement belongs to the taker until it is put back, so two results open
// on the same text at once each get their own.
class CStatementCache {
public:
    explicit CStatementCache(std::size_t capacity) : m_capacity(capacity) {}
    CStatementCache(const CStatementCache&) = delete;
    CStatementCache& operator=(const CStatementCache&) = delete;

    // The cached statement for the text, removed from the cache; null when
    // there is none.
    CStatementHandle Take(std::string_view sql);
    // REQUIRES: the statement is reset. When the text is cached already the
    // statement is finalized instead.
    void Put(std::string sql, CStatementHandle statement);
    void Clear();

private:
    using CEntry = std::pair<std::string, CStatementHandle>;
    std::size_t m_capacity;
    std::list<CEntry> m_entries;  // most recently used first
    std::unordered_map<std::string_view, std::list<CEntry>::iterator> m_index;
};
