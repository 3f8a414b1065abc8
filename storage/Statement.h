#pragma once

#include <memory>

struct sqlite3_stmt;

// Owner of one prepared SQLite statement; finalizes it when it goes.
struct CStatementFinalizer {
    void operator()(sqlite3_stmt* statement) const noexcept;
};
using CStatementHandle = std::unique_ptr<sqlite3_stmt, CStatementFinalizer>;
