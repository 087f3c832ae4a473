#pragma once

#include "db/branch_record.h"

#include <sqlite3.h>

#include <optional>
#include <string>

// Values bound to a statement and read from its columns, for the stores of
// the user's own tables.

void bindText(sqlite3_stmt* statement, int index, const std::string& text);
std::string columnText(sqlite3_stmt* statement, int column);
float columnFloat(sqlite3_stmt* statement, int column);

// NULL for none.
std::optional<float> columnOptional(sqlite3_stmt* statement, int column);
void bindOptional(sqlite3_stmt* statement, int index, std::optional<float> value);

// A pipe section in columns first.. first + 3 (length, inner diameter,
// roughness, zeta); none where the length is NULL.
std::optional<PipeSection> columnPipe(sqlite3_stmt* statement, int first);
void bindPipe(sqlite3_stmt* statement, int first, const std::optional<PipeSection>& pipe);
