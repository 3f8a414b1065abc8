#include "import/FormatAnalysisBase.h"

#include "import/FormatAnalysisState.h"

namespace {

CFormatValues ValuesOf(CAIProblem* problem) {
  // Every problem of the recognition is a CAIStdProb; the engine passes one
  // with all values zero for a missing problem.
  const auto* values = dynamic_cast<const CAIStdProb*>(problem);
  if (values == nullptr) return {};
  return {values->m_iFirst, values->m_iSecond, values->m_dFirst};
}

}  // namespace

int CFormatAction::GetParameters(CAIProblem* problem, CParameterSet* parameters) {
  Offer(ValuesOf(problem), *parameters);
  return 0;
}

int CFormatAction::GetConditions(CAIProblem* problem, CConditionSet* conditions) {
  Require(ValuesOf(problem), *conditions);
  return 0;
}

double CFormatAction::GetValue(CAIProblem* problem, int, int) {
  state_.LogFormatted("Valuation %d", m_iActionId);
  return Value(ValuesOf(problem));
}

void CFormatAction::Solved(CAIProblem* problem) {
  state_.LogFormatted("ImnerExecute %d", m_iActionId);
  Record(ValuesOf(problem));
}

int CFormatAction::Perform(CAIProblem* problem) {
  Apply(ValuesOf(problem));
  return 0;
}

void CFormatAction::Add(CParameterSet& parameters, int first, int second, double firstD) {
  CAIStdProb values(first, second, firstD, 0.0, nullptr);
  parameters.NewParameterSet(&values);
}

void CFormatAction::Need(CConditionSet& conditions, int problemNumber, int first, int second) {
  CAIStdProb values(first, second, 0.0, 0.0, nullptr);
  conditions.NewProblem(problemNumber, &values);
}

void CFormatAction::Allow(CConditionSet& conditions, int problemNumber, int first, int second) {
  CAIStdProb values(first, second, 0.0, 0.0, nullptr);
  conditions.NewMayProblem(problemNumber, &values);
}
