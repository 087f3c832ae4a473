#include "catalogue/catalogue_file.h"

#include "catalogue/sqlite_handle.h"
#include "catalogue/table_shape.h"
#include "db/measurement_table.h"
#include "db/branch_schema.h"
#include "db/system_schema.h"

#include <optional>

namespace {

constexpr const char* kValveList = "progetti";
constexpr int kBusyTimeoutMs = 5000;

struct Failure {
    std::string message;
};

// Columns that table progetti must have, from its own CREATE statement.
std::optional<std::vector<ColumnShape>> expectedValveList(const std::string& progettiSchema,
                                                          std::string& error)
{
    std::string openError;
    auto db = openDatabase(":memory:", SQLITE_OPEN_READWRITE, openError);
    if (!db) {
        error = openError;
        return std::nullopt;
    }
    if (auto failure = execute(db->get(), progettiSchema)) {
        error = "progetti schema: " + *failure;
        return std::nullopt;
    }
    return tableColumns(db->get(), kValveList, error);
}

// Why an existing file must not be written, if it must not. Reads only.
std::optional<std::string> refusal(const std::filesystem::path& path,
                                   const std::vector<ColumnShape>& valveList)
{
    std::string error;
    auto db = openDatabase(path, SQLITE_OPEN_READONLY, error);
    if (!db)
        return "cannot be opened: " + error;
    const auto type = objectType(db->get(), kValveList, error);
    if (!error.empty()) {
        if (sqlite3_extended_errcode(db->get()) == SQLITE_NOTADB)
            return std::string("is not an SQLite database");
        return "cannot be read as an SQLite database: " + error;
    }
    if (!type)
        return std::nullopt;
    if (*type != "table")
        return "holds progetti as a " + *type + ", not as the valve list table";
    const auto columns = tableColumns(db->get(), kValveList, error);
    if (!columns)
        return "cannot read table progetti: " + error;
    if (const auto difference = shapeDifference(*columns, valveList))
        return "holds a table progetti that is not a valve list: " + *difference;
    return std::nullopt;
}

std::string insertStatement(const TableData& table)
{
    std::string names;
    std::string places;
    for (std::size_t i = 0; i < table.columns.size(); ++i) {
        names += (i ? ", " : "") + table.columns[i];
        places += i ? ", ?" : "?";
    }
    return "INSERT INTO " + table.name + " (" + names + ") VALUES (" + places + ")";
}

void bindValue(sqlite3_stmt* statement, int index, const SqlValue& value)
{
    if (const auto* integer = std::get_if<long long>(&value))
        sqlite3_bind_int64(statement, index, *integer);
    else if (const auto* real = std::get_if<double>(&value))
        sqlite3_bind_double(statement, index, *real);
    else if (const auto* text = std::get_if<std::string>(&value))
        sqlite3_bind_text(statement, index, text->c_str(), static_cast<int>(text->size()),
                          SQLITE_TRANSIENT);
    else
        sqlite3_bind_null(statement, index);
}

std::optional<Failure> insertRows(sqlite3* db, const TableData& table)
{
    std::string error;
    auto statement = prepare(db, insertStatement(table), error);
    if (!statement)
        return Failure{"table " + table.name + ": " + error};
    for (const auto& row : table.rows) {
        sqlite3_reset(statement->get());
        for (std::size_t i = 0; i < row.size(); ++i)
            bindValue(statement->get(), static_cast<int>(i + 1), row[i]);
        if (sqlite3_step(statement->get()) != SQLITE_DONE)
            return Failure{"table " + table.name + ": " + sqlite3_errmsg(db)};
    }
    return std::nullopt;
}

// Everything that changes the file, inside one transaction.
std::optional<Failure> replaceCatalogue(sqlite3* db, const std::vector<TableData>& tables,
                                        const std::string& catalogueSchema,
                                        const std::string& progettiSchema)
{
    if (auto failure = execute(db, "BEGIN IMMEDIATE"))
        return Failure{*failure};
    auto fail = [db](const std::string& message) {
        execute(db, "ROLLBACK");
        return Failure{message};
    };
    for (const auto& table : tables)
        if (auto failure = execute(db, "DROP TABLE IF EXISTS " + table.name))
            return fail(*failure);
    if (auto failure = execute(db, catalogueSchema))
        return fail("catalogue schema: " + *failure);
    for (const auto& table : tables)
        if (auto failure = insertRows(db, table))
            return fail(failure->message);
    if (auto failure = execute(db, progettiSchema))
        return fail("progetti schema: " + *failure);
    if (auto failure = execute(db, kMeasurementTableSchema))
        return fail("misure schema: " + *failure);
    // The saved branches are the user's, like the valve list: created when
    // missing, never replaced.
    if (auto failure = execute(db, kBranchSchema))
        return fail("branch tables: " + *failure);
    if (auto failure = execute(db, kSystemSchema))
        return fail("system tables: " + *failure);
    // No VACUUM here: it may renumber the rowids of progetti, whose storage
    // order is the order of the valve list.
    if (auto failure = execute(db, "COMMIT"))
        return fail(*failure);
    return std::nullopt;
}

long long rowCount(sqlite3* db, const std::string& table)
{
    std::string error;
    auto statement = prepare(db, "SELECT count(*) FROM " + table, error);
    if (!statement || sqlite3_step(statement->get()) != SQLITE_ROW)
        return 0;
    return sqlite3_column_int64(statement->get(), 0);
}

std::string summary(sqlite3* db, const std::vector<TableData>& tables, bool created)
{
    std::string text = created ? "created" : "rebuilt";
    text += " the catalogue (";
    for (std::size_t i = 0; i < tables.size(); ++i)
        text += (i ? ", " : "") + tables[i].name + " " + std::to_string(tables[i].rows.size());
    const long long kept = rowCount(db, kValveList);
    text += " rows); valve list: " + std::to_string(kept) + (kept == 1 ? " row" : " rows") +
            (created ? "" : " kept");
    return text;
}

} // namespace

WriteResult writeCatalogueFile(const std::filesystem::path& path,
                               const std::vector<TableData>& tables,
                               const std::string& catalogueSchema,
                               const std::string& progettiSchema)
{
    std::string error;
    const auto valveList = expectedValveList(progettiSchema, error);
    if (!valveList)
        return {false, error};

    std::error_code ignored;
    const bool existed = std::filesystem::exists(path, ignored);
    if (existed) {
        if (const auto reason = refusal(path, *valveList))
            return {false, path.string() + " " + *reason + "; left unchanged"};
    } else if (path.has_parent_path()) {
        std::error_code folderError;
        std::filesystem::create_directories(path.parent_path(), folderError);
        if (folderError)
            return {false, "cannot create the folder of " + path.string() + ": " +
                               folderError.message()};
    }

    std::optional<Failure> failure;
    std::string summaryText;
    {
        auto db = openDatabase(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, error);
        if (!db) {
            failure = Failure{"cannot open " + path.string() + ": " + error};
        } else {
            sqlite3_busy_timeout(db->get(), kBusyTimeoutMs);
            failure = replaceCatalogue(db->get(), tables, catalogueSchema, progettiSchema);
            if (!failure)
                summaryText = summary(db->get(), tables, !existed);
        }
    }
    if (failure) {
        // A file this run created holds nothing worth keeping.
        if (!existed)
            std::filesystem::remove(path, ignored);
        return {false, path.string() + ": " + failure->message +
                           (existed ? "; left unchanged" : "; nothing written")};
    }
    return {true, path.string() + ": " + summaryText};
}
