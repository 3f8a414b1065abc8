#include "storage/Record.h"

#include "storage/Database.h"
#include "storage/Format.h"
#include "storage/Result.h"
#include "storage/StrFormat.h"

#include <stdexcept>

double CRecord::SortKey(int) const
{
    return m_position;
}

CFieldTable CRecord::Fields(int& bookId)
{
    CFieldTable fields;
    if (Table().bookColumn == EBookColumn::Caller)
        fields.Bind("BuchId", bookId);
    BindFields(fields);
    return fields;
}

std::string CRecord::KeyCondition(int bookId) const
{
    return KeyConditionOf(FieldsForReading(bookId));
}

std::string CRecord::KeyConditionOf(const CFieldTable& fields) const
{
    const std::string_view table = Table().name;
    std::string condition;
    for (std::string_view column : Table().keyColumns) {
        const CFieldDef* field = fields.Find(column);
        if (!field)
            throw std::logic_error(StrFormat("Schlüsselspalte %s fehlt in der Feldtabelle von %s", column, table));
        if (!condition.empty())
            condition += " and ";
        condition += StrFormat("%s.%s = %s", table, QuoteSqlName(column), field->SqlValue(true));
    }
    return condition;
}

std::string CRecord::SelectByKeySql(int bookId) const
{
    return StrFormat("select * from [%s] where %s;", Table().name, KeyCondition(bookId));
}

std::string CRecord::InsertSql(int bookId) const
{
    const CFieldTable fields = FieldsForReading(bookId);
    return StrFormat("insert into [%s] (%s) values (%s);", Table().name, fields.ColumnList(), fields.ValueList());
}

std::string CRecord::UpdateSql(int bookId) const
{
    const CFieldTable fields = FieldsForReading(bookId);
    return StrFormat("update [%s] set %s where %s;", Table().name, fields.SetList(), KeyConditionOf(fields));
}

std::string CRecord::DeleteSql(int bookId) const
{
    return StrFormat("delete * from [%s] where %s;", Table().name, KeyCondition(bookId));
}

bool CRecord::ExistsInDatabase(CDatabase& database, int bookId) const
{
    return !database.Query(SelectByKeySql(bookId)).AtEnd();
}

bool CRecord::LoadByKey(CDatabase& database, int bookId)
{
    const CResult result = database.Query(SelectByKeySql(bookId));
    if (result.AtEnd())
        return false;
    ReadRow(result);
    return true;
}

void CRecord::ReadRow(const CResult& result)
{
    int droppedBookId = 0;
    Fields(droppedBookId).ReadRow(result);
    m_knownInDatabase = true;
}

void CRecord::Insert(CDatabase& database, int bookId) const
{
    database.Execute(InsertSql(bookId));
}

void CRecord::Update(CDatabase& database, int bookId) const
{
    database.Execute(UpdateSql(bookId));
}

void CRecord::Delete(CDatabase& database, int bookId) const
{
    database.Execute(DeleteSql(bookId));
}

// Every way through writes with one statement at most (an update that
// changed no row wrote nothing), so a store needs no transaction of its own;
// a list store wraps all of its records in one.
void CRecord::Store(CDatabase& database, int bookId) const
{
    if (m_deleted) {
        Delete(database, bookId);
        m_knownInDatabase = false;
    } else {
        StoreExisting(database, bookId);
    }
}

void CRecord::StoreExisting(CDatabase& database, int bookId) const
{
    // A row known to exist is updated at once; when that changes nothing the
    // row is gone after all and the record is inserted.
    if (m_knownInDatabase && database.Execute(UpdateSql(bookId)) > 0)
        return;
    if (!m_knownInDatabase && ExistsInDatabase(database, bookId))
        Update(database, bookId);
    else
        Insert(database, bookId);
    m_knownInDatabase = true;
}
