#include "ui/FieldRules.h"

#include <algorithm>

#include "storage/Format.h"

namespace {

RuleAction ActionOf(int number) {
  if (number == 2 || (number >= 4 && number <= 10)) return static_cast<RuleAction>(number);
  return RuleAction::Enable;
}

}  // namespace

void CFieldRules::AddRule(int triggerId, int targetId, int action, RuleLock lock) {
  rules_.push_back({triggerId, targetId, ActionOf(action), lock});
}

void CFieldRules::AddGroup(int groupId, std::vector<int> memberIds, int countRule) {
  groups_[groupId] = {std::move(memberIds), countRule};
}

bool CFieldRules::IsSet(int controlId) const {
  if (const auto group = groups_.find(controlId); group != groups_.end()) {
    const auto& members = group->second.members;
    const auto memberSet = [this](int member) { return IsSet(member); };
    return group->second.countRule == 3 ? std::all_of(members.begin(), members.end(), memberSet)
                                        : std::any_of(members.begin(), members.end(), memberSet);
  }
  const CControlDescriptor* control = FindControl(table_, controlId);
  if (!control) return false;
  const CRuleControlValue value = controls_.Value(controlId);
  switch (control->kind) {
    case ControlKind::Edit:
    case ControlKind::ReadOnlyEdit:
      return IsNumberType(control->type) ? ParseGermanNumber(value.text) != 0.0 : !value.text.empty();
    case ControlKind::DropDown: return !value.text.empty();
    case ControlKind::CheckBox:
    case ControlKind::RadioButton: return value.checked;
    case ControlKind::Button:
    case ControlKind::Spin: return true;
    case ControlKind::ListView:
    case ControlKind::Group: return false;
  }
  return false;
}

void CFieldRules::Evaluate(int triggerId) {
  BeginEvaluation();
  if (const int group = GroupOf(triggerId); group != 0) RunRulesOf(group);
  RunRulesOf(triggerId);
  RunOrdinaryRules();
}

void CFieldRules::EvaluateAll() {
  BeginEvaluation();
  RunOrdinaryRules();
}

void CFieldRules::BeginEvaluation() {
  ranThisEvaluation_.clear();
  locks_.clear();
}

void CFieldRules::RunRulesOf(int triggerId) {
  for (std::size_t i = 0; i < rules_.size(); ++i)
    if (rules_[i].trigger == triggerId) Run(i);
}

void CFieldRules::RunOrdinaryRules() {
  for (std::size_t i = 0; i < rules_.size(); ++i)
    if (IsOrdinary(rules_[i])) Run(i);
}

void CFieldRules::Run(std::size_t ruleIndex) {
  // The one guard against circles: a rule that already ran in this
  // evaluation is not run again, however the cascade reaches it.
  if (!ranThisEvaluation_.insert(ruleIndex).second) return;
  const CRule rule = rules_[ruleIndex];
  const bool set = IsSet(rule.trigger);
  Apply(rule, set);
  // A reset target keeps its rules from running; every other change goes on
  // to the rules the target triggers.
  if (rule.action == RuleAction::Reset && set) return;
  RunRulesOf(rule.target);
}

void CFieldRules::Apply(const CRule& rule, bool set) {
  const int target = rule.target;
  switch (rule.action) {
    case RuleAction::Enable: ApplyEnabled(rule, target, set); break;
    case RuleAction::DisableClear:
    case RuleAction::Disable: ApplyEnabled(rule, target, !set); break;
    case RuleAction::Show: controls_.SetVisible(target, set); break;
    case RuleAction::Hide: controls_.SetVisible(target, !set); break;
    case RuleAction::Check: {
      const CControlDescriptor* control = FindControl(table_, target);
      const bool checkable =
          control && (control->kind == ControlKind::CheckBox || control->kind == ControlKind::RadioButton);
      if (set && checkable) controls_.SetChecked(target, true);
      break;
    }
    case RuleAction::Reset:
      if (set) controls_.Clear(target);
      break;
    case RuleAction::MakeReadOnly: controls_.SetReadOnly(target, set); break;
    case RuleAction::MakeEditable: controls_.SetReadOnly(target, !set); break;
  }
}

void CFieldRules::ApplyEnabled(const CRule& rule, int target, bool enabled) {
  if (locking_) {
    const auto held = locks_.find(target);
    if (held != locks_.end() && held->second != enabled) return;
    if (rule.lock == RuleLock::HoldDisabled && !enabled) locks_[target] = false;
    if (rule.lock == RuleLock::HoldEnabled && enabled) locks_[target] = true;
  }
  controls_.SetEnabled(target, enabled);
  const bool clears = rule.action != RuleAction::Disable;
  if (!enabled && clears) controls_.Clear(target);
}

bool CFieldRules::IsGroupMember(int controlId) const { return GroupOf(controlId) != 0; }

bool CFieldRules::IsOrdinary(const CRule& rule) const {
  return !IsGroupMember(rule.trigger) && groups_.find(rule.trigger) == groups_.end();
}

int CFieldRules::GroupOf(int controlId) const {
  for (const auto& [groupId, group] : groups_)
    if (std::find(group.members.begin(), group.members.end(), controlId) != group.members.end()) return groupId;
  return 0;
}
