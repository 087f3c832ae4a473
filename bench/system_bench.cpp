// Timing of balancing a system of 20 branches of 50 circuits on a catalogue
// of realistic size, every riser and main section from its pipe: each
// branch is balanced once on its own and once more at its take-off's
// pressure when nothing stands at its foot.

#include "bench/bench_program.h"
#include "system/balance_system.h"

#include <benchmark/benchmark.h>

#include <cmath>
#include <iostream>

namespace {

// The inner diameter (mm) that carries the flow (l/s) at about 0.8 m/s, as
// a designer would size it.
float diameterFor(float litresPerSecond)
{
    return 1000.0f * std::sqrt(4.0f * litresPerSecond / 1000.0f / (3.14159265f * 0.8f));
}

SystemBranch branchOf(int number, int circuits)
{
    SystemBranch branch;
    branch.foot = static_cast<FootDevice>(number % 4);
    for (int i = 0; i < circuits; ++i) {
        const auto kind = static_cast<BranchValveKind>((number + i) % 3);
        const float flow = 0.05f + 0.01f * static_cast<float>((number + i) % 40);
        branch.branch.circuits.push_back(BranchCircuit{"C" + std::to_string(i + 1), flow,
                                                       8.0f + static_cast<float>(i % 7), 0, kind, std::nullopt,
                                                       std::nullopt, std::nullopt});
    }
    float beyond = 0.0f;
    for (int i = circuits; i-- > 0;) {
        beyond += branch.branch.circuits[i].flow;
        branch.branch.circuits[i].pipe =
            PipeSection{3.0f + static_cast<float>(i % 4), diameterFor(beyond), kSteelRoughnessMm, 1.5f};
    }
    // Every third branch is reverse return, its returns sized like its supply.
    if (number % 3 == 0) {
        float before = 0.0f;
        for (const BranchCircuit& circuit : branch.branch.circuits) {
            before += circuit.flow;
            branch.returns.push_back({0.0f, PipeSection{3.0f, diameterFor(before), kSteelRoughnessMm, 1.0f}});
        }
    }
    return branch;
}

HydronicSystem systemOf(int branches, int circuits)
{
    HydronicSystem system;
    system.settings.plantLoss = 30.0f;
    for (int j = 0; j < branches; ++j)
        system.branches.push_back(branchOf(j, circuits));
    float beyond = 0.0f;
    for (int j = branches; j-- > 0;) {
        for (const BranchCircuit& circuit : system.branches[j].branch.circuits)
            beyond += circuit.flow;
        system.branches[j].main.pipe = PipeSection{8.0f, diameterFor(beyond), kSteelRoughnessMm, 2.0f};
    }
    return system;
}

void BM_BalanceSystem(benchmark::State& timing)
{
    ProductDb db(std::cerr);
    const std::optional<AppState> started = startOnBenchCatalogue(db, "arvelo-system-bench.db", timing);
    if (!started)
        return;
    const AppState& state = *started;
    const HydronicSystem system = systemOf(static_cast<int>(timing.range(0)), static_cast<int>(timing.range(1)));
    std::size_t controllers = 0;
    for (auto _ : timing) {
        const SystemResult result = balanceSystem(state, db, system);
        benchmark::DoNotOptimize(result.pumpHead);
        controllers = 0;
        for (const SystemBranchResult& branch : result.branches)
            controllers += branch.foot.controller ? 1 : 0;
    }
    timing.counters["controllers found"] = static_cast<double>(controllers);
    timing.SetItemsProcessed(timing.iterations() * timing.range(0) * timing.range(1));
}
// Branches, circuits per branch.
BENCHMARK(BM_BalanceSystem)->Args({20, 50})->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
