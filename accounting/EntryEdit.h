#pragma once
// Creating, changing and deleting entries the way the entry screen does it:
// the checks of a changed capture date (STRING 116, 118, 117), writing the
// screen's values, moving an entry into the month of its capture date, and
// paying a contract's due entry in another month than it is due.
//
// Nothing here runs the planner. Every operation recomputes the accounts of
// every month the change touched (both ends of a transfer, old and new
// month) and reports them; booking corrections for confirmed balances is the
// caller's (planner request 7). User-interface thread only.

#include <string>
#include <vector>

#include "accounting/AccountComputation.h"
#include "accounting/Vorgang.h"
#include "storage/Date.h"

class CBookData;

// What the entry screen edits.
struct CEntryValues {
  int Typ = kEntryExpense;
  std::string Bezeichnung;
  int KategorieId = 0;
  double Betrag = 0.0;
  CDate Datum;
  int Bestaetigt = 0;
  int Sonder = 0;
  int BetrKontoId = 0;  // the affected account of all but transfers
  int SrcKontoId = 0;   // source and target of a transfer
  int TarKontoId = 0;
};


struct CEntryChange {
  bool applied = false;
  // The record that stands for the entry now (a move or a payment in
  // another month puts another record in its place); null when refused.
  CVorgang* entry = nullptr;
  // Every account of every month whose balance the change touched, before
  // and after it (both accounts of a transfer, old and new month), sorted
  // and without repeats.
  std::vector<CAccountMonth> affected;
};

// Entry names are held to this many characters.
inline constexpr std::size_t kEntryNameLength = 100;

class CEntryEditor {
 public:
  // REQUIRES: the book data has its entries collection and database and
  // outlives the editor.
  explicit CEntryEditor(CBookData& book);

  // The screen's new entry: the defaults of NewEntry in the current month,
  // confirmed, dated today, with the book's main account as affected
  // account. It joins the month of its capture date when it is applied.
  CVorgang& NewScreenEntry();

  // The checks before a change with capture date `date`: STRING 116 when it
  // lies outside the loaded months, STRING 118 when the entry's linked
  // payment month is not loaded, STRING 117 (Yes/No) when an existing entry
  // changes month. Returns false when refused (nothing changed).
  bool CheckChange(const CVorgang& entry, const CDate& date, bool isNew) const;

  // CheckChange, then the values go into the entry; an entry whose capture
  // date lies in another month moves there, a contract entry is paid in that
  // month (only its own due record and payment record take part).
  CEntryChange Apply(CVorgang& entry, const CEntryValues& values, bool isNew);

  // Marks the entry deleted.
  CEntryChange Delete(CVorgang& entry);

 private:
  CVorgang& PayInMonth(CVorgang& edited, const CEntryValues& values, int paymentMonth,
                       std::vector<CAccountMonth>& affected);
  bool IsLoaded(int monthId) const;

  CBookData& book_;
};

// Writes the screen's values into the entry and marks it changed; the
// accounts a type does not use are cleared.
void WriteEntryValues(CVorgang& entry, const CEntryValues& values);
// The entry's accounts in its month, added to `into`.
void AddAffectedAccounts(const CVorgang& entry, std::vector<CAccountMonth>& into);
