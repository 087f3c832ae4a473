#include "db/sqlite_columns.h"

void bindText(sqlite3_stmt* statement, int index, const std::string& text)
{
    sqlite3_bind_text(statement, index, text.data(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

std::string columnText(sqlite3_stmt* statement, int column)
{
    const unsigned char* text = sqlite3_column_text(statement, column);
    return text ? std::string(reinterpret_cast<const char*>(text),
                              static_cast<std::size_t>(sqlite3_column_bytes(statement, column)))
                : std::string();
}

float columnFloat(sqlite3_stmt* statement, int column)
{
    return static_cast<float>(sqlite3_column_double(statement, column));
}

std::optional<float> columnOptional(sqlite3_stmt* statement, int column)
{
    if (sqlite3_column_type(statement, column) == SQLITE_NULL)
        return std::nullopt;
    return columnFloat(statement, column);
}

void bindOptional(sqlite3_stmt* statement, int index, std::optional<float> value)
{
    if (value)
        sqlite3_bind_double(statement, index, *value);
    else
        sqlite3_bind_null(statement, index);
}

std::optional<PipeSection> columnPipe(sqlite3_stmt* statement, int first)
{
    if (sqlite3_column_type(statement, first) == SQLITE_NULL)
        return std::nullopt;
    return PipeSection{columnFloat(statement, first), columnFloat(statement, first + 1),
                       columnFloat(statement, first + 2), columnFloat(statement, first + 3)};
}

void bindPipe(sqlite3_stmt* statement, int first, const std::optional<PipeSection>& pipe)
{
    const bool given = pipe.has_value();
    bindOptional(statement, first, given ? std::optional(pipe->lengthM) : std::nullopt);
    bindOptional(statement, first + 1, given ? std::optional(pipe->innerDiameterMm) : std::nullopt);
    bindOptional(statement, first + 2, given ? std::optional(pipe->roughnessMm) : std::nullopt);
    bindOptional(statement, first + 3, given ? std::optional(pipe->zeta) : std::nullopt);
}
