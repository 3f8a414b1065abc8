#pragma once
// CUserImport: the rows of table UserImport (shared by all books), which
// remember every bank record that was assigned or imported together with its
// assignment; loaded and stored with the import manager.
//
// A record finds its row by the duplicate key of import/UserImportKey.h,
// through a hash index over the rows that is built at the first search and
// kept up to date by the operations of this class.
// User-interface thread only.

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

  // The list operations that let rows go drop the index.
  int LoadAll(CDatabase& database) {
    indexed_ = false;
    return CBase::LoadAll(database);
  }
  void Settle() {
    indexed_ = false;
    CBase::Settle();
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
