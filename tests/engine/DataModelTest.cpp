// The engine's objects on their own: options, problems, condition sets,
// registration and ownership.
#include <gtest/gtest.h>

#include <memory>

#include "ScriptedAction.h"

TEST(EngineDataModel, ExportedConstantsAndSampleItems) {
    EXPECT_EQ(AI_NO_ERROR, 0);
    EXPECT_EQ(AI_NO_PROBLEM, 0);
    EXPECT_EQ(nQuorvel, 0);
    EXPECT_EQ(fnQuorvel(), 42);
    CQuorvel sample;
    CQuorvel other = sample;
    (void)other;
}

namespace {

void ExpectDefaults(const COptimizeOptions& o) {
    EXPECT_EQ(o.m_iPriority, 0);
    EXPECT_EQ(o.m_iDirection, 1);
    EXPECT_EQ(o.m_iCombination, 0);
    EXPECT_EQ(o.m_iHorizon, 0);
    EXPECT_EQ(o.m_iRequired, 1);
    EXPECT_EQ(o.m_iMaxSolutions, 0);
}

}  // namespace

TEST(EngineDataModel, OptionsDefaultsCopyAndReset) {
    COptimizeOptions o;
    ExpectDefaults(o);

    IAI_Module module;
    module.SetPrioritaet(&o, 7);
    module.SetOptimierung(&o, 0, 1);
    module.SetMaxSolution(&o, 3);
    o.m_iHorizon = 4;
    o.m_iRequired = 0;

    std::unique_ptr<COptimizeOptions> copy(o.Clone());
    COptimizeOptions constructed(&o);
    for (COptimizeOptions* c : {copy.get(), &constructed}) {
        EXPECT_EQ(c->m_iPriority, 7);
        EXPECT_EQ(c->m_iDirection, 0);
        EXPECT_EQ(c->m_iCombination, 1);
        EXPECT_EQ(c->m_iHorizon, 4);
        EXPECT_EQ(c->m_iRequired, 0);
        EXPECT_EQ(c->m_iMaxSolutions, 3);
    }

    EXPECT_EQ(o.SetDefault(), 0);
    ExpectDefaults(o);
}

TEST(EngineDataModel, StdProbCloneIsIndependentWithTheSameValues) {
    int data = 0;
    CAIStdProb p(1, 2, 3.5, 4.5, &data);
    EXPECT_EQ(p.m_iReserved, 0);
    std::unique_ptr<CAIProblem> clone(p.Clone());
    p.CAISetStdProb(9, 9, 9.0, 9.0, nullptr);
    auto* c = dynamic_cast<CAIStdProb*>(clone.get());
    ASSERT_NE(c, nullptr);
    EXPECT_EQ(c->m_iFirst, 1);
    EXPECT_EQ(c->m_iSecond, 2);
    EXPECT_EQ(c->m_dFirst, 3.5);
    EXPECT_EQ(c->m_dSecond, 4.5);
    EXPECT_EQ(c->m_pData, &data);
}

TEST(EngineDataModel, MayProblemWithOptionsMakesTheCallersOptionsOptional) {
    CConditionSet set;
    COptimizeOptions o;
    CAIStdProb p;
    EXPECT_EQ(set.NewMayProblem(1, &p, &o), 1);
    EXPECT_EQ(o.m_iRequired, 0);
}

TEST(EngineDataModel, RegisteredActionSharesTheModulesErrorCode) {
    std::vector<std::string> log;
    IAI_Module module;
    auto* action = new ScriptedAction("A", 1, &log);
    EXPECT_EQ(action->GetErrorCode(), AI_NO_ERROR);  // not registered yet: harmless
    module.NewSolutionEdge(action);
    EXPECT_EQ(action->m_pModule, &module);
    action->SetErrorCode(17);
    EXPECT_EQ(module.GetErrorCode(), 17);
    EXPECT_EQ(action->GetErrorCode(), 17);
    // A new request starts with a clean error code.
    CSolutionTree* tree = module.Problem(1, nullptr);
    EXPECT_EQ(module.GetErrorCode(), AI_NO_ERROR);
    delete tree;
}

TEST(EngineDataModel, ModuleDeletesEveryActionExactlyOnce) {
    std::vector<std::string> log;
    int alive = 0;
    {
        IAI_Module module;
        for (int i = 0; i < 5; ++i) module.NewSolutionEdge(new ScriptedAction("A", i, &log, &alive));
        EXPECT_EQ(module.NewSolutionEdge(nullptr), 0);
        EXPECT_EQ(module.NewSolutionEdge(1, 2), 0);
        EXPECT_EQ(alive, 5);
    }
    EXPECT_EQ(alive, 0);  // and the sanitizer build sees no second delete
}

TEST(EngineDataModel, RegisteredActionsCarryTheirPositions) {
    std::vector<std::string> log;
    IAI_Module module;
    std::vector<ScriptedAction*> actions;
    for (int i = 0; i < 3; ++i) {
        actions.push_back(new ScriptedAction("A", 1, &log));
        module.NewSolutionEdge(actions.back());
    }
    for (int i = 0; i < 3; ++i) {
        EXPECT_EQ(actions[i]->m_iPosition, i);
        EXPECT_EQ(actions[i]->SortKey(0), i);
        EXPECT_EQ(actions[i]->m_pNext, i < 2 ? actions[i + 1] : nullptr);
    }
}
