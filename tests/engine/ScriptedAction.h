// An engine client for tests: actions whose answers are scripted and whose
// every call is written to a shared log.
#pragma once

#include <string>
#include <vector>

#include "engine/Quorvel.h"

struct ScriptedCondition {
    int number;
    int first = 0;          // m_iFirst of the condition's problem
    bool required = true;
    int priority = 0;
    int horizon = 0;
};

class ScriptedAction : public CAIAction {
public:
    ScriptedAction(std::string name, int problemNumber, std::vector<std::string>* log, int* alive = nullptr);
    ~ScriptedAction() override;

    int GetParameters(CAIProblem* problem, CParameterSet* parameters) override;
    int GetConditions(CAIProblem* problem, CConditionSet* conditions) override;
    double GetValue(CAIProblem* problem, int direction, int combination) override;
    int Check(CAIProblem* problem) override;
    void Prepare(CAIProblem* problem) override;
    void Solved(CAIProblem* problem) override;
    int Perform(CAIProblem* problem) override;
    void Reserved(CAIProblem* problem) override;

    // The script.
    int checkResult = 1;
    double value = 0.0;
    std::vector<ScriptedCondition> conditions;
    std::vector<int> parameterFirsts;  // one parameter problem per entry, with that m_iFirst

    std::string name;

private:
    void Note(const char* call, CAIProblem* problem);

    std::vector<std::string>* m_log;
    int* m_alive;
};

// Counts how often a given call was logged.
int CountCalls(const std::vector<std::string>& log, const std::string& entry);
