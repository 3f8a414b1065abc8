#pragma once

#include "storage/Database.h"
#include "storage/Record.h"

#include <chrono>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

// The seventeen tables as empty rows, in the order they are created and
// upgraded: Haushaltsbuch, Bestandsdaten, Vorgang, Vertrag, Kategorie,
// Einheit, Monat, Ausblick, MaskData, Report, Vorlage, Spalten, Layout,
// Constrain, ImportFormat, ImportRegel, UserImport.
std::vector<std::unique_ptr<CRecord>> SchemaTables();

// Creates a new database file holding the seventeen empty tables, all or
// none of them. Throws CDatabaseError when the file exists already or
// cannot be created.
std::unique_ptr<CDatabase> CreateDatabase(const std::string& path,
                                          std::chrono::milliseconds busyTimeout = CDatabase::kDefaultBusyTimeout);

// Brings an open database up to the current tables, in one transaction:
// missing tables are created, missing columns appended at the end of their
// tables, missing key indexes added. Nothing is ever changed, reordered or
// dropped; columns the program does not know stay.
void UpgradeSchema(CDatabase& database);

// The two steps for one table, from the field table of `prototype`.
void CreateTable(CDatabase& database, CRecord& prototype);
void UpgradeTable(CDatabase& database, CRecord& prototype);

// Executes "delete * from [%s] where BuchId = %d;" when the table exists;
// false when it does not.
bool DeleteAllRowsOfBook(CDatabase& database, std::string_view table, int bookId);
