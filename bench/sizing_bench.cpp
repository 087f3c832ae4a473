// Timing of the selection driver: one runSelection per valve view, and a
// batch of 1,000 duties as arvelo-size --batch runs them.

#include "bench/bench_catalogue.h"
#include "cli/batch.h"
#include "cli/size_session.h"
#include "cli/startup_state.h"
#include "db/product_db.h"
#include "sizing/run_selection.h"
#include "sizing/results_panel_texts.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>
#include <sstream>

namespace fs = std::filesystem;

namespace {

// The catalogue to time on: REZU_BENCH_DB when set (the real one), else a
// generated one of realistic size in the temporary folder.
const fs::path& catalogue()
{
    static const fs::path file = [] {
        if (const char* given = std::getenv("REZU_BENCH_DB"))
            return fs::path(given);
        const fs::path generated = fs::temp_directory_path() / "arvelo-size-bench.db";
        fs::remove(generated);
        if (const std::string error = writeBenchCatalogue(generated); !error.empty())
            std::cerr << "bench catalogue: " << error << '\n';
        return generated;
    }();
    return file;
}

struct ViewDuty {
    const char* name;
    const char* flow;
    const char* dp;
    const char* pick;
};

// Views 4 and 9 calculate only for a clicked row: their duties pick one.
constexpr ViewDuty kViewDuties[] = {
    {"fixed", "0,5", "100", ""},  {"fixed-check", "", "25", "3"}, {"variable", "0,5", "100", ""},
    {"picv", "0,5", "", ""},      {"picv-check", "2,5", "300", "4"}, {"dpcv", "0,5", "200", ""},
};

void BM_RunSelection(benchmark::State& timing)
{
    const ViewDuty& viewDuty = kViewDuties[timing.range(0)];
    ProductDb db(std::cerr);
    if (!db.openReadOnly(catalogue())) {
        timing.SkipWithError("cannot open the catalogue");
        return;
    }
    AppState state = startupState(db);
    Duty duty;
    resolveDuty({viewDuty.name, viewDuty.flow, viewDuty.dp, viewDuty.pick, "", "", ""}, duty);
    state.valveView = duty.view;
    SelectionFields fields;
    fields.flowInput = duty.flowText;
    fields.dpInput = duty.dpText;
    ResultsPanelModel panel(state);
    if (duty.pick) { // the list first, then the clicked valve is what is timed
        runSelection(state, db, fields, panel);
        fields.candidateIndex = static_cast<std::int32_t>(*duty.pick);
    }
    for (auto _ : timing) {
        runSelection(state, db, fields, panel);
        benchmark::DoNotOptimize(panel.texts());
    }
    timing.SetLabel(viewDuty.name);
}
BENCHMARK(BM_RunSelection)->DenseRange(0, 5)->Unit(benchmark::kMicrosecond);

std::string thousandDuties()
{
    std::ostringstream csv;
    csv << "view;flow;dp;pick;flow_unit\n";
    for (int i = 0; i < 1000; ++i) {
        const ViewDuty& d = kViewDuties[i % 6];
        const int step = i / 6 % 10; // vary the flows so the lists change
        csv << d.name << ';' << (d.flow[0] ? std::to_string(step + 1) + ",0" : "") << ';' << d.dp << ';' << d.pick
            << ';' << (step % 2 ? "m3/h" : "l/s") << '\n';
    }
    return csv.str();
}

void BM_BatchOfThousandDuties(benchmark::State& timing)
{
    SizeSession session(std::cerr);
    if (const std::string error = session.open(catalogue()); !error.empty()) {
        timing.SkipWithError(error.c_str());
        return;
    }
    const std::string duties = thousandDuties();
    for (auto _ : timing) {
        std::istringstream in(duties);
        std::ostringstream out;
        const BatchReport report = runBatch(in, out, session, DutyTexts{}, RunSettings{}, false);
        benchmark::DoNotOptimize(report);
    }
    timing.SetItemsProcessed(timing.iterations() * 1000);
}
BENCHMARK(BM_BatchOfThousandDuties)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
