// Timing of balancing a branch of 500 circuits on a catalogue of realistic
// size: mostly the engine's statements, two or three sizings per circuit;
// with pipe sections, besides, a friction factor solved per section.

#include "bench/bench_program.h"
#include "branch/balance_branch.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <iostream>

namespace {

Branch branchOf(int count, bool pipes)
{
    Branch branch;
    for (int i = 0; i < count; ++i) {
        const auto kind = static_cast<BranchValveKind>(i % 3);
        const float flow = 0.05f + 0.01f * static_cast<float>(i % 60);
        BranchCircuit circuit{"C" + std::to_string(i + 1),
                              flow,
                              8.0f + static_cast<float>(i % 7),
                              0.4f + 0.1f * static_cast<float>(i % 5),
                              kind,
                              std::nullopt,
                              std::nullopt,
                              std::nullopt};
        if (pipes && i % 4 == 0)
            circuit.controlValveKvs = 1.6f + 0.4f * static_cast<float>(i % 5);
        branch.circuits.push_back(circuit);
    }
    if (!pipes)
        return branch;
    // Each section sized for about 0.8 m/s at the flow it carries, as a
    // designer would: from some 500 mm at the pump down to 10 mm at the end.
    float beyond = 0.0f;
    for (int i = count; i-- > 0;) {
        beyond += branch.circuits[i].flow;
        const float diameterMm = 1000.0f * std::sqrt(4.0f * beyond / 1000.0f / (3.14159265f * 0.8f));
        branch.circuits[i].pipe = PipeSection{3.0f + static_cast<float>(i % 4), diameterMm, kSteelRoughnessMm, 1.5f};
    }
    return branch;
}

void BM_BalanceBranch(benchmark::State& timing)
{
    ProductDb db(std::cerr);
    const std::optional<AppState> started = startOnBenchCatalogue(db, "arvelo-branch-bench.db", timing);
    if (!started)
        return;
    const AppState& state = *started;
    const Branch branch = branchOf(static_cast<int>(timing.range(0)), timing.range(1) != 0);
    std::size_t found = 0;
    for (auto _ : timing) {
        const BranchResult result = balanceBranch(state, db, branch);
        benchmark::DoNotOptimize(result.pumpHead);
        found = 0;
        for (const CircuitResult& circuit : result.circuits)
            found += circuit.valve.found ? 1 : 0;
    }
    timing.counters["valves found"] = static_cast<double>(found);
    timing.SetItemsProcessed(timing.iterations() * timing.range(0));
}
// Second argument: 1 with a pipe section (and every fourth a control valve)
// per circuit.
BENCHMARK(BM_BalanceBranch)->Args({500, 0})->Args({500, 1})->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
