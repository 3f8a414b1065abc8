#pragma once
// Writing one assigned import record into the book, by its kind, through
// the accounting operations only: a contract payment confirmed (and moved
// into the booking month when it is paid in another month than due), a new
// single entry, interest and fees of the account, a confirmed balance.
// Every change recomputes the accounts it touched.
//
// Nothing is stored here: the transfer stores the book and the UserImport
// rows together. User-interface thread only.

#include <string>

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

// Writes the record into the book according to its kind (kind 1 writes
// nothing and counts as written). The record itself is not changed.
// REQUIRES: the book data has its collections and database.
CWriteOutcome WriteRecordIntoBook(CBookData& book, const CImportRecord& record);
