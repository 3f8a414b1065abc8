#pragma once
// The books of the database: one CHaushaltsbuch per row of Haushaltsbuch and
// the list the book screen and the first-book flow work on. The current
// book itself lives in CBookData; TakeBook and GiveBook copy between it and
// a row of this list. User-interface thread only.

#include <string>

#include "storage/BookTables.h"
#include "storage/RecordList.h"

class CDatabase;

// A book row; the deleted flag and the position in the list are the
// record's (CRecord::IsDeleted, Position).
class CHaushaltsbuch : public CHaushaltsbuchRow {};

class CHaushaltsbuchList : public CRecordList<CHaushaltsbuch> {
 public:
  static constexpr const char* kLoadSql = "select * from [Haushaltsbuch]";

  // Appends every book row of the database; returns how many. Also learns
  // the highest book id any row of any table still carries, which new
  // books continue.
  int Load(CDatabase& database);

  // Appends a new book made today and returns it (owned by the list): named
  // "Buch%d" after its id, created and last changed today, its months from
  // six before today's month to three after it (all loaded), the current
  // month the first of them, three months ahead, the current month chosen
  // by the user, every other column 0. Its BuchId is one above every id in use: the
  // books of the list (deleted ones included) and, once the list was
  // loaded, every row of the database, so a deleted book's leftover
  // accounts, entries or months never turn up in a new book.
  CHaushaltsbuch& New();

  // The book shown at the position of the book screen's list, which leaves
  // out the books marked deleted; null when there is none. Not owned by
  // the caller.
  CHaushaltsbuch* FindAtListPosition(int listPosition);
  // The position of the book in the book screen's list; -1 for a deleted
  // book or one not in this list.
  int ListPosition(const CHaushaltsbuch& book) const;

  // IsCurrentBook = 1 on every book not marked deleted named exactly so,
  // 0 on all others.
  void MarkCurrent(const std::string& name);

  // Writes every book (deleted ones are deleted, others updated or
  // inserted) in one transaction; the deleted ones then leave the list.
  // On failure the error propagates and the list stays as it was.
  void Store(CDatabase& database);

  // The id New would give.
  int NextBuchId() const;

 private:
  int highestIdInDatabase_ = 0;
};

// The highest BuchId carried by any row of any table with a BuchId column;
// 0 for a database without any.
int HighestBuchIdInUse(CDatabase& database);
