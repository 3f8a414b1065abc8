#pragma once
// The categories of the current book.

#include <string>

#include "model/BookRecordList.h"
#include "storage/AccountTables.h"

class CKategorie : public CKategorieRow {
 public:
  static constexpr const char* kLoadSql = "select * from [Kategorie] where Kategorie.BuchId = %d;";
};

class CKategorieList : public CBookRecordList<CKategorie, &CKategorieRow::KategorieId> {
 public:
  // Appends a category with the next id and the description.
  CKategorie& New(const std::string& description);
  // The description of the category, or the empty text.
  std::string Description(int kategorieId) const;
};
