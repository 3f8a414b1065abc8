#pragma once
// The choice of the one import rule for a bank record. CRuleChoice indexes
// the identifying texts of the rules once (exact texts in a hash table,
// contained texts in one automaton over all of them), so a record is matched
// only against the rules its purpose text can fit, not against every rule.
// The result is the same as walking all rules in list order
// (ChooseRuleByWalk, kept as the reference).
//
// Contract for the mapping: build one CRuleChoice per mapping run, after the
// rules were loaded or edited, and call Choose for each record and phase.
// User-interface thread only.

#include <memory>
#include <string_view>
#include <vector>

class CImportRecord;
class CImportRegel;
class CImportRegelData;
class CRuleTextIndex;

// The rule type a mapping phase asks for. Contract and interest rules are
// asked for together, as are single-entry and no-transfer rules.
enum EWantedRule : int {
  kWantContract = 2,     // rule types 2 and 4
  kWantEntry = 3,        // rule types 3 and 1
  kWantAccountInfo = 5,  // rule type 5
  kWantBalance = 6,      // rule type 6
};

// Whether a rule of the type answers the question for `wanted`.
bool RuleTypeFits(int regelTyp, int wanted);
// Whether an active rule takes part in the choice: its type fits, and with
// the concrete choice a rule of a type other than 5 and 6 needs an
// UebernahmeText.
bool RuleIsCandidate(const CImportRegelData& rule, int wanted, bool concrete);

class CRuleChoice {
 public:
  // Indexes the rules. REQUIRES: `rules` outlives the choice, and the choice
  // is built anew after a rule was added or removed or its identifying text
  // (Kennstring, UseKennstring, KennstringPflicht, KennstringEnthalten)
  // changed. Everything else of a rule (active, type, date, amount, format,
  // deleted mark) is read when a record is matched.
  explicit CRuleChoice(CImportRegel& rules);
  ~CRuleChoice();
  CRuleChoice(const CRuleChoice&) = delete;
  CRuleChoice& operator=(const CRuleChoice&) = delete;

  // Chooses the rule for the record:
  // - an imported record (check state 6), and for kWantEntry a record of
  //   check state 1, gets none and stays as it is;
  // - otherwise its check state becomes 0; when two active candidates match
  //   it becomes 5 ("Regelkonflikt") and none is chosen; when exactly one
  //   matches it becomes 1 and that rule is returned.
  // The record's rule fields are not set: linking is the mapping's. The
  // rule belongs to the collection.
  CImportRegelData* Choose(CImportRecord& record, int wanted, bool concrete) const;

  // Every active candidate rule that matches the record, in list order;
  // the record is not changed. For lists that offer the matching rules.
  std::vector<CImportRegelData*> Matching(const CImportRecord& record, int wanted, bool concrete) const;

 private:
  // The active candidates matching the record, in list order, at most
  // `limit` of them.
  std::vector<CImportRegelData*> Collect(const CImportRecord& record, int wanted, bool concrete,
                                         std::size_t limit) const;

  std::unique_ptr<CRuleTextIndex> index_;
  // Scratch of Collect, kept so a run does not allocate it per record.
  mutable std::vector<int> orders_;
};

// The same choice by walking every rule in list order: the reference the
// index is measured against, and enough where one record is matched once.
CImportRegelData* ChooseRuleByWalk(CImportRegel& rules, CImportRecord& record, int wanted, bool concrete);
