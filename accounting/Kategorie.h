#pragma once
// The categories of the current book. User-interface thread only.

#include <string>
#include <vector>

#include "model/BookRecordList.h"
#include "storage/AccountTables.h"

class CKategorie : public CKategorieRow {
 public:
  static constexpr const char* kLoadSql = "select * from [Kategorie] where Kategorie.BuchId = %d;";
  // Entries, contracts, accounts and monitoring rules keep the id of a
  // deleted category (its deletion changes none of them), and import rules
  // of every book name categories: a new category must take none of them.
  static constexpr const char* kHighestIdSql =
      "with Buch(Id) as (select %d) select max(n) as n from ("
      "select max(KategorieId) as n from [Kategorie], Buch where Kategorie.BuchId = Buch.Id "
      "union all select max(KategorieId) from [Vorgang], Buch where Vorgang.BuchId = Buch.Id "
      "union all select max(KategorieId) from [Vertrag], Buch where Vertrag.BuchId = Buch.Id "
      "union all select max(KategorieId) from [Bestandsdaten], Buch where Bestandsdaten.BuchId = Buch.Id "
      "union all select max(KategorieId) from [Report], Buch where Report.BuchId = Buch.Id "
      "union all select max(KategorieId) from [ImportRegel]);";
};

// What a category choice offers before the categories.
enum class CategoryChoice : int {
  All = 0,         // "Alle Kategorien"
  Plain = 1,       // nothing
  Uncaptured = 2,  // "Nicht erfasste Einahmen/Ausgaben"
};

class CKategorieList : public CBookRecordList<CKategorie, &CKategorieRow::KategorieId> {
 public:
  static constexpr const char* kAllCategories = "Alle Kategorien";
  static constexpr const char* kUncaptured = "Nicht erfasste Einahmen/Ausgaben";

  // Appends a category with the next id and the description: an id no
  // category of the book has and nothing stored refers to, once the list
  // was loaded (LoadBook) or seeded.
  CKategorie& New(const std::string& description);
  // The description of the category, or the empty text.
  std::string Description(int kategorieId) const;
  // The texts of a category choice: its first entry by `choice`, then the
  // descriptions of the categories that are not deleted, in list order.
  std::vector<std::string> ChoiceLabels(CategoryChoice choice) const;
};
