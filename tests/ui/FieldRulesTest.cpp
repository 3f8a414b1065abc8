#include "ui/FieldRules.h"

#include <gtest/gtest.h>

#include <array>
#include <map>

namespace {

constexpr int kName = 1, kAmount = 2, kCheck = 3, kTarget = 4, kOther = 5, kRadio = 6, kGroup = 9;

constexpr std::array<CControlDescriptor, 7> kTable = {{
    {kName, ControlKind::Edit, FieldType::Text, 20, nullptr, 0},
    {kAmount, ControlKind::Edit, FieldType::Number, 2, nullptr, 0},
    {kCheck, ControlKind::CheckBox, FieldType::Text, 0, nullptr, 0},
    {kTarget, ControlKind::Edit, FieldType::Text, 20, nullptr, 0},
    {kOther, ControlKind::Edit, FieldType::Text, 20, nullptr, 0},
    {kRadio, ControlKind::RadioButton, FieldType::Text, 0, nullptr, 0},
    {kGroup, ControlKind::Group, FieldType::Text, 0, nullptr, 0},
}};

// Controls as plain values, with a journal of what the rules did.
class CFakeControls final : public IRuleControls {
 public:
  struct CState {
    std::string text;
    bool checked = false;
    bool enabled = true;
    bool visible = true;
    bool readOnly = false;
  };

  CRuleControlValue Value(int id) const override { return {states_.at(id).text, states_.at(id).checked}; }
  void SetEnabled(int id, bool enabled) override { Log(id, enabled ? "enable" : "disable").enabled = enabled; }
  void Clear(int id) override {
    CState& state = Log(id, "clear");
    state.text.clear();
    state.checked = false;
  }
  void SetVisible(int id, bool visible) override { Log(id, visible ? "show" : "hide").visible = visible; }
  void SetChecked(int id, bool checked) override { Log(id, "check").checked = checked; }
  void SetReadOnly(int id, bool readOnly) override { Log(id, readOnly ? "readonly" : "editable").readOnly = readOnly; }

  CState& operator[](int id) { return states_[id]; }
  std::vector<std::string> journal;

 private:
  CState& Log(int id, const std::string& what) {
    journal.push_back(std::to_string(id) + " " + what);
    return states_[id];
  }
  std::map<int, CState> states_{{kName, {}}, {kAmount, {}}, {kCheck, {}}, {kTarget, {}},
                                {kOther, {}}, {kRadio, {}}};
};

class FieldRulesTest : public ::testing::Test {
 protected:
  CFakeControls controls;
  CFieldRules rules{kTable, controls};
};

TEST_F(FieldRulesTest, TriggersAreSetByTheirKind) {
  EXPECT_FALSE(rules.IsSet(kName));
  controls[kName].text = "x";
  EXPECT_TRUE(rules.IsSet(kName));
  controls[kAmount].text = "0,00";
  EXPECT_FALSE(rules.IsSet(kAmount));
  controls[kAmount].text = "0,01";
  EXPECT_TRUE(rules.IsSet(kAmount));
  rules.AddGroup(kGroup, {kCheck, kRadio}, 3);
  controls[kCheck].checked = true;
  EXPECT_FALSE(rules.IsSet(kGroup));
  controls[kRadio].checked = true;
  EXPECT_TRUE(rules.IsSet(kGroup));
  EXPECT_FALSE(rules.IsSet(77));
}

TEST_F(FieldRulesTest, ActionsAndTheirOpposites) {
  rules.AddRule(kName, kTarget, 1);
  rules.AddRule(kName, kOther, 4);
  rules.AddRule(kName, kRadio, 6);
  controls[kTarget].text = "alt";
  controls[kOther].text = "bleibt";
  rules.Evaluate(kName);
  EXPECT_EQ(controls.journal, (std::vector<std::string>{"4 disable", "4 clear", "5 enable", "6 show"}));
  EXPECT_EQ(controls[kOther].text, "bleibt");

  controls.journal.clear();
  controls[kName].text = "Bank";
  rules.Evaluate(kName);
  EXPECT_EQ(controls.journal, (std::vector<std::string>{"4 enable", "5 disable", "6 hide"}));
  EXPECT_EQ(controls[kOther].text, "bleibt");
}

TEST_F(FieldRulesTest, CheckCascadesResetStopsTheCascade) {
  // Rules of group members run only through their group or the cascade.
  rules.AddGroup(kGroup, {kCheck, kOther}, 0);
  rules.AddRule(kName, kCheck, 7);
  rules.AddRule(kCheck, kTarget, 5);
  rules.AddRule(kAmount, kOther, 8);
  rules.AddRule(kOther, kRadio, 6);
  controls[kName].text = "x";
  controls[kAmount].text = "3";
  rules.Evaluate(kName);
  EXPECT_TRUE(controls[kCheck].checked);
  EXPECT_EQ(controls.journal, (std::vector<std::string>{"3 check", "4 show", "5 clear"}));
}

TEST_F(FieldRulesTest, ACycleRunsEveryRuleOnceAndEnds) {
  rules.AddRule(kName, kTarget, 1);
  rules.AddRule(kTarget, kOther, 1);
  rules.AddRule(kOther, kName, 1);
  controls[kName].text = "x";
  controls[kTarget].text = "y";
  controls[kOther].text = "z";
  rules.Evaluate(kName);
  EXPECT_EQ(controls.journal, (std::vector<std::string>{"4 enable", "5 enable", "1 enable"}));
  controls.journal.clear();
  rules.EvaluateAll();
  EXPECT_EQ(controls.journal.size(), 3u);
}

TEST_F(FieldRulesTest, LockedDisableWinsOverLaterEnable) {
  rules.SetLocking(true);
  rules.AddRule(kName, kTarget, 2, RuleLock::HoldDisabled);
  rules.AddRule(kCheck, kTarget, 1);
  controls[kName].text = "x";
  controls[kCheck].checked = true;
  rules.Evaluate(kName);
  EXPECT_FALSE(controls[kTarget].enabled);
  EXPECT_EQ(controls.journal, (std::vector<std::string>{"4 disable", "4 clear"}));
}

TEST_F(FieldRulesTest, GroupRulesRunBeforeTheTriggersOwn) {
  rules.AddGroup(kGroup, {kCheck, kRadio}, 0);
  rules.AddRule(kCheck, kOther, 5);
  rules.AddRule(kGroup, kTarget, 5);
  controls[kRadio].checked = true;
  rules.Evaluate(kCheck);
  EXPECT_EQ(controls.journal, (std::vector<std::string>{"4 show", "5 hide"}));
  controls.journal.clear();
  rules.EvaluateAll();
  EXPECT_TRUE(controls.journal.empty());
}

}  // namespace
