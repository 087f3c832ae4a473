// Timing of balancing a branch of 500 circuits on a catalogue of realistic
// size: mostly the engine's statements, one or two sizings per circuit.

#include "bench/bench_catalogue.h"
#include "branch/balance_branch.h"
#include "cli/startup_state.h"
#include "db/product_db.h"

#include <benchmark/benchmark.h>

#include <filesystem>
#include <iostream>

namespace fs = std::filesystem;

namespace {

Branch branchOf(int count)
{
    Branch branch;
    for (int i = 0; i < count; ++i) {
        const auto kind = static_cast<BranchValveKind>(i % 3);
        const float flow = 0.05f + 0.01f * static_cast<float>(i % 60);
        branch.circuits.push_back({"C" + std::to_string(i + 1), flow, 8.0f + static_cast<float>(i % 7),
                                   0.4f + 0.1f * static_cast<float>(i % 5), kind, std::nullopt, std::nullopt, std::nullopt});
    }
    return branch;
}

void BM_BalanceBranch(benchmark::State& timing)
{
    const fs::path file = fs::temp_directory_path() / "arvelo-branch-bench.db";
    fs::remove(file);
    if (const std::string error = writeBenchCatalogue(file); !error.empty()) {
        timing.SkipWithError(error.c_str());
        return;
    }
    ProductDb db(std::cerr);
    if (!db.openReadOnly(file)) {
        timing.SkipWithError("cannot open the catalogue");
        return;
    }
    const AppState state = startupState(db);
    const Branch branch = branchOf(static_cast<int>(timing.range(0)));
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
BENCHMARK(BM_BalanceBranch)->Arg(500)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
