#include "catalogue/table_shape.h"

#include "catalogue/sqlite_handle.h"

#include <algorithm>
#include <cctype>

namespace {

std::string upper(std::string text)
{
    std::transform(text.begin(), text.end(), text.begin(),
                   [](unsigned char c) { return static_cast<char>(std::toupper(c)); });
    return text;
}

std::string columnText(sqlite3_stmt* statement, int column)
{
    const unsigned char* text = sqlite3_column_text(statement, column);
    return text ? reinterpret_cast<const char*>(text) : "";
}

std::string describe(const ColumnShape& column)
{
    return "'" + column.name + " " + column.declaredType + "'";
}

} // namespace

std::optional<std::vector<ColumnShape>> tableColumns(sqlite3* db, const std::string& table,
                                                     std::string& error)
{
    auto statement = prepare(db, "SELECT name, type FROM pragma_table_info(?1)", error);
    if (!statement)
        return std::nullopt;
    sqlite3_bind_text(statement->get(), 1, table.c_str(), -1, SQLITE_TRANSIENT);
    std::vector<ColumnShape> columns;
    int result = SQLITE_ROW;
    while ((result = sqlite3_step(statement->get())) == SQLITE_ROW)
        columns.push_back({columnText(statement->get(), 0), columnText(statement->get(), 1)});
    if (result != SQLITE_DONE) {
        error = sqlite3_errmsg(db);
        return std::nullopt;
    }
    return columns;
}

std::optional<std::string> objectType(sqlite3* db, const std::string& name, std::string& error)
{
    auto statement =
        prepare(db, "SELECT type FROM sqlite_master WHERE name = ?1 COLLATE NOCASE", error);
    if (!statement)
        return std::nullopt;
    sqlite3_bind_text(statement->get(), 1, name.c_str(), -1, SQLITE_TRANSIENT);
    const int result = sqlite3_step(statement->get());
    if (result == SQLITE_ROW)
        return columnText(statement->get(), 0);
    if (result != SQLITE_DONE)
        error = sqlite3_errmsg(db);
    return std::nullopt;
}

std::string typeAffinity(const std::string& declaredType)
{
    const std::string type = upper(declaredType);
    auto has = [&](const char* part) { return type.find(part) != std::string::npos; };
    if (has("INT"))
        return "INTEGER";
    if (has("CHAR") || has("CLOB") || has("TEXT"))
        return "TEXT";
    if (type.empty() || has("BLOB"))
        return "BLOB";
    if (has("REAL") || has("FLOA") || has("DOUB"))
        return "REAL";
    return "NUMERIC";
}

std::optional<std::string> shapeDifference(const std::vector<ColumnShape>& actual,
                                           const std::vector<ColumnShape>& expected)
{
    for (std::size_t i = 0; i < std::min(actual.size(), expected.size()); ++i) {
        if (upper(actual[i].name) != upper(expected[i].name) ||
            typeAffinity(actual[i].declaredType) != typeAffinity(expected[i].declaredType))
            return "column " + std::to_string(i + 1) + " is " + describe(actual[i]) +
                   ", expected " + describe(expected[i]);
    }
    if (actual.size() != expected.size())
        return std::to_string(actual.size()) + " columns, expected " +
               std::to_string(expected.size());
    return std::nullopt;
}
