#pragma once

#include "catalogue/catalogue_tables.h"

#include <filesystem>
#include <string>
#include <vector>

struct WriteResult {
    bool written = false;
    std::string message; // what was done, or why nothing was
};

// Writes the catalogue tables into the SQLite file at `path`.
//
// A missing file (and missing folders above it) is created with the catalogue
// and an empty valve list. In an existing file the catalogue tables are
// dropped and written anew in one transaction; table progetti, the user's
// valve list, is never touched (it is created only when missing). A file that
// is not an SQLite database, or whose progetti does not have the columns of
// `progettiSchema`, is refused and left unchanged.
WriteResult writeCatalogueFile(const std::filesystem::path& path,
                               const std::vector<TableData>& tables,
                               const std::string& catalogueSchema,
                               const std::string& progettiSchema);
