#pragma once
// The texts of an entry's row on the entry screen and in its prints.

#include <string>

#include "accounting/Vorgang.h"

class CVertragList;

// The row's icon by type and origin.
enum class EEntryIcon { Plain, Contract, Correction, Reserve, Interest };

struct CEntryRowTexts {
  std::string date;     // "Datum"
  std::string note;     // "Hinweis"
  std::string income;   // "Einahmen", empty when the amount is not income
  std::string expense;  // "Ausgaben"
  EEntryIcon icon = EEntryIcon::Plain;
};

// A contract entry paid in another month shows its due date with "!" and
// "bezahlt am %s" in the due month, "Fälligk. vom %s" in the payment month.
// A transfer's amount goes into the column of the filtered account
// (filterAccountId, 0 for none: both columns).
CEntryRowTexts EntryRowTexts(const CVorgang& entry, const CVertragList& contracts, int filterAccountId);

// The due date of a contract entry in month monthId: its own FaelligDatum
// when set, else the contract's first due date in that month; the zero date
// when neither is known.
CDate EntryDueDate(const CVorgang& entry, const CVertragList& contracts, int monthId);

EEntryIcon EntryIcon(const CVorgang& entry);
