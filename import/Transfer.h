#pragma once
// The transfer of the import records into the book (button "Import
// \ndurchführen"): each record that is not skipped and not yet imported is
// tested, assigned (by the test, or by the user on the transfer screen),
// written into the book by its kind, and remembered as imported in its
// UserImport row. The book's changes and the UserImport rows are stored
// together in one transaction at the end.
//
// A record counts as imported only once its write into the book succeeded;
// a record that could not be written gets the check state "Fehler" with its
// reason in the result and stays open. When the store fails, memory and
// database are as they were before the transfer and the CDatabaseError
// propagates. User-interface thread only.

#include <string>
#include <vector>

class CBookData;
class CImportFormat;
class CImportRecord;
class CImportRegel;
class CTmpFileImport;
class CUserImport;

// The transfer screen (dialog 140) for one record the test found something
// to say about.
class ITransferConfirmation {
 public:
  virtual ~ITransferConfirmation() = default;
  // Shows the record; the screen assigns it (assignment state 1) or leaves
  // it open. Returns false when the user cancelled: the record is then left
  // alone.
  virtual bool Confirm(CImportRecord& record, int findings) = 0;
};

struct CTransferFailure {
  int recordId = 0;
  std::string description;
  std::string reason;  // German
};

struct CTransferResult {
  int imported = 0;   // written into the book and marked imported
  int left = 0;       // cancelled or left open on the transfer screen
  std::vector<CTransferFailure> failures;
};

// What the transfer works with; every member outlives the call.
struct CTransferContext {
  CBookData& book;
  CTmpFileImport& records;
  CUserImport& userImports;
  CImportFormat& formats;
  ITransferConfirmation& confirmation;
};

// The number of findings of the test of an open record: the check against
// its rule (0, or the rule's UebernahmePruefung when a check criterion
// failed), plus one each for a missing transfer text (kinds other than 1),
// a contract payment without due date, a rule that asks for a confirmation
// and a line that could not be read whole.
int TransferFindings(const CImportRecord& record, const CImportFormat& formats);

// Transfers the records in list order; see the head of this file.
CTransferResult TransferRecords(const CTransferContext& context);
