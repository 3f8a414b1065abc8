#include "import/BalanceRecords.h"

#include <algorithm>
#include <utility>

#include "import/ImportRecord.h"
#include "import/ImportRegel.h"
#include "import/MappingPhases.h"
#include "import/RuleChoice.h"
#include "model/MonthMath.h"

namespace {

CDate FirstOfMonth(int monthId) {
  const CDate::CYmd day = FirstDayOfMonth(monthId);
  return CDate::FromYmd(day.year, day.month, day.day);
}

bool IsBookingOf(const CImportRecord& record, int fileNumber, int accountId) {
  return record.kind != kImportKindAccountInfo && record.kind != kImportKindBalance &&
         record.fileNumber == fileNumber && record.accountId == accountId;
}

// By date, then by id; ascending or descending.
void SortByDateAndId(CTmpFileImport& records, bool ascending) {
  std::stable_sort(records.Records().begin(), records.Records().end(),
                   [ascending](const std::unique_ptr<CImportRecord>& a, const std::unique_ptr<CImportRecord>& b) {
                     const auto keyA = std::make_pair(a->date, a->id);
                     const auto keyB = std::make_pair(b->date, b->id);
                     return ascending ? keyA < keyB : keyB < keyA;
                   });
}

void SortByDate(CTmpFileImport& records) {
  std::stable_sort(records.Records().begin(), records.Records().end(),
                   [](const std::unique_ptr<CImportRecord>& a, const std::unique_ptr<CImportRecord>& b) {
                     return a->date < b->date;
                   });
}

// A line can be a booking and a balance line at once; the balance wins.
void RemoveBookingsOfLine(CTmpFileImport& records, const CImportRecord& balanceLine) {
  std::erase_if(records.Records(), [&](const std::unique_ptr<CImportRecord>& record) {
    return record->kind != kImportKindBalance && record->fileNumber == balanceLine.fileNumber &&
           record->lineNumber == balanceLine.lineNumber;
  });
}

struct CBalancePair {
  CImportRegelData* rule = nullptr;
  CImportRecord* record = nullptr;
};

std::vector<CBalancePair> PairBalanceLines(CTmpFileImport& records, const CMappingContext& context,
                                           const CRuleChoice& choice) {
  std::vector<CBalancePair> pairs;
  for (const auto& record : records) {
    if (record->kind != kImportKindBalance || record->assignment != kAssignmentOpen ||
        record->checkState == kCheckComputedBalance)
      continue;
    CImportRegelData* rule = choice.Choose(*record, kWantBalance, true);
    if (rule == nullptr) {
      record->skip = 1;
      continue;
    }
    record->rule = rule;
    record->ruleId = rule->ImportRegelId;
    AssignAccount(*record, context.accounts, rule->KontoStandKontoId);
    pairs.push_back({rule, record.get()});
  }
  return pairs;
}

void ComputeBalanceRecords(CTmpFileImport& records, const CBalancePair& pair) {
  const bool forwards = pair.rule->m_iKontoStandAltNeu == 1;
  SortByDateAndId(records, forwards);
  const std::vector<CMonthBalance> balances =
      MonthBalances(records, pair.record->fileNumber, pair.rule->KontoStandKontoId, pair.record->amount, forwards);
  if (balances.empty()) return;
  pair.record->date = balances.front().date;
  pair.record->monthId = MonthIdOfDate(balances.front().date);
  for (std::size_t i = 1; i < balances.size(); ++i) AppendComputedBalance(records, *pair.record, balances[i]);
}

}  // namespace

std::vector<CMonthBalance> MonthBalances(const CTmpFileImport& records, int fileNumber, int accountId,
                                         double startBalance, bool forwards) {
  std::vector<CMonthBalance> balances;
  double balance = startBalance;
  int previousMonth = 0;
  CDate remembered;
  for (const auto& record : records) {
    if (!IsBookingOf(*record, fileNumber, accountId)) continue;
    const bool first = balances.empty();
    if (first) {
      balances.push_back({record->monthId, record->date, balance});
    } else if (record->monthId != previousMonth) {
      balances.push_back({forwards ? NextMonthId(previousMonth) : previousMonth, remembered, balance});
    }
    if (first || record->monthId != previousMonth)
      remembered = FirstOfMonth(forwards ? NextMonthId(record->monthId) : record->monthId);
    previousMonth = record->monthId;
    balance += forwards ? record->amount : -record->amount;
  }
  return balances;
}

CImportRecord& AppendComputedBalance(CTmpFileImport& records, const CImportRecord& line,
                                     const CMonthBalance& balance) {
  CImportRecord& record = records.New();
  record.fileNumber = line.fileNumber;
  record.lineNumber = line.lineNumber;
  record.formatId = line.formatId;
  record.format = line.format;
  record.ruleId = line.ruleId;
  record.rule = line.rule;
  record.description = kComputedBalanceDescription;
  record.accountText = line.accountText;
  record.transferText = kComputedBalanceTransferText;
  record.date = balance.date;
  record.amount = balance.balance;
  record.monthId = balance.monthId;
  record.kind = kImportKindBalance;
  record.checkState = kCheckComputedBalance;
  record.accountId = line.accountId;
  record.account = line.account;
  return record;
}

void MapBalances(CTmpFileImport& records, const CMappingContext& context, const CRuleChoice& choice) {
  for (const CBalancePair& pair : PairBalanceLines(records, context, choice)) {
    if (pair.rule->KontoStandRechnung != 0) ComputeBalanceRecords(records, pair);
    if (pair.rule->UebernahmeDirekt == 1) pair.record->directConfirmation = 1;
    RemoveBookingsOfLine(records, *pair.record);
  }
  SortByDate(records);
}
