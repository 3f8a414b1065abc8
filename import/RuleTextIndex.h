#pragma once
// CRuleTextIndex: the rules of a collection by their mandatory identifying
// text, so the rules a purpose text can fit are found without trying every
// rule: equal texts in a hash table, contained texts in one pattern
// automaton, and the rules without mandatory text in a list of their own.
// Used by CRuleChoice; see there for when it must be built anew.

#include <memory>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

class CImportRegel;
class CImportRegelData;
class CPatternAutomaton;

class CRuleTextIndex {
 public:
  // Indexes every rule of the collection, deleted and inactive ones too
  // (those are skipped when asked). REQUIRES: `rules` outlives the index.
  explicit CRuleTextIndex(CImportRegel& rules);
  ~CRuleTextIndex();
  CRuleTextIndex(const CRuleTextIndex&) = delete;
  CRuleTextIndex& operator=(const CRuleTextIndex&) = delete;

  // Into `orders` (cleared first), ascending: the list positions, as at
  // building, of the rules whose mandatory text criterion holds for the
  // upper-case purpose text, and of every rule without one.
  void Candidates(std::string_view upperPurpose, std::vector<int>& orders) const;

  // The rule at the list position as at building. REQUIRES: 0 <= order <
  // RuleCount().
  CImportRegelData& Rule(int order) const { return *rules_[order]; }
  int RuleCount() const { return static_cast<int>(rules_.size()); }

 private:
  struct CTextHash {
    using is_transparent = void;
    std::size_t operator()(std::string_view text) const { return std::hash<std::string_view>{}(text); }
  };

  // The patterns of the automaton, and where each stands among them.
  struct CPatterns {
    std::vector<std::string> texts;
    std::unordered_map<std::string, int> positions;
  };

  void IndexRule(CImportRegelData& rule, int order, CPatterns& patterns);

  std::vector<CImportRegelData*> rules_;
  std::vector<int> withoutText_;
  std::unordered_map<std::string, std::vector<int>, CTextHash, std::equal_to<>> equalTexts_;
  // Per pattern of the automaton, the rules that contain-match on it.
  std::vector<std::vector<int>> containedRules_;
  std::unique_ptr<CPatternAutomaton> automaton_;
};
