#include "import/Transfer.h"

#include "import/ImportRecord.h"
#include "import/ImportRegel.h"
#include "import/RuleChecks.h"
#include "import/TransferSnapshot.h"
#include "import/TransferWrite.h"
#include "import/UserImport.h"
#include "model/BookData.h"
#include "storage/Transaction.h"

namespace {

bool TakesPart(const CImportRecord& record) {
  // Account-information lines only name the account of other records.
  if (record.skip != 0 || record.assignment == kAssignmentImported || record.kind == kImportKindAccountInfo)
    return false;
  return record.kind != kImportKindBalance || record.checkState == kCheckComputedBalance;
}

// A new row learns the whole assignment, so that the record read again
// shows what it was imported as.
void FillNewRow(CUserImportData& row, const CImportRecord& record) {
  row.RegelId = record.ruleId;
  row.sUebernahmeText = record.transferText;
  row.VertragId = record.kind == kImportKindContractPayment ? record.contractId : 0;
  row.Faelligkeit = record.kind == kImportKindContractPayment ? record.dueDate : CDate();
  row.KategorieId = record.categoryId;
  row.iBestaetigt = record.directConfirmation;
  (record.amount < 0.0 ? row.VonKontoId : row.NachKontoId) = record.accountId;
}

void MarkImported(CImportRecord& record, CUserImport& userImports) {
  CUserImportData* row = record.userImport != nullptr ? record.userImport : userImports.FindForRecord(record);
  if (row == nullptr) {
    row = &userImports.NewForRecord(record);
    FillNewRow(*row, record);
  }
  row->ImportType = record.kind;
  row->UserImportStatus = kUserImportImported;
  record.userImport = row;
  record.checkState = kCheckImported;
  record.assignment = kAssignmentImported;
}

// Whether the record is assigned after its test: at once when there is
// nothing to say about it, else when the user assigned it on the transfer
// screen.
bool AssignAfterTest(CImportRecord& record, const CTransferContext& context, CTransferResult& result) {
  const int findings = TransferFindings(record, context.formats);
  if (findings == 0) {
    record.assignment = kAssignmentAssigned;
    return true;
  }
  if (context.confirmation.Confirm(record, findings) && record.assignment == kAssignmentAssigned) return true;
  ++result.left;
  return false;
}

void TransferRecord(CImportRecord& record, const CTransferContext& context, CBookWriter& writer,
                    CTransferResult& result) {
  const int assignmentBefore = record.assignment;
  if (record.assignment == kAssignmentOpen && !AssignAfterTest(record, context, result)) return;
  if (record.assignment != kAssignmentAssigned) return;
  const CWriteOutcome outcome = writer.Write(record);
  if (!outcome.written) {
    record.assignment = assignmentBefore;
    record.checkState = kCheckError;
    result.failures.push_back({record.id, record.description, outcome.reason});
    return;
  }
  MarkImported(record, context.userImports);
  ++result.imported;
}

// The book's loaded months and the UserImport rows in one transaction;
// memory is settled only after the commit.
void StoreTransfer(CBookData& book, CUserImport& userImports) {
  CDatabase& database = *book.Database();
  const int bookId = book.CurrentBookId();
  {
    CTransaction transaction(database);
    book.Accounts()->WriteMonth(database, bookId, kAllLoadedMonths);
    book.Entries()->WriteMonth(database, bookId, kAllLoadedMonths);
    book.Contracts()->WriteMonth(database, bookId, kAllLoadedMonths);
    userImports.WriteAll(database);
    transaction.Commit();
  }
  book.Accounts()->SettleMonth(kAllLoadedMonths);
  book.Entries()->SettleMonth(kAllLoadedMonths);
  book.Contracts()->SettleMonth(kAllLoadedMonths);
  userImports.Settle();
}

}  // namespace

int TransferFindings(const CImportRecord& record, const CImportFormat& formats) {
  int findings = 0;
  if (record.rule != nullptr) {
    findings += CheckRecordAgainstRule(*record.rule, record, &formats).severity;
    if (record.rule->UebernahmeMeldung == 1) ++findings;
  }
  if (record.kind != kImportKindNoTransfer && record.transferText.empty()) ++findings;
  if (record.kind == kImportKindContractPayment && record.dueDate.IsZero()) ++findings;
  if (!record.readProblem.empty()) ++findings;
  return findings;
}

CTransferResult TransferRecords(const CTransferContext& context) {
  CTransferResult result;
  CTransferSnapshot snapshot(context.book, context.records, context.userImports);
  try {
    CBookWriter writer(context.book);
    for (int position = 0; position < context.records.Count(); ++position) {
      CImportRecord& record = *context.records.At(position);
      if (TakesPart(record)) TransferRecord(record, context, writer, result);
    }
    writer.Finish();
    StoreTransfer(context.book, context.userImports);
  } catch (...) {
    snapshot.Restore();
    throw;
  }
  return result;
}
