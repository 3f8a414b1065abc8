#include "storage/FieldTable.h"

#include "storage/DatabaseError.h"
#include "storage/Format.h"
#include "storage/Result.h"
#include "storage/StrFormat.h"

#include <sqlite3.h>

#include <cmath>

namespace {

template <class... Visitors>
struct COverloaded : Visitors... {
    using Visitors::operator()...;
};

std::string FloatingSqlValue(std::string_view column, double value)
{
    if (!std::isfinite(value))
        throw CDatabaseError(StrFormat("Der Wert der Spalte \"%s\" ist keine gültige Zahl (%s); "
                                       "es wurde nichts gespeichert.",
                                       column, FormatFixed(value, 6)),
                             sqlite3_errstr(SQLITE_MISMATCH), SQLITE_MISMATCH);
    return FormatFixed(value, 6);
}

}  // namespace

EFieldKind CFieldDef::Kind() const
{
    return std::visit(COverloaded{[](int*) { return EFieldKind::Integer; },
                                  [](double*) { return EFieldKind::Floating; },
                                  [](std::string*) { return EFieldKind::Text; },
                                  [](CDate*) { return EFieldKind::Date; }},
                      m_member);
}

std::string CFieldDef::SqlValue(bool quoteDate) const
{
    return std::visit(COverloaded{[](int* value) { return StrFormat("%d", *value); },
                                  [this](double* value) { return FloatingSqlValue(m_name, *value); },
                                  [](std::string* value) {
                                      return QuoteSqlText(TruncateUtf8(*value, kTextColumnLength));
                                  },
                                  [quoteDate](CDate* value) {
                                      return quoteDate ? "'" + value->ToDbText() + "'" : value->ToDbText();
                                  }},
                      m_member);
}

void CFieldDef::ReadFrom(const CResult& result, int column) const
{
    std::visit(COverloaded{[&](int* value) { *value = result.IntAt(column); },
                           [&](double* value) { *value = result.DoubleAt(column); },
                           [&](std::string* value) { *value = result.TextAt(column); },
                           [&](CDate* value) {
                               *value = result.IsNullAt(column) ? CDate() : CDate::FromDbText(result.TextAt(column));
                           }},
               m_member);
}

const CFieldDef* CFieldTable::Find(std::string_view name) const
{
    for (const CFieldDef& field : m_fields)
        if (field.Name() == name)
            return &field;
    return nullptr;
}

std::string CFieldTable::ColumnList() const
{
    std::string list;
    for (const CFieldDef& field : m_fields) {
        if (!list.empty())
            list += ',';
        list += QuoteSqlName(field.Name());
    }
    return list;
}

std::string CFieldTable::ValueList() const
{
    std::string list;
    for (const CFieldDef& field : m_fields) {
        if (!list.empty())
            list += ',';
        list += field.SqlValue(false);
    }
    return list;
}

std::string CFieldTable::SetList() const
{
    std::string list;
    for (const CFieldDef& field : m_fields) {
        if (!list.empty())
            list += ',';
        list += QuoteSqlName(field.Name()) + " = " + field.SqlValue(true);
    }
    return list;
}

void CFieldTable::ReadRow(const CResult& result) const
{
    for (const CFieldDef& field : m_fields) {
        const int column = result.ColumnIndex(field.Name());
        if (column >= 0)
            field.ReadFrom(result, column);
    }
}
