#pragma once
// The rule mapping of the bank import: the six phases that assign each
// import record by the rules, in their fixed order, each ending with its
// line in the debug log, and the reading of the bank files that ends with
// the restore of earlier assignments and one mapping over all records.
// User-interface thread only.

#include "storage/Date.h"

class CBestandsdatenList;
class CBookData;
class CDebugLog;
class CImportFormat;
class CImportPacket;
class CImportRecord;
class CImportRegel;
class CRuleChoice;
class CTmpFileImport;
class CVertragList;

// What the mapping works with; every member outlives the mapping.
struct CMappingContext {
  CImportRegel& rules;
  CImportFormat& formats;
  CBestandsdatenList& accounts;
  CVertragList& contracts;
  CDebugLog& log;
  int firstLoadedMonthId = 0;  // the months due dates are looked for in
  int lastLoadedMonthId = 0;
};

// The context over the import manager's rules and formats and the book
// data's accounts, contracts, loaded months and debug log.
// REQUIRES: the book data has its collections.
CMappingContext MappingContextOf(CImportPacket& packet, CBookData& bookData);

inline constexpr const char* kTextNoTransfer = "kein Import";

// Gives the record the account (when its id is above 0 and the account has
// a record in a loaded month): account id, reference, and the account's
// name as account text. Returns whether it was given.
bool AssignAccount(CImportRecord& record, CBestandsdatenList& accounts, int accountId);

// The phases one by one, in the order RunMappingPhases runs them.
void MapAccountInformation(CTmpFileImport& records, const CMappingContext& context, const CRuleChoice& choice);
void MapContracts(CTmpFileImport& records, const CMappingContext& context, const CRuleChoice& choice);
void MapEntries(CTmpFileImport& records, const CMappingContext& context, const CRuleChoice& choice,
                bool concrete);
void CheckAssignedRecords(CTmpFileImport& records, const CMappingContext& context);
// The balances phase is in import/BalanceRecords.h (MapBalances).

// All six phases over every record of the list.
void RunMappingPhases(CTmpFileImport& records, const CMappingContext& context);

// Discards the records, parses every bank file of the packet with the
// format its name chooses, and then, once over the records of all files:
// restores the earlier assignments of every kind, runs the mapping phases
// and restores the balance records (kind 6) once more. Mapping once keeps a
// balance line of one file from being computed again for every further
// file. Returns the number of records.
int ReadAndMapFiles(CImportPacket& packet, const CMappingContext& context);
