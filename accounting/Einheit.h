#pragma once
// The units of the current book.

#include <string_view>

#include "model/BookRecordList.h"
#include "storage/AccountTables.h"

class CEinheit : public CEinheitRow {
 public:
  static constexpr const char* kLoadSql = "select * from [Einheit] where Einheit.BuchId = %d;";
};

class CEinheitList : public CBookRecordList<CEinheit, &CEinheitRow::EinheitId> {
 public:
  // Appends a unit with the next id and an empty name.
  CEinheit& New() { return AppendWithNewId(); }
  // The first non-deleted unit named exactly so, or null.
  CEinheit* FindByName(std::string_view name);

  // The last result of the unit calculator.
  double lastResult = 0.0;
};
