#pragma once
// The restore of earlier assignments: a bank record read again finds its
// UserImport row by the duplicate key and takes over what the row says
// (assignment state, kind, transfer text, category, contract and due date,
// rule). User-interface thread only.

class CImportRegel;
class CTmpFileImport;
class CUserImport;

// Every kind, for RestoreAssignments.
inline constexpr int kRestoreAllKinds = 0;

// For each record of the kind (kRestoreAllKinds: every record) that has a
// UserImport row: links the row; the assignment state becomes the row's
// status, the check state 1 for an assigned and 6 for an imported row;
// transfer text, category and kind come from the row, contract and due date
// when the row names a contract; the rule id is the row's, and a record
// without a rule gets the active rule of that id (none when it is deleted or
// inactive). Returns how many records found their row.
int RestoreAssignments(CTmpFileImport& records, CUserImport& userImports, CImportRegel& rules, int kind);
