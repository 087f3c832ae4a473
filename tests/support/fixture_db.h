#pragma once

#include <sqlite3.h>

#include <filesystem>
#include <string>

// Builds small SQLite databases with the program's schema, holding just the
// rows a test needs.
namespace fixture {

// Creates (or opens) the file and runs the statements; fails the test on error.
void execute(const std::filesystem::path& file, const std::string& statements);

// The catalogue tables and the valve-list table, empty.
std::string catalogueSchema();
std::string projectsSchema();

// The six fluids in catalogue order (water, then glycol 10 to 50 %).
std::string sixFluids();

// Reads one text value (first column of the first row), "" when none.
std::string queryText(const std::filesystem::path& file, const std::string& statement);

} // namespace fixture
