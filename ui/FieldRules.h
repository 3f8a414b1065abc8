#pragma once

// The field rules of a screen: a trigger control enables, disables, shows,
// hides, checks, resets or locks a target control depending on whether the
// trigger is "set". The engine knows no widgets; it reads and changes the
// controls through IRuleControls, which the dialog base implements over its
// widgets and tests implement over plain values.
//
// One evaluation runs every rule at most once, so rules that point at each
// other in a circle end instead of looping. UI thread only.

#include <map>
#include <set>
#include <string>
#include <vector>

#include "ui/ControlDescriptor.h"

// What a rule does to its target when the trigger is set / not set.
enum class RuleAction : int {
  Enable = 1,          // enable / disable and clear (also every unknown number)
  DisableClear = 2,    // disable and clear / enable
  Disable = 4,         // disable without clearing / enable
  Show = 5,            // show / hide
  Hide = 6,            // hide / show
  Check = 7,           // set: check a check box or radio button
  Reset = 8,           // set: reset the target; its own rules are not run
  MakeReadOnly = 9,    // read-only / editable
  MakeEditable = 10,   // editable / read-only
};

// Rule locking (when the screen switches it on): a rule of lock type
// HoldDisabled that disables its target keeps later rules of the same
// evaluation from enabling it; HoldEnabled the other way round.
enum class RuleLock : int { None = 0, HoldDisabled = 1, HoldEnabled = 2 };

// The state of one control as the rules see it.
struct CRuleControlValue {
  std::string text;        // edits and drop-down lists
  bool checked = false;    // check boxes and radio buttons
};

class IRuleControls {
 public:
  virtual ~IRuleControls() = default;
  virtual CRuleControlValue Value(int controlId) const = 0;
  // Enabling a number edit holding 0 clears it; enabling a drop-down list
  // without a selection selects its first entry.
  virtual void SetEnabled(int controlId, bool enabled) = 0;
  // Edit: empty text; drop-down list: no selection; check box, radio
  // button: unchecked.
  virtual void Clear(int controlId) = 0;
  virtual void SetVisible(int controlId, bool visible) = 0;
  virtual void SetChecked(int controlId, bool checked) = 0;
  virtual void SetReadOnly(int controlId, bool readOnly) = 0;
};

class CFieldRules {
 public:
  // REQUIRES: table and controls outlive the rules.
  CFieldRules(CControlTable table, IRuleControls& controls) : table_(table), controls_(controls) {}

  // A rule, in the order of creation. An action number outside 1 ... 10
  // behaves as RuleAction::Enable.
  void AddRule(int triggerId, int targetId, int action, RuleLock lock = RuleLock::None);
  // A group of items (a control of kind Group): set when at least one member
  // is set (count rules 0 to 2) or when all are (count rule 3).
  void AddGroup(int groupId, std::vector<int> memberIds, int countRule);
  void SetLocking(bool on) { locking_ = on; }

  // Whether the control is set: text and date edits and drop-down lists
  // when their text is not empty, number edits when their value is not 0,
  // check boxes and radio buttons when checked, buttons and spins always,
  // groups by their count rule. Controls missing from the table are not set.
  bool IsSet(int controlId) const;

  // Runs the rules after triggerId changed: those of its group, its own,
  // then every ordinary rule in the order of creation, each followed by the
  // rules of its target.
  void Evaluate(int triggerId);
  // Runs every ordinary rule, as a screen does when it asks for it.
  void EvaluateAll();

 private:
  struct CRule {
    int trigger;
    int target;
    RuleAction action;
    RuleLock lock;
  };
  struct CGroup {
    std::vector<int> members;
    int countRule;
  };

  void BeginEvaluation();
  void RunRulesOf(int triggerId);
  void RunOrdinaryRules();
  void Run(std::size_t ruleIndex);
  void Apply(const CRule& rule, bool set);
  void ApplyEnabled(const CRule& rule, int target, bool enabled);
  bool IsGroupMember(int controlId) const;
  bool IsOrdinary(const CRule& rule) const;
  int GroupOf(int controlId) const;

  CControlTable table_;
  IRuleControls& controls_;
  std::vector<CRule> rules_;
  std::map<int, CGroup> groups_;
  bool locking_ = false;
  std::set<std::size_t> ranThisEvaluation_;
  // Per target: true held enabled, false held disabled.
  std::map<int, bool> locks_;
};
