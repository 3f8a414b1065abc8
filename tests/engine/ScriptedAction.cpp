#include "ScriptedAction.h"

#include <algorithm>

ScriptedAction::ScriptedAction(std::string n, int problemNumber, std::vector<std::string>* log, int* alive)
    : CAIAction(static_cast<int>(n.empty() ? 0 : n[0]), problemNumber), name(std::move(n)), m_log(log),
      m_alive(alive) {
    if (m_alive != nullptr) ++*m_alive;
}

ScriptedAction::~ScriptedAction() {
    if (m_alive != nullptr) --*m_alive;
}

void ScriptedAction::Note(const char* call, CAIProblem* problem) {
    std::string entry = std::string(call) + " " + name;
    if (auto* p = dynamic_cast<CAIStdProb*>(problem); p != nullptr && p->m_iFirst != 0)
        entry += "/" + std::to_string(p->m_iFirst);
    m_log->push_back(entry);
}

int ScriptedAction::GetParameters(CAIProblem* problem, CParameterSet* parameters) {
    Note("GetParameters", problem);
    for (int first : parameterFirsts) {
        CAIStdProb p(first, 0, 0.0, 0.0, nullptr);
        parameters->NewParameterSet(&p);
    }
    return 0;
}

int ScriptedAction::GetConditions(CAIProblem* problem, CConditionSet* set) {
    Note("GetConditions", problem);
    CAIStdProb p;  // one object reused for every condition, as the program does
    for (const ScriptedCondition& c : conditions) {
        p.CAISetStdProb(c.first, 0, 0.0, 0.0, nullptr);
        COptimizeOptions o;
        o.m_iPriority = c.priority;
        o.m_iHorizon = c.horizon;
        if (c.required)
            set->NewProblem(c.number, &p, &o);
        else
            set->NewMayProblem(c.number, &p, &o);
    }
    return 0;
}

double ScriptedAction::GetValue(CAIProblem* problem, int, int) {
    Note("GetValue", problem);
    return value;
}

int ScriptedAction::Check(CAIProblem* problem) {
    Note("Check", problem);
    return checkResult;
}

void ScriptedAction::Prepare(CAIProblem* problem) { Note("Prepare", problem); }

void ScriptedAction::Solved(CAIProblem* problem) { Note("Solved", problem); }

int ScriptedAction::Perform(CAIProblem* problem) {
    Note("Perform", problem);
    return 1;
}

void ScriptedAction::Reserved(CAIProblem* problem) { Note("Reserved", problem); }

int CountCalls(const std::vector<std::string>& log, const std::string& entry) {
    return static_cast<int>(std::count(log.begin(), log.end(), entry));
}
