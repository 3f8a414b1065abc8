#include "import/RuleChecks.h"

#include <cmath>
#include <string>

#include "import/ImportFormat.h"
#include "import/ImportRecord.h"
#include "import/ImportRegel.h"
#include "import/RuleMatching.h"
#include "model/StringTable.h"
#include "storage/Format.h"
#include "storage/StrFormat.h"

namespace {

// The final check looks this many days around a record's date for a due
// date when the rule allows no deviation of its own.
constexpr int kDefaultDueDateSearchDays = 3;

std::string EuroText(double euros) { return FormatGermanNumber(euros, 2); }

std::string FormatName(const CImportFormat* formats, int formatId) {
  const CImportFormatData* format = formats ? formats->FindId(formatId) : nullptr;
  return format ? format->Bezeichnung : std::string();
}

void AddProblem(CRuleCheckResult& result, int stringId, std::string text) {
  result.problems.push_back({stringId, std::move(text)});
}

void CheckText(const CImportRegelData& rule, const CImportRecord& record, CRuleCheckResult& result) {
  if (rule.UseKennstring == 0 || rule.KennstringPruef != 1) return;
  if (RuleTextHolds(rule, RuleUpperText(record.description))) return;
  const int id = rule.KennstringEnthalten != 0 ? kProblemTextNotContained : kProblemTextNotEqual;
  AddProblem(result, id, StringTableMessage(id, rule.Kennstring));
}

// The message names the tolerance the check applied.
void CheckDate(const CImportRegelData& rule, const CImportRecord& record, CRuleCheckResult& result) {
  if (rule.UseDatum == 0 || rule.DatumPruef == 0 || RuleDateHolds(rule, record.date)) return;
  AddProblem(result, kProblemDate, StringTableMessage(kProblemDate, StrFormat("%d", RuleDateTolerance(rule))));
}

// "gleich" compares the signed amount, the other comparisons the absolute
// one; each failed comparison has its own message, 145 to 149.
void CheckAmount(const CImportRegelData& rule, const CImportRecord& record, CRuleCheckResult& result) {
  if (rule.UseBetrag == 0 || rule.BetragPruef == 0) return;
  if (rule.OpBetrag < kOpGleich || rule.OpBetrag > kOpKleinerGleich) return;
  const double compared = rule.OpBetrag == kOpGleich ? record.amount : std::fabs(record.amount);
  if (RuleAmountHolds(rule, compared)) return;
  const int id = kProblemAmountDeviation + rule.OpBetrag - kOpGleich;
  const double shown = rule.OpBetrag == kOpGleich ? RuleAmountTolerance(rule) : rule.Betrag;
  AddProblem(result, id, StringTableMessage(id, EuroText(shown)));
}

void CheckFormat(const CImportRegelData& rule, const CImportRecord& record, const CImportFormat* formats,
                 CRuleCheckResult& result) {
  if (rule.UseImportFormat == 0 || rule.ImportFormatPruef == 0 || RuleFormatHolds(rule, record.formatId)) return;
  AddProblem(result, kProblemFormat,
             StringTableMessage(kProblemFormat, FormatName(formats, rule.ImportFormatId),
                                FormatName(formats, record.formatId)));
}

}  // namespace

CRuleCheckResult CheckRecordAgainstRule(const CImportRegelData& rule, const CImportRecord& record,
                                        const CImportFormat* formats) {
  CRuleCheckResult result;
  CheckText(rule, record, result);
  CheckDate(rule, record, result);
  CheckAmount(rule, record, result);
  CheckFormat(rule, record, formats, result);
  if (!result.problems.empty()) result.severity = rule.UebernahmePruefung;
  return result;
}

int DueDateSearchDays(const CImportRegelData& rule) {
  return rule.DatumAbweichung != 0 ? rule.DatumAnzahlTageAbweichung : kDefaultDueDateSearchDays;
}
