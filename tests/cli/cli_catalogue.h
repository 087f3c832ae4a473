#pragma once

#include <filesystem>

// A catalogue with one valve per family, enough for every view of
// arvelo-size, written to DB/mvd.db below folder.
void writeCliCatalogue(const std::filesystem::path& folder);
