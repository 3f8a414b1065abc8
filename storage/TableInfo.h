#pragma once

#include <string_view>
#include <vector>

// Where the value of a table's BuchId column comes from.
enum class EBookColumn {
    None,    // the table has no BuchId: its rows belong to the database
    Caller,  // the book id handed to each operation; the row has no member
    Member,  // the row's own BuchId member (Haushaltsbuch, Monat)
};

// What the record layer knows of a table besides its columns.
struct CTableInfo {
    std::string_view name;
    // The columns of the table's where clauses, in order. The database holds
    // a non-unique index on them; the program alone keeps them unique.
    std::vector<std::string_view> keyColumns;
    EBookColumn bookColumn = EBookColumn::None;
};
