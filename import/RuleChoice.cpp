#include "import/RuleChoice.h"

#include <string>

#include "import/ImportRecord.h"
#include "import/ImportRegel.h"
#include "import/RuleMatching.h"
#include "import/RuleTextIndex.h"

namespace {

// Whether the choice looks at the record at all: an imported record keeps
// what it has, and the single-entry phases leave a record alone that an
// earlier phase gave a rule.
bool RecordTakesChoice(const CImportRecord& record, int wanted) {
  if (record.checkState == kCheckImported) return false;
  return !(wanted == kWantEntry && record.checkState == kCheckOk);
}

// Two matching rules are a conflict: the record gets none.
CImportRegelData* SettleChoice(CImportRecord& record, const std::vector<CImportRegelData*>& matching) {
  if (matching.size() > 1) {
    record.checkState = kCheckRuleConflict;
    return nullptr;
  }
  if (matching.empty()) return nullptr;
  record.checkState = kCheckOk;
  return matching.front();
}

bool ActiveCandidate(const CImportRegelData& rule, int wanted, bool concrete) {
  return rule.IsActive() && RuleIsCandidate(rule, wanted, concrete);
}

}  // namespace

bool RuleTypeFits(int regelTyp, int wanted) {
  switch (wanted) {
    case kWantContract:
      return regelTyp == kRegelVertrag || regelTyp == kRegelZinsen;
    case kWantEntry:
      return regelTyp == kRegelVorgang || regelTyp == kRegelKeineUebernahme;
    default:
      return regelTyp == wanted;
  }
}

bool RuleIsCandidate(const CImportRegelData& rule, int wanted, bool concrete) {
  if (!RuleTypeFits(rule.RegelTypId, wanted)) return false;
  const bool assignsAccount = rule.RegelTypId == kRegelKontoInfo || rule.RegelTypId == kRegelKontostand;
  return !concrete || assignsAccount || !rule.UebernahmeText.empty();
}

CRuleChoice::CRuleChoice(CImportRegel& rules) : index_(std::make_unique<CRuleTextIndex>(rules)) {}

CRuleChoice::~CRuleChoice() = default;

CImportRegelData* CRuleChoice::Choose(CImportRecord& record, int wanted, bool concrete) const {
  if (!RecordTakesChoice(record, wanted)) return nullptr;
  record.checkState = kCheckUndetermined;
  return SettleChoice(record, Collect(record, wanted, concrete, 2));
}

std::vector<CImportRegelData*> CRuleChoice::Matching(const CImportRecord& record, int wanted,
                                                     bool concrete) const {
  return Collect(record, wanted, concrete, static_cast<std::size_t>(index_->RuleCount()));
}

std::vector<CImportRegelData*> CRuleChoice::Collect(const CImportRecord& record, int wanted, bool concrete,
                                                    std::size_t limit) const {
  // The index has settled the identifying text of every rule it offers.
  index_->Candidates(RuleUpperText(record.description), orders_);
  std::vector<CImportRegelData*> matching;
  for (const int order : orders_) {
    if (matching.size() >= limit) break;
    CImportRegelData& rule = index_->Rule(order);
    if (ActiveCandidate(rule, wanted, concrete) && RuleMatchesBesidesText(rule, record)) matching.push_back(&rule);
  }
  return matching;
}

CImportRegelData* ChooseRuleByWalk(CImportRegel& rules, CImportRecord& record, int wanted, bool concrete) {
  if (!RecordTakesChoice(record, wanted)) return nullptr;
  record.checkState = kCheckUndetermined;
  const std::string upperPurpose = RuleUpperText(record.description);
  std::vector<CImportRegelData*> matching;
  for (CImportRegelData& rule : rules) {
    if (!ActiveCandidate(rule, wanted, concrete) || !RuleMatchesUpper(rule, record, upperPurpose)) continue;
    matching.push_back(&rule);
    if (matching.size() > 1) break;
  }
  return SettleChoice(record, matching);
}
