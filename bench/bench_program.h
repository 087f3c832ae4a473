#pragma once

#include "app/app_state.h"
#include "db/product_db.h"

#include <benchmark/benchmark.h>

#include <optional>
#include <string>

// The program started on a fresh bench catalogue (a file of that name in the
// temporary folder, opened read-only in db): its state, or none once timing
// has been told why.
std::optional<AppState> startOnBenchCatalogue(ProductDb& db, const std::string& fileName, benchmark::State& timing);
