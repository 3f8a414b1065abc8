#pragma once
// Writing one assigned import record into the book, by its kind, through
// the accounting operations only: a contract payment confirmed (and moved
// into the booking month when it is paid in another month than due), a new
// single entry, interest and fees of the account, a confirmed balance.
// The accounts a change touched are recomputed: at once where the change
// itself needs it, else together before a balance is confirmed and at the
// end (Finish), so that a thousand new entries do not each walk their
// account through every later month.
//
// Nothing is stored here: the transfer stores the book and the UserImport
// rows together. User-interface thread only.

#include <string>
#include <vector>

#include "accounting/AccountComputation.h"

class CBookData;
class CImportRecord;

// Why a record could not be written; the texts are formats of StrFormat.
inline constexpr const char* kTextMonthNotLoaded = "Der Monat %s ist nicht geladen.";
inline constexpr const char* kTextNoContract = "Der Datensatz ist keinem Vertrag zugeordnet.";
inline constexpr const char* kTextNoDueDate = "Der Datensatz ist keinem Fälligkeitstermin zugeordnet.";
inline constexpr const char* kTextNoDueEntry = "Der Vertrag %s hat am %s keine Fälligkeit.";
inline constexpr const char* kTextNoAccount = "Der Datensatz ist keinem Konto zugeordnet.";
inline constexpr const char* kTextNoAccountMonth = "Das Konto %s hat im Monat %s keinen Kontostand.";
inline constexpr const char* kTextInterestConfirmed =
    "Die Zinsen und Gebühren des Kontos %s im Monat %s sind schon bestätigt.";
inline constexpr const char* kTextNoKind = "Für den Datensatz ist keine Übernahmeart festgelegt.";
inline constexpr const char* kTextEntryRefused = "Der Eintrag konnte nicht in das Buch übernommen werden.";

struct CWriteOutcome {
  bool written = false;
  std::string reason;  // German, when not written
};

class CBookWriter {
 public:
  // REQUIRES: the book data has its collections and database and outlives
  // the writer.
  explicit CBookWriter(CBookData& book) : book_(book) {}

  // Writes the record into the book according to its kind (kind 1 writes
  // nothing and counts as written). The record itself is not changed.
  CWriteOutcome Write(const CImportRecord& record);
  // Recomputes the accounts still waiting for it.
  void Finish();

 private:
  CWriteOutcome WriteContractPayment(const CImportRecord& record);
  CWriteOutcome WriteEntry(const CImportRecord& record);
  CWriteOutcome WriteInterest(const CImportRecord& record);
  CWriteOutcome WriteBalance(const CImportRecord& record);
  bool IsLoaded(int monthId) const;

  CBookData& book_;
  std::vector<CAccountMonth> pending_;
};
