#include "import/MappingPhases.h"

#include <algorithm>
#include <optional>
#include <string>
#include <unordered_map>

#include "accounting/Bestandsdaten.h"
#include "accounting/DueDates.h"
#include "accounting/Vertrag.h"
#include "import/BalanceRecords.h"
#include "import/ImportFormat.h"
#include "import/ImportPacket.h"
#include "import/ImportRecord.h"
#include "import/ImportRegel.h"
#include "import/Restore.h"
#include "import/RuleChecks.h"
#include "import/RuleChoice.h"
#include "model/BookData.h"
#include "model/DebugLog.h"
#include "model/MonthMath.h"

namespace {

bool IsAccountOrBalanceLine(const CImportRecord& record) {
  return record.kind == kImportKindAccountInfo || record.kind == kImportKindBalance;
}

void LinkRule(CImportRecord& record, CImportRegelData& rule) {
  record.rule = &rule;
  record.ruleId = rule.ImportRegelId;
}

// The account of an account-information rule for the records of its file:
// all of them, or those after its line.
void AssignAccountOfFile(CTmpFileImport& records, const CMappingContext& context, const CImportRecord& line,
                         int accountId, bool afterLineOnly) {
  for (const auto& record : records) {
    if (record->fileNumber != line.fileNumber) continue;
    if (afterLineOnly && record->lineNumber <= line.lineNumber) continue;
    // Account-information lines are neither shown nor transferred.
    if (record->kind == kImportKindAccountInfo) record->skip = 1;
    AssignAccount(*record, context.accounts, accountId);
  }
}

void MapAccountInformationLines(CTmpFileImport& records, const CMappingContext& context,
                                const CRuleChoice& choice) {
  for (const auto& record : records) {
    if (record->kind != kImportKindAccountInfo) continue;
    CImportRegelData* rule = choice.Choose(*record, kWantAccountInfo, true);
    if (rule == nullptr) continue;
    LinkRule(*record, *rule);
    record->skip = 1;
    if (rule->KontoInfoDatei != 0) AssignAccountOfFile(records, context, *record, rule->KontoInfoKontoId, false);
    if (rule->KontoInfoAbZeile != 0) AssignAccountOfFile(records, context, *record, rule->KontoInfoKontoId, true);
  }
}

// Most records of a file carry the same account text: the rule is looked
// for once per text and format.
class CAccountInfoRuleCache {
 public:
  explicit CAccountInfoRuleCache(CImportRegel& rules) : rules_(rules) {}
  CImportRegelData* Find(const std::string& accountText, int formatId) {
    const std::string key = std::to_string(formatId) + '\n' + accountText;
    const auto found = cache_.find(key);
    if (found != cache_.end()) return found->second;
    return cache_[key] = rules_.FindKontoInfoRule(accountText, formatId);
  }

 private:
  CImportRegel& rules_;
  std::unordered_map<std::string, CImportRegelData*> cache_;
};

void MapAccountTexts(CTmpFileImport& records, const CMappingContext& context) {
  CAccountInfoRuleCache cache(context.rules);
  for (const auto& record : records) {
    if (record->kind == kImportKindAccountInfo) continue;
    if (record->format != nullptr && record->format->m_iKontoInfoEinzelZeile != 0) continue;
    if (const CImportRegelData* rule = cache.Find(record->accountText, record->formatId))
      AssignAccount(*record, context.accounts, rule->KontoInfoKontoId);
  }
}

bool IsOpenBooking(const CImportRecord& record) {
  return !IsAccountOrBalanceLine(record) && record.assignment == kAssignmentOpen;
}

void ApplyContractRule(CImportRecord& record, const CMappingContext& context, const CImportRegelData& rule) {
  if (rule.UebernahmeDirekt == 1) record.directConfirmation = 1;
  if (rule.RegelTypId == kRegelZinsen) {
    record.transferText = rule.UebernahmeText;
    record.kind = kImportKindInterest;
    return;
  }
  CVertrag* contract = context.contracts.FindContract(rule.VertragId, kAllLoadedMonths);
  if (contract == nullptr) return;
  record.contract = contract;
  record.transferText = contract->Bezeichnung;
  record.contractId = contract->PostenId;
  record.kind = kImportKindContractPayment;
}

void ApplyEntryRule(CImportRecord& record, const CImportRegelData& rule) {
  if (rule.RegelTypId == kRegelKeineUebernahme) {
    record.transferText = kTextNoTransfer;
    record.kind = kImportKindNoTransfer;
    return;
  }
  record.transferText = rule.UebernahmeText;
  record.kind = kImportKindEntry;
  if (rule.UebernahmeDirekt == 1) record.directConfirmation = 1;
}

// The due dates of the contracts the final check asks for: each contract's
// records are collected once per check, and only the months a due date
// within the tolerance can lie in are looked at.
class CDueDateFinder {
 public:
  explicit CDueDateFinder(const CMappingContext& context) : context_(context) {}

  std::optional<CDate> Nearest(int contractId, const CDate& date, int days) {
    auto found = records_.find(contractId);
    if (found == records_.end()) found = records_.emplace(contractId, context_.contracts.RecordsOf(contractId)).first;
    const int first = std::max(context_.firstLoadedMonthId, MonthIdOfDate(date.AddDays(-days)));
    const int last = std::min(context_.lastLoadedMonthId, MonthIdOfDate(date.AddDays(days)));
    return NearestDue(found->second, date, first, last, days, days);
  }

 private:
  const CMappingContext& context_;
  std::unordered_map<int, std::vector<const CVertragRow*>> records_;
};

// A contract payment is matched with the contract's due date nearest to its
// booking date. A record that came with a due date (chosen on the transfer
// screen and restored from its UserImport row) keeps it.
void FindDueDate(CImportRecord& record, CDueDateFinder& dueDates, CImportRegelData& rule) {
  if (record.dueDate.IsZero() && record.HasDate())
    record.dueDate = dueDates.Nearest(rule.VertragId, record.date, DueDateSearchDays(rule)).value_or(CDate());
  if (!record.dueDate.IsZero()) rule.Datum = record.dueDate;
}

void CheckAssignedRecord(CImportRecord& record, const CMappingContext& context, CDueDateFinder& dueDates,
                         CImportRegelData& rule) {
  if (record.kind == kImportKindContractPayment) FindDueDate(record, dueDates, rule);
  const CRuleCheckResult check = CheckRecordAgainstRule(rule, record, &context.formats);
  if (check.severity == kPruefungWarnung) record.checkState = kCheckWarning;
  if (check.severity == kPruefungFehler) record.checkState = kCheckError;
  // Interest and fees take their month from the booking date and need no
  // due date.
  const bool missingDueDate = record.kind == kImportKindContractPayment && record.dueDate.IsZero();
  const bool missingText = record.kind != kImportKindNoTransfer && record.transferText.empty();
  if (missingDueDate || missingText) record.checkState = kCheckIncomplete;
}

}  // namespace

CMappingContext MappingContextOf(CImportPacket& packet, CBookData& bookData) {
  return {packet.Rules(),          packet.Formats(),
          *bookData.Accounts(),    *bookData.Contracts(),
          bookData.DebugLog(),     bookData.Book().FirstLoadMonatId,
          bookData.Book().LastLoadMonatId};
}

bool AssignAccount(CImportRecord& record, CBestandsdatenList& accounts, int accountId) {
  if (accountId <= 0) return false;
  CBestandsdaten* account = accounts.FindLiveAccount(accountId, kAllLoadedMonths);
  if (account == nullptr) return false;
  record.accountId = accountId;
  record.account = account;
  record.accountText = account->Bezeichnung;
  return true;
}

void MapAccountInformation(CTmpFileImport& records, const CMappingContext& context, const CRuleChoice& choice) {
  MapAccountInformationLines(records, context, choice);
  MapAccountTexts(records, context);
}

void MapContracts(CTmpFileImport& records, const CMappingContext& context, const CRuleChoice& choice) {
  for (const auto& record : records) {
    if (!IsOpenBooking(*record)) continue;
    CImportRegelData* rule = choice.Choose(*record, kWantContract, false);
    if (rule == nullptr) continue;
    LinkRule(*record, *rule);
    ApplyContractRule(*record, context, *rule);
  }
}

void MapEntries(CTmpFileImport& records, const CMappingContext&, const CRuleChoice& choice, bool concrete) {
  for (const auto& record : records) {
    if (!IsOpenBooking(*record)) continue;
    CImportRegelData* rule = choice.Choose(*record, kWantEntry, concrete);
    if (rule == nullptr) continue;
    LinkRule(*record, *rule);
    ApplyEntryRule(*record, *rule);
  }
}

void CheckAssignedRecords(CTmpFileImport& records, const CMappingContext& context) {
  CDueDateFinder dueDates(context);
  for (const auto& record : records) {
    if (IsAccountOrBalanceLine(*record) || record->assignment == kAssignmentImported ||
        record->checkState == kCheckImported || record->ruleId <= 0)
      continue;
    CImportRegelData* rule = record->rule != nullptr ? record->rule : context.rules.FindActive(record->ruleId);
    if (rule != nullptr) CheckAssignedRecord(*record, context, dueDates, *rule);
  }
}

void RunMappingPhases(CTmpFileImport& records, const CMappingContext& context) {
  const CRuleChoice choice(context.rules);
  MapAccountInformation(records, context, choice);
  context.log.Write("RegelMappingKontoInfo abgeschlossen");
  MapContracts(records, context, choice);
  context.log.Write("RegelMappingVertrag abgeschlossen");
  MapEntries(records, context, choice, true);
  context.log.Write("RegelMappingVorgang (konkret) abgeschlossen");
  MapEntries(records, context, choice, false);
  context.log.Write("RegelMappingVorgang (unkonkret) abgeschlossen");
  CheckAssignedRecords(records, context);
  context.log.Write("letzte RegelPruefung abgeschlossen");
  MapBalances(records, context, choice);
  context.log.Write("RegelMappingKontostand abgeschlossen");
}

int ReadAndMapFiles(CImportPacket& packet, const CMappingContext& context) {
  CTmpFileImport& records = packet.Records();
  records.Clear();
  packet.Files().ApplyFormats(packet.Formats(), records);
  RestoreAssignments(records, packet.UserImports(), packet.Rules(), kRestoreAllKinds);
  RunMappingPhases(records, context);
  RestoreAssignments(records, packet.UserImports(), packet.Rules(), kImportKindBalance);
  return records.Count();
}
