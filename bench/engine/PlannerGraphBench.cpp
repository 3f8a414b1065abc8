// Problem + Execute on a graph shaped like the program's planner: one root
// problem whose action declares 20 record conditions, each needing 120 month
// conditions with two alternatives each: a valued one that needs a "load
// month" problem, and a parked one valued 0.
#include <benchmark/benchmark.h>
#include <malloc.h>

#include <memory>

#include "engine/Quorvel.h"

namespace {

enum Problem { kRoot = 1, kRecord = 2, kMonth = 3, kLoadMonth = 4 };

class GraphAction : public CAIAction {
public:
    GraphAction(int id, int problem, int conditions, int conditionProblem, double value)
        : CAIAction(id, problem), m_conditions(conditions), m_conditionProblem(conditionProblem), m_value(value) {}

    int GetParameters(CAIProblem*, CParameterSet*) override { return 0; }
    int GetConditions(CAIProblem* problem, CConditionSet* set) override {
        auto* p = static_cast<CAIStdProb*>(problem);
        CAIStdProb sub(*p);
        for (int i = 0; i < m_conditions; ++i) {
            sub.m_iSecond = i + 1;
            set->NewProblem(m_conditionProblem, &sub);
        }
        return 0;
    }
    double GetValue(CAIProblem*, int, int) override { return m_value; }
    int Check(CAIProblem*) override { return 1; }
    void Prepare(CAIProblem*) override {}
    void Solved(CAIProblem*) override {}
    int Perform(CAIProblem*) override {
        ++performed;
        return 1;
    }
    void Reserved(CAIProblem*) override {}

    long performed = 0;

private:
    int m_conditions;
    int m_conditionProblem;
    double m_value;
};

void RegisterPlannerGraph(IAI_Module& module) {
    module.NewSolutionEdge(new GraphAction(1, kRoot, 20, kRecord, 0));
    module.NewSolutionEdge(new GraphAction(2, kRecord, 120, kMonth, 0));
    module.NewSolutionEdge(new GraphAction(3, kMonth, 1, kLoadMonth, 1));  // change the loaded month
    module.NewSolutionEdge(new GraphAction(4, kMonth, 0, 0, 0));           // park it on the boundary
    module.NewSolutionEdge(new GraphAction(5, kLoadMonth, 0, 0, 1));
}

void BM_PlannerShapedRequest(benchmark::State& state) {
    IAI_Module module;
    RegisterPlannerGraph(module);
    CAIStdProb root(0, 0, 0.0, 0.0, nullptr);
    // Warm up, then watch the heap over the timed repetitions.
    for (int i = 0; i < 3; ++i) {
        std::unique_ptr<CSolutionTree> tree(module.Problem(kRoot, &root));
        module.Execute(tree.get());
    }
    const size_t before = mallinfo2().uordblks;
    for (auto _ : state) {
        std::unique_ptr<CSolutionTree> tree(module.Problem(kRoot, &root));
        module.Execute(tree.get());
        benchmark::DoNotOptimize(tree.get());
    }
    const size_t after = mallinfo2().uordblks;
    state.counters["heap_growth_bytes"] = static_cast<double>(after > before ? after - before : 0);
}
BENCHMARK(BM_PlannerShapedRequest)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_PlannerShapedRequest)->Name("BM_PlannerShapedRequest/10000")->Iterations(10000)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
