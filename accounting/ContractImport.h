#pragma once
// Contracts and imported bank records: a new contract made from a record's
// values, and taking a record's differing values over into the contract it
// is assigned to. The import record itself belongs to the import; these
// take its plain values. User-interface thread only.

#include <string>

#include "accounting/Vertrag.h"
#include "storage/Date.h"

class CDatabase;

// What a contract takes from an imported bank record.
struct CContractImportValues {
  std::string name;     // from the matched rule, else the record's text
  double amount = 0.0;  // signed as booked: negative for money going out
  CDate date;           // the booking date: the first due date
  int kontoId = 0;
  int tarKontoId = 0;
  int kategorieId = 0;
};

inline constexpr std::size_t kImportedContractNameLength = 80;

// A new contract of the month from the record: the name cut to 80
// characters, an income for a non-negative amount and an expense of the
// positive amount otherwise, paid monthly, with the record's accounts,
// category and date. The list owns it.
CVertrag& ContractFromImport(CVertragList& contracts, CDatabase& database, int bookId, int monthId,
                             const CContractImportValues& values);

// The record assigned to an existing contract: for the category, the
// amount and the day of the due date, where they differ STRING 151 asks
// (Yes/No/Cancel) whether the record's value is taken over (the day keeps
// the first due date's year and month, clamped to its length). Cancel ends
// the comparison. Values taken over add the payment flag and mark the
// record for renewal. Returns how many values were taken over.
int TakeOverImportValues(CVertrag& contract, const CContractImportValues& values);
