#pragma once

#include "storage/Statement.h"

#include <cstddef>
#include <string>
#include <string_view>
#include <unordered_map>

class CDatabase;

// Hashing and comparing column names the way SQLite does (SameSqlName).
struct CNameHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view name) const noexcept;
};
struct CNameEqual {
    using is_transparent = void;
    bool operator()(std::string_view a, std::string_view b) const noexcept;
};

// A forward-only walk over the rows of a query (CDatabase::Query), standing
// on its first row when opened. Columns are read by index or by name; a
// column index of -1 (a name the result lacks) reads as NULL.
// REQUIRES: the result ends before its database does.
class CResult {
public:
    CResult(CResult&& other) noexcept;
    CResult& operator=(CResult&&) = delete;
    ~CResult();

    bool AtEnd() const { return m_atEnd; }
    // Steps to the next row. Throws CDatabaseError when SQLite fails.
    void MoveNext();

    int ColumnCount() const { return m_columnCount; }
    // REQUIRES: 0 <= column < ColumnCount().
    std::string ColumnName(int column) const;
    // The first column of that name, or -1.
    int ColumnIndex(std::string_view name) const;

    // Reading at the end or from a missing column gives NULL, 0 or "".
    bool IsNullAt(int column) const;
    int IntAt(int column) const;
    double DoubleAt(int column) const;
    std::string TextAt(int column) const;

    bool IsNull(std::string_view name) const { return IsNullAt(ColumnIndex(name)); }
    int Int(std::string_view name) const { return IntAt(ColumnIndex(name)); }
    double Double(std::string_view name) const { return DoubleAt(ColumnIndex(name)); }
    std::string Text(std::string_view name) const { return TextAt(ColumnIndex(name)); }

private:
    friend class CDatabase;
    // Takes the prepared statement of `sql` and steps to the first row.
    CResult(CDatabase& database, std::string sql, CStatementHandle statement);
    void Step();
    bool HasValue(int column) const;
    void IndexColumnNames() const;

    CDatabase* m_database;
    std::string m_sql;
    CStatementHandle m_statement;
    int m_columnCount = 0;
    // Built at the first lookup by name: a result that is only tested for a
    // row never needs it.
    mutable std::unordered_map<std::string, int, CNameHash, CNameEqual> m_columnIndex;
    mutable bool m_columnsIndexed = false;
    bool m_atEnd = true;
};
