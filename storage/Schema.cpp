#include "storage/Schema.h"

#include "storage/Format.h"
#include "storage/StrFormat.h"
#include "storage/Tables.h"
#include "storage/Transaction.h"

#include <algorithm>

namespace {

template <class... Rows>
std::vector<std::unique_ptr<CRecord>> MakeRows()
{
    std::vector<std::unique_ptr<CRecord>> rows;
    (rows.push_back(std::make_unique<Rows>()), ...);
    return rows;
}

bool HasColumn(const std::vector<std::string>& columns, std::string_view name)
{
    return std::any_of(columns.begin(), columns.end(),
                       [name](const std::string& column) { return SameSqlName(column, name); });
}

}  // namespace

std::vector<std::unique_ptr<CRecord>> SchemaTables()
{
    return MakeRows<CHaushaltsbuchRow, CBestandsdatenRow, CVorgangRow, CVertragRow, CKategorieRow, CEinheitRow,
                    CMonatRow, CAusblickRow, CMaskDataRow, CReportRow, CVorlageRow, CSpaltenRow, CLayoutRow,
                    CConstrainRow, CImportFormatRow, CImportRegelRow, CUserImportRow>();
}

std::unique_ptr<CDatabase> CreateDatabase(const std::string& path, std::chrono::milliseconds busyTimeout)
{
    auto database = CDatabase::Create(path, busyTimeout);
    CTransaction transaction(*database);
    for (const auto& table : SchemaTables())
        CreateTable(*database, *table);
    transaction.Commit();
    return database;
}

void UpgradeSchema(CDatabase& database)
{
    CTransaction transaction(database);
    for (const auto& table : SchemaTables())
        UpgradeTable(database, *table);
    transaction.Commit();
}

void CreateTable(CDatabase& database, CRecord& prototype)
{
    int bookId = 0;
    database.CreateTable(prototype.Table(), prototype.Fields(bookId));
}

void UpgradeTable(CDatabase& database, CRecord& prototype)
{
    const CTableInfo& table = prototype.Table();
    if (!database.TableExists(table.name)) {
        CreateTable(database, prototype);
        return;
    }
    const std::vector<std::string> columns = database.ColumnNames(table.name);
    int bookId = 0;
    const CFieldTable fields = prototype.Fields(bookId);
    for (const CFieldDef& field : fields.Fields())
        if (!HasColumn(columns, field.Name()))
            database.AddColumn(table.name, field);
    database.EnsureKeyIndex(table);
}

bool DeleteAllRowsOfBook(CDatabase& database, std::string_view table, int bookId)
{
    if (!database.TableExists(table))
        return false;
    database.Execute(StrFormat("delete * from [%s] where BuchId = %d;", table, bookId));
    return true;
}
