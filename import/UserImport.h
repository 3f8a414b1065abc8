#pragma once
// CUserImport: the rows of table UserImport (shared by all books), which
// remember every bank record that was assigned or imported together with its
// assignment; loaded and stored with the import manager.

#include "import/ImportRowList.h"
#include "storage/ImportTables.h"

class CUserImportData : public CUserImportRow {
 public:
  static constexpr const char* kLoadSql = "select * from [UserImport];";
};

class CUserImport : public CImportRowList<CUserImportData, &CUserImportRow::UserImportId> {
 public:
  // A new row with the next id, every other field 0 or empty.
  CUserImportData& New() { return AppendWithNewId(); }
};
