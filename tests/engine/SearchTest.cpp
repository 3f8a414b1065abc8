// What Problem finds and in which order Execute runs it.
#include <gtest/gtest.h>

#include <memory>

#include "ScriptedAction.h"

namespace {

class EngineSearch : public ::testing::Test {
protected:
    ScriptedAction* Add(const std::string& name, int problemNumber) {
        auto* a = new ScriptedAction(name, problemNumber, &log);
        module.NewSolutionEdge(a);
        return a;
    }
    std::unique_ptr<CSolutionTree> Solve(int number) {
        log.clear();
        return std::unique_ptr<CSolutionTree>(module.Problem(number, nullptr));
    }
    std::vector<std::string> PerformOrder(CSolutionTree* tree) {
        log.clear();
        module.Execute(tree);
        return log;
    }

    std::vector<std::string> log;
    IAI_Module module;
};

// Options for the root problem are fixed defaults; a root with several
// alternatives under other options is reached through a condition, whose
// options the declaring action chooses.
struct Choice {
    const char* name;
    int direction;
    std::vector<double> values;
    const char* chosen;  // nullptr: no tree
};

}  // namespace

TEST_F(EngineSearch, SingleApplicableActionWithoutConditions) {
    Add("A", 1);
    auto tree = Solve(1);
    ASSERT_TRUE(tree);
    EXPECT_EQ(tree->GetChildCount(), 0);
    EXPECT_EQ(tree->m_iActionId, 'A');
    EXPECT_EQ(CountCalls(log, "Prepare A"), 1);
    EXPECT_EQ(CountCalls(log, "Solved A"), 1);
    EXPECT_EQ(CountCalls(log, "GetValue A"), 0);
    EXPECT_EQ(log.front(), "GetParameters A");
}

TEST_F(EngineSearch, NoActionOrNoApplicableActionGivesNoTree) {
    EXPECT_FALSE(Solve(99));
    Add("A", 1)->checkResult = 0;
    EXPECT_FALSE(Solve(1));
    EXPECT_EQ(CountCalls(log, "Prepare A"), 0);
}

// An action per alternative, solving problem 2, reached from a root action
// whose condition carries the direction.
TEST_F(EngineSearch, AlternativesAreChosenByValueAndDirection) {
    const std::vector<Choice> cases = {
        {"ties go to the later one when maximising", 1, {0, 0}, "Y"},
        {"ties go to the earlier one when minimising", 0, {0, 0}, "X"},
        {"the smallest wins when minimising", 0, {3, 1}, "Y"},
        {"the greatest wins when maximising", 1, {1, 3, 2}, "Y"},
        {"another direction accepts nothing", 2, {1, 3}, nullptr},
    };
    for (const Choice& c : cases) {
        SCOPED_TRACE(c.name);
        IAI_Module m;
        std::vector<std::string> calls;
        auto* root = new ScriptedAction("R", 1, &calls);
        root->conditions = {{2}};
        m.NewSolutionEdge(root);
        for (size_t i = 0; i < c.values.size(); ++i) {
            auto* alt = new ScriptedAction(std::string(1, char('X' + i)), 2, &calls);
            alt->value = c.values[i];
            m.NewSolutionEdge(alt);
        }
        // The direction travels in the condition's options: a wrapper action
        // declares the condition with them.
        struct Directed : ScriptedAction {
            using ScriptedAction::ScriptedAction;
            int direction = 1;
            int GetConditions(CAIProblem*, CConditionSet* set) override {
                COptimizeOptions o;
                o.m_iDirection = direction;
                CAIStdProb p;
                set->NewProblem(2, &p, &o);
                return 0;
            }
        };
        auto* top = new Directed("T", 3, &calls);
        top->direction = c.direction;
        m.NewSolutionEdge(top);
        std::unique_ptr<CSolutionTree> tree(m.Problem(3, nullptr));
        if (c.chosen == nullptr) {
            EXPECT_FALSE(tree);
            continue;
        }
        ASSERT_TRUE(tree);
        ASSERT_EQ(tree->GetChildCount(), 1);
        EXPECT_EQ(tree->GetChild(0)->m_iActionId, c.chosen[0]);
        EXPECT_EQ(CountCalls(calls, std::string("Solved ") + c.chosen), 1);
    }
}

TEST_F(EngineSearch, TwoAlternativesAtTheRootTakeTheLaterOnTies) {
    Add("A", 1);
    Add("B", 1);
    auto tree = Solve(1);
    ASSERT_TRUE(tree);
    EXPECT_EQ(tree->m_iActionId, 'B');
    EXPECT_EQ(CountCalls(log, "Solved A"), 0);
    EXPECT_EQ(CountCalls(log, "Solved B"), 1);
}

TEST_F(EngineSearch, MaximumSolutionsStopsAfterTheFirstBuiltAlternative) {
    struct Limited : ScriptedAction {
        using ScriptedAction::ScriptedAction;
        int GetConditions(CAIProblem*, CConditionSet* set) override {
            COptimizeOptions o;
            IAI_Module* m = m_pModule;
            m->SetMaxSolution(&o, 1);
            CAIStdProb p;
            set->NewProblem(2, &p, &o);
            return 0;
        }
    };
    module.NewSolutionEdge(new Limited("T", 1, &log));
    Add("X", 2)->checkResult = 0;  // not applicable: does not count as built
    Add("Y", 2)->value = 1;
    Add("Z", 2)->value = 5;
    auto tree = Solve(1);
    ASSERT_TRUE(tree);
    EXPECT_EQ(tree->GetChild(0)->m_iActionId, 'Y');
    EXPECT_EQ(CountCalls(log, "Check Z"), 0);
    EXPECT_EQ(CountCalls(log, "GetValue Y"), 1);
}

TEST_F(EngineSearch, VetoInAnyAlternativeGivesTheProblemUp) {
    Add("A", 1);
    Add("B", 1)->checkResult = 2;
    Add("C", 1);
    EXPECT_FALSE(Solve(1));
    EXPECT_EQ(CountCalls(log, "Check C"), 0);
    EXPECT_EQ(CountCalls(log, "Solved A"), 0);
}

TEST_F(EngineSearch, VetoOfASingleActionFailsARequiredCondition) {
    Add("R", 1)->conditions = {{2}};
    Add("V", 2)->checkResult = 2;
    EXPECT_FALSE(Solve(1));
}

TEST_F(EngineSearch, OptionalConditionMayFailForASingleActionOnly) {
    ScriptedAction* root = Add("R", 1);
    root->conditions = {{2, 0, false}, {3}};
    Add("C", 3);
    auto tree = Solve(1);
    ASSERT_TRUE(tree);
    ASSERT_EQ(tree->GetChildCount(), 1);
    EXPECT_EQ(tree->GetChild(0)->m_iActionId, 'C');

    // Among alternatives every condition is needed, so R fails and S wins.
    Add("S", 1)->value = -5;
    tree = Solve(1);
    ASSERT_TRUE(tree);
    EXPECT_EQ(tree->m_iActionId, 'S');
}

TEST_F(EngineSearch, ConditionWithoutActionFailsTheDeclaringStep) {
    Add("R", 1)->conditions = {{99}};
    EXPECT_FALSE(Solve(1));
    EXPECT_EQ(CountCalls(log, "Solved R"), 0);
}

TEST_F(EngineSearch, CycleEndsAtTheMaximumDepth) {
    module.SetHorizont(nullptr, 0);  // only the fixed maximum depth applies
    Add("R", 1)->conditions = {{1}};
    EXPECT_FALSE(Solve(1));
    EXPECT_EQ(CountCalls(log, "Check R"), 200);
    EXPECT_EQ(CountCalls(log, "Perform R"), 0);
}

TEST_F(EngineSearch, HorizonsLimitTheDepth) {
    // A chain 1 -> 2 -> 3 -> 4 is four levels deep.
    Add("A", 1)->conditions = {{2}};
    Add("B", 2)->conditions = {{3}};
    Add("C", 3)->conditions = {{4}};
    Add("D", 4);
    module.SetHorizont(nullptr, 3);
    EXPECT_FALSE(Solve(1));
    module.SetHorizont(nullptr, 4);
    EXPECT_TRUE(Solve(1));
    // A condition's own horizon narrows the module's while it is solved.
    module.SetHorizont(nullptr, 0);
    IAI_Module narrow;
    std::vector<std::string> calls;
    auto* a = new ScriptedAction("A", 1, &calls);
    a->conditions = {{2, 0, true, 0, 2}};
    narrow.NewSolutionEdge(a);
    auto* b = new ScriptedAction("B", 2, &calls);
    b->conditions = {{3}};
    narrow.NewSolutionEdge(b);
    narrow.NewSolutionEdge(new ScriptedAction("C", 3, &calls));
    EXPECT_EQ(std::unique_ptr<CSolutionTree>(narrow.Problem(1, nullptr)), nullptr);
}

TEST_F(EngineSearch, ValuesCombineBySumOrProduct) {
    struct Combining : ScriptedAction {
        using ScriptedAction::ScriptedAction;
        int combination = 0;
        double expected = 0;
        int GetConditions(CAIProblem*, CConditionSet* set) override {
            COptimizeOptions o;
            m_pModule->SetOptimierung(&o, 1, combination);
            CAIStdProb p;
            set->NewProblem(2, &p, &o);
            return 0;
        }
    };
    // Alternative X: a root of value v with children valued a and b; the
    // competitor Y is a leaf whose value sits just above or below X's total.
    struct Case {
        int combination;
        double root, a, b, total;
    };
    for (const Case& c : {Case{0, 1, 1, 0, 2}, Case{1, 2, 3, 0.5, 3}}) {
        SCOPED_TRACE(c.combination);
        for (double delta : {-0.25, 0.25}) {
            IAI_Module m;
            std::vector<std::string> calls;
            auto* top = new Combining("T", 1, &calls);
            top->combination = c.combination;
            m.NewSolutionEdge(top);
            auto* x = new ScriptedAction("X", 2, &calls);
            x->value = c.root;
            x->conditions = {{3}, {4}};
            m.NewSolutionEdge(x);
            auto* y = new ScriptedAction("Y", 2, &calls);
            y->value = c.total + delta;
            m.NewSolutionEdge(y);
            auto* ca = new ScriptedAction("a", 3, &calls);
            ca->value = c.a;
            m.NewSolutionEdge(ca);
            auto* cb = new ScriptedAction("b", 4, &calls);
            cb->value = c.b;
            m.NewSolutionEdge(cb);
            std::unique_ptr<CSolutionTree> tree(m.Problem(1, nullptr));
            ASSERT_TRUE(tree);
            EXPECT_EQ(tree->GetChild(0)->m_iActionId, delta < 0 ? 'X' : 'Y');
        }
    }
}

TEST_F(EngineSearch, ExecuteRunsChildrenFirstInOrder) {
    Add("A", 1)->conditions = {{2}, {3}};
    Add("B", 2)->conditions = {{4}};
    Add("C", 3);
    Add("D", 4);
    auto tree = Solve(1);
    ASSERT_TRUE(tree);
    EXPECT_EQ(PerformOrder(tree.get()), (std::vector<std::string>{"Perform D", "Perform B", "Perform C", "Perform A"}));
    module.Execute(nullptr);  // harmless
}

TEST_F(EngineSearch, ConditionsRunByDescendingPriorityThenInOrderAdded) {
    Add("R", 1)->conditions = {{2, 1, true, 0}, {2, 2, true, 5}, {2, 3, true, 5}, {2, 4, true, 3}};
    Add("L", 2);
    auto tree = Solve(1);
    ASSERT_TRUE(tree);
    // The root reuses one problem object for all four conditions: each kept
    // its own copy.
    EXPECT_EQ(PerformOrder(tree.get()),
              (std::vector<std::string>{"Perform L/2", "Perform L/3", "Perform L/4", "Perform L/1", "Perform R"}));
}

TEST_F(EngineSearch, ParameterSetsMakeOneCandidatePerEntry) {
    ScriptedAction* a = Add("A", 1);
    a->parameterFirsts = {7, 8};
    a->value = 0;
    auto tree = Solve(1);
    ASSERT_TRUE(tree);
    EXPECT_EQ(CountCalls(log, "GetParameters A"), 1);
    EXPECT_EQ(CountCalls(log, "Check A/7"), 1);
    EXPECT_EQ(CountCalls(log, "Check A/8"), 1);
    EXPECT_EQ(CountCalls(log, "Solved A/8"), 1);  // the later of two ties
    EXPECT_EQ(PerformOrder(tree.get()), (std::vector<std::string>{"Perform A/8"}));
}

TEST_F(EngineSearch, CallerKeepsItsProblem) {
    struct Mutating : ScriptedAction {
        using ScriptedAction::ScriptedAction;
        int Perform(CAIProblem* p) override {
            static_cast<CAIStdProb*>(p)->m_iFirst = 1000;
            return 1;
        }
    };
    module.NewSolutionEdge(new Mutating("M", 1, &log));
    CAIStdProb mine(5, 0, 0, 0, nullptr);
    std::unique_ptr<CSolutionTree> tree(module.Problem(1, &mine));
    ASSERT_TRUE(tree);
    module.Execute(tree.get());
    EXPECT_EQ(mine.m_iFirst, 5);
    EXPECT_EQ(static_cast<CAIStdProb*>(tree->GetProblem())->m_iFirst, 1000);
}
