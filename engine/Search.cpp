// The backward-chaining search over the registered actions, and the
// execution walk over a solution tree.
//
// A problem number is an OR node whose alternatives are the actions
// registered for it (one candidate step per parameter problem an action
// offers, or one on the problem itself); an action is an AND node whose
// children are the conditions it declares.
#include "Internal.h"

namespace quorvel {
namespace {

using Module = IAI_Module::Rep;

// Depth bookkeeping of one Solve call: entering counts one level, every way
// out gives it back.
class DepthLevel {
public:
    explicit DepthLevel(Module& m) : m_module(m) { ++m_module.depth; }
    ~DepthLevel() { --m_module.depth; }
    DepthLevel(const DepthLevel&) = delete;
    DepthLevel& operator=(const DepthLevel&) = delete;

private:
    Module& m_module;
};

bool BeyondLimits(const Module& m) {
    return m.depth > Module::kMaxDepth || (m.horizon != 0 && m.depth > m.horizon);
}

CCandidateSet BuildCandidates(Module& m, int number, CAIProblem* problem) {
    CCandidateSet candidates;
    for (CAIListNode* n = m.actions.Head(); n != nullptr; n = n->m_pNext) {
        auto* action = static_cast<CAIAction*>(n);
        if (action->m_iProblemNumber != number) continue;
        CParameterSet parameters;
        action->GetParameters(problem, &parameters);
        const CAIList& alternatives = parameters.Internal().problems;
        if (alternatives.Count() == 0) {
            candidates.push_back(std::make_unique<CSolutionStep>(action, CloneOrZero(problem)));
            continue;
        }
        ForEach<CAIProblem>(alternatives, [&](CAIProblem* p) {
            candidates.push_back(std::make_unique<CSolutionStep>(action, CloneOrZero(p)));
        });
    }
    return candidates;
}

std::unique_ptr<CSolutionTree> NewNode(std::unique_ptr<CSolutionStep> step) {
    auto node = std::make_unique<CSolutionTree>();
    node->m_iActionId = step->m_iActionId;
    node->Internal().step = std::move(step);
    return node;
}

// A condition's own horizon narrows the module's while it is being solved.
class ConditionHorizon {
public:
    ConditionHorizon(Module& m, const COptimizeOptions& o) : m_module(m), m_saved(m.horizon) {
        const int h = o.m_iHorizon;
        if (h != 0 && (h < m.horizon || m.horizon == 0)) m.horizon = h;
    }
    ~ConditionHorizon() { m_module.horizon = m_saved; }
    ConditionHorizon(const ConditionHorizon&) = delete;
    ConditionHorizon& operator=(const ConditionHorizon&) = delete;

private:
    Module& m_module;
    int m_saved;
};

std::unique_ptr<CSolutionTree> SolveCondition(Module& m, CConditionEntry& entry) {
    ConditionHorizon horizon(m, entry.m_Options);
    COptimizeOptions options(entry.m_Options);  // a veto below must not touch the entry
    return std::unique_ptr<CSolutionTree>(Solve(m, entry.m_iNumber, entry.m_pProblem.get(), options));
}

// Solves the conditions of a node. With optionalMayFail, a failing condition
// whose options say it is not required is skipped; otherwise every failure
// fails the node. Returns false when the node failed.
bool SolveConditions(Module& m, CConditionSet& conditions, CSolutionTree& node, bool optionalMayFail) {
    for (CAIListNode* n = conditions.Internal().entries.Head(); n != nullptr; n = n->m_pNext) {
        auto& entry = *static_cast<CConditionEntry*>(n);
        std::unique_ptr<CSolutionTree> sub = SolveCondition(m, entry);
        if (sub) {
            node.Internal().children.Append(sub.release());
            continue;
        }
        if (!optionalMayFail || entry.m_Options.m_iRequired == 1) return false;
    }
    return true;
}

double TreeValue(CSolutionTree& tree, int direction, int combination) {
    CSolutionStep& step = *tree.Internal().step;
    const double own = step.m_pAction->GetValue(step.m_pProblem.get(), direction, combination);
    const CAIList& children = tree.Internal().children;
    if (children.Count() == 0) return own;
    const bool multiply = combination == 1;
    double acc = multiply ? 1.0 : 0.0;
    ForEach<CSolutionTree>(children, [&](CSolutionTree* child) {
        const double v = TreeValue(*child, direction, combination);
        acc = multiply ? v * acc : v + acc;
    });
    return multiply ? own * acc : own + acc;
}

// Ties go to the earlier alternative when minimising and to the later one
// when maximising; any other direction accepts nothing.
bool Accepts(int direction, double value, double best) {
    if (direction == 0) return value < best;
    if (direction == 1) return value >= best;
    return false;
}

std::unique_ptr<CSolutionTree> SolveSingle(Module& m, std::unique_ptr<CSolutionStep> step,
                                           COptimizeOptions& options) {
    CAIAction* action = step->m_pAction;
    CAIProblem* problem = step->m_pProblem.get();
    const int r = action->Check(problem);
    if (r == 0) return nullptr;
    if (r == 2) {
        options.m_iRequired = 0;
        return nullptr;
    }
    std::unique_ptr<CSolutionTree> node = NewNode(std::move(step));
    action->Prepare(problem);
    CConditionSet conditions;
    action->GetConditions(problem, &conditions);
    if (!SolveConditions(m, conditions, *node, true)) return nullptr;
    return node;
}

std::unique_ptr<CSolutionTree> SolveAlternatives(Module& m, CCandidateSet& candidates,
                                                 COptimizeOptions& options) {
    std::unique_ptr<CSolutionTree> best;
    double bestValue = options.m_iDirection != 0 ? -100000.0 : 100000.0;
    int built = 0;
    for (std::unique_ptr<CSolutionStep>& step : candidates) {
        CAIAction* action = step->m_pAction;
        CAIProblem* problem = step->m_pProblem.get();
        const int r = action->Check(problem);
        if (r == 0) continue;
        if (r == 2) {
            options.m_iRequired = 0;
            return nullptr;  // a veto gives the whole problem up
        }
        action->Prepare(problem);
        CConditionSet conditions;
        action->GetConditions(problem, &conditions);
        std::unique_ptr<CSolutionTree> node = NewNode(std::move(step));
        if (SolveConditions(m, conditions, *node, false)) {
            ++built;
            const double v = TreeValue(*node, options.m_iDirection, options.m_iCombination);
            if (Accepts(options.m_iDirection, v, bestValue)) {
                best = std::move(node);
                bestValue = v;
            }
        }
        if (options.m_iMaxSolutions != 0 && built == options.m_iMaxSolutions) break;
    }
    return best;
}

}  // namespace

CSolutionTree* Solve(Module& m, int number, CAIProblem* problem, COptimizeOptions& options) {
    std::unique_ptr<CSolutionTree> tree;
    {
        DepthLevel level(m);
        if (BeyondLimits(m)) return nullptr;
        CCandidateSet candidates = BuildCandidates(m, number, problem);
        if (candidates.empty()) return nullptr;
        if (candidates.size() > 1)
            tree = SolveAlternatives(m, candidates, options);
        else
            tree = SolveSingle(m, std::move(candidates.front()), options);
        if (!tree) return nullptr;
    }
    // Solved hears of the chosen root step once the depth is given back.
    CSolutionStep& root = *tree->Internal().step;
    root.m_pAction->Solved(root.m_pProblem.get());
    return tree.release();
}

void ExecuteNode(Module& m, CSolutionTree* tree) {
    ForEach<CSolutionTree>(tree->Internal().children, [&](CSolutionTree* child) {
        ++m.depth;
        ExecuteNode(m, child);
        --m.depth;
    });
    CSolutionStep& step = *tree->Internal().step;
    step.m_pAction->Perform(step.m_pProblem.get());
}

}  // namespace quorvel
