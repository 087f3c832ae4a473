#pragma once

#include <sqlite3.h>

#include <optional>
#include <string>
#include <vector>

struct ColumnShape {
    std::string name;
    std::string declaredType;
};

// Columns of a table in order, as PRAGMA table_info gives them; none (with
// `error` set) when the statement fails.
std::optional<std::vector<ColumnShape>> tableColumns(sqlite3* db, const std::string& table,
                                                     std::string& error);

// Type of the schema object of that name ("table", "view", ...). None with
// `error` left empty when there is no such object; none with `error` set when
// the statement fails.
std::optional<std::string> objectType(sqlite3* db, const std::string& name, std::string& error);

// SQLite's column affinity of a declared type: INTEGER, TEXT, BLOB, REAL or NUMERIC.
std::string typeAffinity(const std::string& declaredType);

// The first way `actual` differs from `expected` in column count, names
// (ignoring case, as SQL does) or affinity; none when they match.
std::optional<std::string> shapeDifference(const std::vector<ColumnShape>& actual,
                                           const std::vector<ColumnShape>& expected);
