#pragma once
// The checks and questions before a contract's changes are applied or the
// contract is deleted, and writing the contract screen's values into a
// record with the pending change flags they need. Every message goes
// through the message sink; a refused change leaves the record unchanged.
// User-interface thread only.

#include "accounting/Vertrag.h"

class CBookData;
class CVorgangList;

// Applying the screen's values: STRING 125 without a name, STRING 134 for a
// day cycle without a number of days, and for a new contract STRING 130
// when another contract of a loaded month has the name (No refuses).
// Returns false when the change is refused.
bool CheckContractChange(CVertragList& contracts, const CVertragRow& edited, bool isNew);

// The pending change flags (kContractChange... bits) for the values in
// which `edited` differs from `stored`.
int ContractChangeFlags(const CVertragRow& stored, const CVertragRow& edited);

// Writes the screen's values into the record (keys and in-memory state
// stay), with the values that follow from them: the reserve for every
// cycle that is not monthly, a term of 0 months switched off, the last
// month from the term. Adds the pending flags of what changed and marks
// the record for renewal of its due entries.
void ApplyContractChange(CVertrag& record, const CVertragRow& edited);

// Live entries of the contract in the months first ... last that its
// deletion keeps or deletes (the monthly share entries are not counted).
int CountDependentEntries(CVorgangList& entries, int postenId, int firstMonthId, int lastMonthId);

// Deleting the contract completely: STRING 114 unless every month from its
// first month to the last existing one is loaded, then STRING 113, then,
// when entries depend on it (the last existing month counted too), STRING
// 109 with Yes/No/Cancel, remembered in the planner's question store under
// PostenId × 109 (Cancel refuses). Then planner request 29 with the
// contract's first loaded record, which removes it from every month and
// keeps (Yes) or deletes (No) its entries. Returns the request's result,
// 0 when a check stopped it or the contract has no live record.
int DeleteContractCompletely(CBookData& bookData, int postenId);
