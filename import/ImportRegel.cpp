#include "import/ImportRegel.h"

#include <string>

#include "import/RuleMatching.h"

CImportRegelData* CImportRegel::FindFirstActive(int regelTyp, int formatId) {
  for (CImportRegelData& rule : *this)
    if (rule.IsActive() && rule.RegelTypId == regelTyp && rule.ServesFormat(formatId)) return &rule;
  return nullptr;
}

CImportRegelData* CImportRegel::FindFirstActiveBound(int regelTyp, int formatId) {
  for (CImportRegelData& rule : *this)
    if (rule.IsActive() && rule.RegelTypId == regelTyp && rule.BoundToFormat(formatId)) return &rule;
  return nullptr;
}

CImportRegelData* CImportRegel::FindListRow(int row) {
  if (row < 0) return nullptr;
  for (CImportRegelData& rule : *this)
    if (!rule.IsDeleted() && rule.listRow == row) return &rule;
  return nullptr;
}

CImportRegelData* CImportRegel::FindKontoInfoRule(std::string_view accountText, int formatId) {
  const std::string upperText = RuleUpperText(accountText);
  for (CImportRegelData& rule : *this) {
    if (!rule.IsActive() || rule.RegelTypId != kRegelKontoInfo) continue;
    // The format's own account rule must not name the account of another
    // bank's file.
    if (!rule.ServesFormat(formatId)) continue;
    if (!RuleTextIsMandatory(rule) || RuleTextHolds(rule, upperText)) return &rule;
  }
  return nullptr;
}
