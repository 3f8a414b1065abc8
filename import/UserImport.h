#pragma once
// CUserImport: the rows of table UserImport (shared by all books), which
// remember every bank record that was assigned or imported together with its
// assignment; loaded and stored with the import manager.
//
// A record finds its row by the duplicate key of import/UserImportKey.h,
// through a hash index over the rows that is built at the first search and
// kept up to date by the operations of this class.
// User-interface thread only.

#include <optional>
#include <string>
#include <tuple>

#include "import/ImportRecord.h"
#include "import/ImportRowList.h"
#include "import/UserImportKey.h"
#include "storage/ImportTables.h"

// UserImportStatus values.
inline constexpr int kUserImportAssigned = 1;
inline constexpr int kUserImportImported = 2;

class CUserImportData : public CUserImportRow {
 public:
  static constexpr const char* kLoadSql = "select * from [UserImport];";

  using CValues = std::tuple<int, int, int, int, int, int, double, std::string, std::string, int, int, int, int, int>;
  // Every column, to tell a changed row from the one in the database.
  CValues Values() const {
    return {UserImportId,  RegelId,       ImportType,      UserImportStatus, Datum.DayNumber(),
            Faelligkeit.DayNumber(),      Betrag,          sBeschreibung,    sUebernahmeText,
            VertragId,     KategorieId,   VonKontoId,      NachKontoId,      iBestaetigt};
  }
  // New, deleted and changed rows are written; the others are as stored.
  bool NeedsStore() const { return IsDeleted() || !KnownInDatabase() || !stored_ || *stored_ != Values(); }
  // After a load or a committed store.
  void MarkStored() { stored_ = Values(); }

 private:
  std::optional<CValues> stored_;
};

class CUserImport : public CImportRowList<CUserImportData, &CUserImportRow::UserImportId> {
  using CBase = CImportRowList<CUserImportData, &CUserImportRow::UserImportId>;

 public:
  // A new row with the next id, every other field 0 or empty.
  CUserImportData& New() { return AppendWithNewId(); }
  // A new row for the record: its date, amount and purpose text (in the
  // form the database keeps).
  CUserImportData& NewForRecord(const CImportRecord& record) {
    CUserImportData& row = New();
    row.Datum = record.date;
    row.Betrag = record.amount;
    row.sBeschreibung = StoredDescription(record.description);
    if (indexed_) index_.Add(row);
    ++indexedCount_;
    return row;
  }
  // The first row in list order that is not marked deleted and belongs to
  // the record; null when none. Not owned by the caller.
  CUserImportData* FindForRecord(const CImportRecord& record) {
    return Index().Find(UserImportKeyOf(record.date, record.amount, record.description));
  }
  // The row found for the record, else a new one for it.
  CUserImportData& FindOrNewForRecord(const CImportRecord& record) {
    CUserImportData* row = FindForRecord(record);
    return row != nullptr ? *row : NewForRecord(record);
  }

  // Appends the rows of the table as stored; returns how many.
  int LoadAll(CDatabase& database) {
    indexed_ = false;
    const int first = Count();
    const int loaded = CBase::LoadAll(database);
    for (int position = first; position < Count(); ++position) Find(position)->MarkStored();
    return loaded;
  }
  // Writes the new, deleted and changed rows in list order, in one
  // transaction of their own or inside the caller's; the list is not
  // changed. A store of 50,000 rows then costs only what changed.
  void WriteAll(CDatabase& database) const {
    Write(database, kNoBook, [](const CUserImportData& row) { return row.NeedsStore(); });
  }
  // After the written rows are committed: deleted rows go, the others count
  // as stored.
  void Settle() {
    indexed_ = false;
    CBase::Settle();
    for (CUserImportData& row : *this) row.MarkStored();
  }
  template <class Condition>
  int RemoveIf(Condition condition) {
    indexed_ = false;
    return CBase::RemoveIf(condition);
  }
  void DeleteAll() {
    indexed_ = false;
    CBase::DeleteAll();
  }
  // After rows were changed in their date, amount or text directly.
  void InvalidateIndex() { indexed_ = false; }

 private:
  const CUserImportIndex& Index() {
    if (!indexed_ || indexedCount_ != Count()) {
      index_.Rebuild(*this);
      indexed_ = true;
      indexedCount_ = Count();
    }
    return index_;
  }

  CUserImportIndex index_;
  bool indexed_ = false;
  int indexedCount_ = 0;
};
