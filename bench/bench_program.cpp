#include "bench/bench_program.h"

#include "bench/bench_catalogue.h"
#include "cli/startup_state.h"

#include <filesystem>

namespace fs = std::filesystem;

std::optional<AppState> startOnBenchCatalogue(ProductDb& db, const std::string& fileName, benchmark::State& timing)
{
    const fs::path file = fs::temp_directory_path() / fileName;
    fs::remove(file);
    if (const std::string error = writeBenchCatalogue(file); !error.empty()) {
        timing.SkipWithError(error.c_str());
        return std::nullopt;
    }
    if (!db.openReadOnly(file)) {
        timing.SkipWithError("cannot open the catalogue");
        return std::nullopt;
    }
    return startupState(db);
}
