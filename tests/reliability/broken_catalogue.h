#pragma once

#include <filesystem>
#include <string>

// A small catalogue with a few valves of every family, their curves and
// minimum pressures, six fluids and an empty valve list, written to
// DB/mvd.db below folder; `breakage` runs on it afterwards.
void writeReliabilityCatalogue(const std::filesystem::path& folder, const std::string& breakage = {});

// Replaces table `name` by a copy with the same columns and affinities but
// without constraints, so that a case can store NULL or duplicates in it.
std::string withoutConstraints(const std::string& name);
