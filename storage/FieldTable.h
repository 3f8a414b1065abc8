#pragma once

#include "storage/Date.h"

#include <string>
#include <string_view>
#include <variant>
#include <vector>

class CResult;

// The value kinds of a field table and the columns they produce: integer →
// INTEGER, floating → REAL, text → TEXT (80 characters), date → TEXT (the
// eight digits year, month, day).
enum class EFieldKind { Integer = 1, Floating = 3, Text = 4, Date = 5 };

// Text columns hold at most this many characters; longer texts are cut on a
// character boundary before they reach the SQL.
inline constexpr std::size_t kTextColumnLength = 80;

// One column of a field table, bound to the member that holds its value.
class CFieldDef {
public:
    using CMember = std::variant<int*, double*, std::string*, CDate*>;

    CFieldDef(std::string_view name, CMember member) : m_name(name), m_member(member) {}

    std::string_view Name() const { return m_name; }
    EFieldKind Kind() const;
    const CMember& Member() const { return m_member; }

    // The value as SQL text: integers "%d", floating values "%f" (six
    // decimals, a point), texts quoted (see QuoteSqlText) and cut to
    // kTextColumnLength characters, dates "%04d%02d%02d", quoted only when
    // `quoteDate`. Throws CDatabaseError for a floating value that is not a
    // finite number.
    std::string SqlValue(bool quoteDate) const;
    // Stores column `column` of the result's current row in the member: NULL
    // gives 0, the empty text or the zero date.
    void ReadFrom(const CResult& result, int column) const;

private:
    std::string_view m_name;
    CMember m_member;
};

// The columns of one record in table order, each bound to a member of that
// record; built afresh for every operation (see CRecord::BindFields).
// Column names are the program's string literals: the table keeps views of
// them. The members must outlive the table.
class CFieldTable {
public:
    void Bind(std::string_view name, int& member) { m_fields.emplace_back(name, &member); }
    void Bind(std::string_view name, double& member) { m_fields.emplace_back(name, &member); }
    void Bind(std::string_view name, std::string& member) { m_fields.emplace_back(name, &member); }
    void Bind(std::string_view name, CDate& member) { m_fields.emplace_back(name, &member); }

    const std::vector<CFieldDef>& Fields() const { return m_fields; }
    // The field of that exact name, or null.
    const CFieldDef* Find(std::string_view name) const;

    // "BuchId,KategorieId,Beschreibung": the names joined by "," in order.
    std::string ColumnList() const;
    // "1,5,'Lebensmittel'": the values joined by ","; dates unquoted.
    std::string ValueList() const;
    // "BuchId = 1,KategorieId = 5,Beschreibung = 'Lebensmittel'"; dates quoted.
    std::string SetList() const;
    // Fills every bound member from the result's current row by column name.
    // Columns of the row that the table does not name are ignored; a member
    // whose column the row lacks keeps its value.
    void ReadRow(const CResult& result) const;

private:
    std::vector<CFieldDef> m_fields;
};
