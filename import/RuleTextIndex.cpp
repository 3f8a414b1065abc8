#include "import/RuleTextIndex.h"

#include <algorithm>

#include "import/ImportRegel.h"
#include "import/PatternAutomaton.h"
#include "import/RuleMatching.h"

CRuleTextIndex::CRuleTextIndex(CImportRegel& rules) {
  CPatterns patterns;
  for (CImportRegelData& rule : rules) {
    const int order = static_cast<int>(rules_.size());
    rules_.push_back(&rule);
    IndexRule(rule, order, patterns);
  }
  automaton_ = std::make_unique<CPatternAutomaton>(patterns.texts);
}

CRuleTextIndex::~CRuleTextIndex() = default;

// Equal upper-case texts share one pattern of the automaton.
void CRuleTextIndex::IndexRule(CImportRegelData& rule, int order, CPatterns& patterns) {
  if (!RuleTextIsMandatory(rule)) {
    withoutText_.push_back(order);
    return;
  }
  std::string upper = RuleUpperText(rule.Kennstring);
  if (rule.KennstringEnthalten == 0) {
    equalTexts_[std::move(upper)].push_back(order);
    return;
  }
  // Every text contains the empty text.
  if (upper.empty()) {
    withoutText_.push_back(order);
    return;
  }
  const auto [known, isNew] = patterns.positions.try_emplace(upper, static_cast<int>(patterns.texts.size()));
  if (!isNew) {
    containedRules_[known->second].push_back(order);
    return;
  }
  patterns.texts.push_back(std::move(upper));
  containedRules_.push_back({order});
}

void CRuleTextIndex::Candidates(std::string_view upperPurpose, std::vector<int>& orders) const {
  orders.assign(withoutText_.begin(), withoutText_.end());
  if (const auto equal = equalTexts_.find(upperPurpose); equal != equalTexts_.end())
    orders.insert(orders.end(), equal->second.begin(), equal->second.end());
  automaton_->Search(upperPurpose, [&](int pattern) {
    orders.insert(orders.end(), containedRules_[pattern].begin(), containedRules_[pattern].end());
  });
  // Every rule sits in exactly one of the three places, so no order repeats.
  std::sort(orders.begin(), orders.end());
}
