#include "import/Restore.h"

#include "import/ImportRecord.h"
#include "import/ImportRegel.h"
#include "import/UserImport.h"

namespace {

void TakeOverRow(CImportRecord& record, CUserImportData& row, CImportRegel& rules) {
  record.userImport = &row;
  record.assignment = row.UserImportStatus;
  if (row.UserImportStatus == kUserImportAssigned) record.checkState = kCheckOk;
  if (row.UserImportStatus == kUserImportImported) record.checkState = kCheckImported;
  record.transferText = row.sUebernahmeText;
  record.categoryId = row.KategorieId;
  record.kind = row.ImportType;
  if (row.VertragId != 0) {
    record.contractId = row.VertragId;
    record.dueDate = row.Faelligkeit;
  }
  record.ruleId = row.RegelId;
  if (record.rule == nullptr) record.rule = rules.FindActive(row.RegelId);
}

}  // namespace

int RestoreAssignments(CTmpFileImport& records, CUserImport& userImports, CImportRegel& rules, int kind) {
  int restored = 0;
  for (const auto& record : records) {
    if (kind != kRestoreAllKinds && record->kind != kind) continue;
    CUserImportData* row = userImports.FindForRecord(*record);
    if (row == nullptr) continue;
    TakeOverRow(*record, *row, rules);
    ++restored;
  }
  return restored;
}
