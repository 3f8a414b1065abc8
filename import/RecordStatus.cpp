#include "import/RecordStatus.h"

#include "import/ImportRecord.h"
#include "import/UserImport.h"
#include "storage/Format.h"

std::string RecordStatusText(const CImportRecord& record) {
  switch (record.checkState) {
    case kCheckUndetermined: return record.assignment == kAssignmentAssigned ? "Eingabe Ok" : "undefiniert";
    case kCheckOk: return "Ok";
    case kCheckWarning: return "Warnung";
    case kCheckError: return "Fehler";
    case kCheckIncomplete: return "unvollständig";
    case kCheckRuleConflict: return "Regelkonflikt";
    case kCheckImported: return record.kind == kImportKindNoTransfer ? "nicht importiert" : "importiert";
    default: return "";
  }
}

int RecordStatusColour(const CImportRecord& record) {
  switch (record.checkState) {
    case kCheckWarning: return 9;
    case kCheckError:
    case kCheckIncomplete:
    case kCheckRuleConflict: return 2;
    case kCheckImported: return 1;
    default: return kNoColour;
  }
}

int RecordImage(const CImportRecord& record) {
  const bool income = record.amount > 0.0;
  switch (record.kind) {
    case kImportKindNoTransfer: return 3;
    case kImportKindContractPayment: return income ? 18 : 17;
    case kImportKindEntry: return income ? 14 : 15;
    case kImportKindInterest: return income ? 30 : 31;
    case kImportKindAccountInfo: return 9;
    case kImportKindBalance: return record.amount >= 0.0 ? 12 : 13;
    default: return kNoImage;
  }
}

CImportListLine RecordListLine(const CImportRecord& record) {
  CImportListLine line;
  line.description = TruncateUtf8(record.description, kListDescriptionLength);
  line.accountText = record.accountText;
  if (record.HasDate()) line.date = record.date.ToScreenText();
  line.amount = FormatGermanNumber(record.amount, 2);
  line.status = RecordStatusText(record);
  line.transferText = record.transferText;
  line.image = RecordImage(record);
  line.colour = RecordStatusColour(record);
  return line;
}

void ResetRecord(CImportRecord& record) {
  if (record.userImport != nullptr) record.userImport->MarkDeleted();
  record.userImport = nullptr;
  record.format = nullptr;
  record.ruleId = 0;
  record.rule = nullptr;
  record.transferText.clear();
  record.accountId = 0;
  record.contractId = 0;
  record.categoryId = 0;
  record.account = nullptr;
  record.contract = nullptr;
  record.dueDate = CDate();
  record.directConfirmation = 0;
  record.checkState = kCheckUndetermined;
  record.kind = kImportKindUndetermined;
  record.assignment = kAssignmentOpen;
  record.monthId = 0;
}

void MarkNotToImport(CImportRecord& record, CUserImport& userImports) {
  ResetRecord(record);
  record.assignment = kAssignmentAssigned;
  record.kind = kImportKindNoTransfer;
  record.checkState = kCheckOk;
  CUserImportData& row = userImports.FindOrNewForRecord(record);
  row.ImportType = kImportKindNoTransfer;
  row.UserImportStatus = kUserImportAssigned;
  row.sUebernahmeText = kTextNotToImport;
  record.transferText = kTextNotToImport;
  record.userImport = &row;
}
