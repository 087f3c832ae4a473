#pragma once

#include <sqlite3.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>

struct DatabaseCloser {
    void operator()(sqlite3* db) const { sqlite3_close(db); }
};
struct StatementFinalizer {
    void operator()(sqlite3_stmt* statement) const { sqlite3_finalize(statement); }
};
using Database = std::unique_ptr<sqlite3, DatabaseCloser>;
using Statement = std::unique_ptr<sqlite3_stmt, StatementFinalizer>;

// Opens a database file with the given sqlite3_open_v2 flags; on failure
// returns none and sets `error`.
std::optional<Database> openDatabase(const std::filesystem::path& path, int flags,
                                     std::string& error);

// Prepares one statement; on failure returns none and sets `error`.
std::optional<Statement> prepare(sqlite3* db, const std::string& sql, std::string& error);

// Runs SQL text of one or more statements; returns the error message, if any.
std::optional<std::string> execute(sqlite3* db, const std::string& sql);
