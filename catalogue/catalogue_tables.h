#pragma once

#include "catalogue/catalogue_sources.h"
#include "catalogue/problems.h"

#include <string>
#include <variant>
#include <vector>

// A value as it goes into SQLite: NULL, integer, real or text.
using SqlValue = std::variant<std::monostate, long long, double, std::string>;

struct TableData {
    std::string name;
    std::vector<std::string> columns;
    std::vector<std::vector<SqlValue>> rows;
};

inline constexpr int kPresetValues = 131;
inline constexpr int kStartupValues = 28;

// The seven catalogue tables with their rows, presetting curves and minimum
// pressures generated from the sources. A curve that cannot be generated is
// added to `problems`.
std::vector<TableData> catalogueTables(const CatalogueSources& sources, Problems& problems);
