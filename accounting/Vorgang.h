#pragma once
// An entry of one month (a row of Vorgang) with its in-memory marks, and the
// entries of all loaded months.

#include "model/MonthRecordList.h"
#include "storage/AccountTables.h"

class CVertrag;

class CVorgang : public CVorgangRow {
 public:
  static constexpr const char* kLoadMonthSql =
      "select * from [Vorgang] where Vorgang.BuchId = %d and Vorgang.MonatId = %d;";
  static constexpr const char* kHighestIdSql =
      "select max(PostenId) as n from [Vorgang] where Vorgang.BuchId = %d;";

  // Set by every change; an entry whose row exists is written only then.
  int changed = 0;
  // The contract record the entry was made from, when it is loaded; not
  // owned (the contracts collection owns it).
  CVertrag* contract = nullptr;

  // New and deleted entries are always written, existing ones when changed.
  bool NeedsStore() const { return changed != 0 || IsDeleted() || !KnownInDatabase(); }
  void MarkStored() { changed = 0; }
};

class CVorgangList : public CMonthRecordList<CVorgang> {};
