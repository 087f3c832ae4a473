#pragma once

#include "db/catalogue_rows.h"
#include "db/project_row.h"
#include "db/sqlite_handle.h"

#include <filesystem>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

class RowReader;

// The program's only door to DB/mvd.db: every statement it sends, and the
// conversion of the rows into records. A failing statement writes one line
// "SQL error <label>: <message>" to the error stream and keeps the rows read
// before the failure; the user sees nothing of it.
class ProductDb {
public:
    explicit ProductDb(std::ostream& errors = std::cerr);

    // Opens (creating an empty file when it is missing but its folder
    // exists). On failure there is no connection and every statement fails.
    bool open(const std::filesystem::path& file);
    bool isOpen() const { return db_ != nullptr; }
    sqlite3* handle() const { return db_.get(); }

    // True when the database has a table named fluidi.
    bool checkFluidTable();

    void queryFluids(std::vector<FluidRow>& rows);
    void loadProjects(std::vector<ProjectRow>& rows);

private:
    using RowHandler = std::function<void(const RowReader&)>;
    // Runs one statement; false after writing the error line.
    bool execute(const std::string& statement, const char* errorLabel, const RowHandler& onRow);

    std::ostream& errors_;
    SqliteHandle db_;
};
