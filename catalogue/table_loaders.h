#pragma once

#include "catalogue/catalogue_sources.h"
#include "catalogue/problems.h"

#include <filesystem>

// Reads fluidi.csv, fobv.csv, vobv.csv, picv.csv and dpcv.csv from `directory`.
// Unreadable files, headers and fields are added to `problems`.
CatalogueSources loadCatalogueSources(const std::filesystem::path& directory, Problems& problems);
