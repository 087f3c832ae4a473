#pragma once

#include "catalogue/sqlite_handle.h"
#include "tests/support/file_bytes.h"
#include "tests/support/temp_folder.h"

#include <filesystem>
#include <optional>
#include <string>
#include <vector>


// A column as the program's row handler receives it: text, or none for NULL.
using Cell = std::optional<std::string>;
using Row = std::vector<Cell>;

// Runs a statement the way the program does (execute with a row callback)
// and returns the rows; fails the test on an SQL error.
std::vector<Row> selectRows(sqlite3* db, const std::string& sql);

// A cell converted as the program converts it: C-locale decimal, NULL reads 0.
double number(const Cell& cell);

// printf-style formatting of a statement, as the program formats its SQL.
std::string sqlText(const char* format, ...) __attribute__((format(printf, 1, 2)));

Database openDatabaseOrFail(const std::filesystem::path& path, int flags = SQLITE_OPEN_READONLY);

// The real catalogue, built from the sources once per test run.
const std::filesystem::path& builtCatalogue();

// Copies the catalogue's sources (CSV and schema files) into `folder`.
void copySources(const std::filesystem::path& folder);

// Presetting positions of a scale.
int positionsOf(double start, double full, double step);
