#pragma once
// The collections of the import tables (formats, rules, UserImport rows):
// the rows of the whole database in load order and the largest id seen,
// which new rows continue. These tables carry no BuchId.
//
// T provides static constexpr const char* kLoadSql; IdMember is the pointer
// to its id column, e.g. &CImportFormatRow::ImportFormatId.
// User-interface thread only.

#include <algorithm>

#include "storage/Database.h"
#include "storage/RecordList.h"

template <class T, auto IdMember>
class CImportRowList : public CRecordList<T> {
 public:
  // The import tables belong to no book: every statement gets this id.
  static constexpr int kNoBook = 0;

  // Appends the rows of the table; returns how many.
  int LoadAll(CDatabase& database) {
    const int first = this->Count();
    const int loaded = this->Load(database, T::kLoadSql);
    for (int position = first; position < this->Count(); ++position) NoteId(this->Find(position)->*IdMember);
    return loaded;
  }
  // Deleted rows are deleted, rows of the database updated, new ones
  // inserted, in list order; see CRecordList::Write and Settle.
  void WriteAll(CDatabase& database) const { this->Write(database, kNoBook); }

  // The row with the id that is not marked deleted, or null.
  T* FindId(int id) {
    for (T& row : *this)
      if (!row.IsDeleted() && row.*IdMember == id) return &row;
    return nullptr;
  }
  const T* FindId(int id) const { return const_cast<CImportRowList*>(this)->FindId(id); }

  int LargestId() const { return largestId_; }
  void NoteId(int id) { largestId_ = std::max(largestId_, id); }

  // Appends a default row with the largest id + 1; returns it.
  T& AppendWithNewId() { return AppendWithNewId(std::make_unique<T>()); }
  // Appends a row made elsewhere, giving it the largest id + 1.
  T& AppendWithNewId(std::unique_ptr<T> row) {
    row.get()->*IdMember = ++largestId_;
    return this->Append(std::move(row));
  }

 private:
  int largestId_ = 0;
};
