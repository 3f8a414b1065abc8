#include "model/PlannerActionBase.h"

#include "model/PlannerOperations.h"

CPlannerValues ValuesOf(CAIProblem* problem) {
  const auto* values = static_cast<const CAIStdProb*>(problem);
  if (!values) return {};
  // from and mask travel as doubles and are cut to whole numbers.
  return {values->m_iFirst, values->m_iSecond, static_cast<int>(values->m_dFirst),
          static_cast<int>(values->m_dSecond), values->m_pData};
}

namespace {

CAIStdProb ProblemOf(const CPlannerValues& values) {
  return CAIStdProb(values.key, values.month, values.from, values.mask, values.record);
}

}  // namespace

void Require(CConditionSet& conditions, int problemNumber, const CPlannerValues& values) {
  CAIStdProb problem = ProblemOf(values);
  conditions.NewProblem(problemNumber, &problem);
}

void Allow(CConditionSet& conditions, int problemNumber, const CPlannerValues& values) {
  CAIStdProb problem = ProblemOf(values);
  conditions.NewMayProblem(problemNumber, &problem);
}

void RequireLoaded(CConditionSet& conditions, const CPlannerContext& context, int monthId) {
  if (context.NeedsLoading(monthId)) Require(conditions, planner_problem::kLoadMonth, {.key = monthId});
}

int BoundaryMonth(const CLoadWindow& window, int monthId) {
  if (monthId < window.first) return window.first;
  if (monthId > window.last) return window.last;
  return 0;
}

int RangeSourceMonth(const CLoadWindow& window, int monthId) {
  return monthId > window.last ? window.last : kAnyLoadedMonth;
}

int CPlannerAction::GetConditions(CAIProblem* problem, CConditionSet* conditions) {
  AddConditions(ValuesOf(problem), *conditions);
  return 0;
}

int CPlannerAction::Perform(CAIProblem* problem) {
  Act(ValuesOf(problem));
  return 0;
}
