#include "db/measurement_migration.h"

#include "db/measurement_table.h"
#include "db/sqlite_handle.h"

#include <string>

namespace {

// The earlier layout lacks the reading number.
bool hasEarlierLayout(sqlite3* db)
{
    sqlite3_stmt* raw = nullptr;
    if (sqlite3_prepare_v2(db,
                           "SELECT count(*), count(CASE WHEN name = 'lettura' THEN 1 END) "
                           "FROM pragma_table_info('misure')",
                           -1, &raw, nullptr) != SQLITE_OK) {
        sqlite3_finalize(raw);
        return false;
    }
    const SqliteStatement statement(raw);
    return sqlite3_step(raw) == SQLITE_ROW && sqlite3_column_int64(raw, 0) > 0 && sqlite3_column_int64(raw, 1) == 0;
}

std::optional<std::string> execute(sqlite3* db, const std::string& script)
{
    char* message = nullptr;
    if (sqlite3_exec(db, script.c_str(), nullptr, nullptr, &message) == SQLITE_OK)
        return std::nullopt;
    const SqliteText owned(message);
    return owned ? std::string(owned.get()) : std::string(sqlite3_errmsg(db));
}

// The old rows in the order they were written, each its valve's first reading.
const std::string kCopyScript = std::string("ALTER TABLE misure RENAME TO misure_precedente;\n") +
                                kMeasurementTableSchema +
                                "INSERT INTO misure (posizione, riferimento, dP, muP, presetting, portata, muQ, "
                                "esito, data)\n"
                                "  SELECT posizione, riferimento, dP, muP, presetting, portata, muQ, esito, data\n"
                                "  FROM misure_precedente ORDER BY rowid;\n"
                                "DROP TABLE misure_precedente;\n";

} // namespace

std::optional<std::string> migrateMeasurementTable(sqlite3* db)
{
    if (!db)
        return std::string("no database connection");
    if (!hasEarlierLayout(db))
        return std::nullopt;
    // A savepoint nests in a transaction the caller may hold. Looked at again
    // inside it, in case another connection migrated the table meanwhile.
    if (auto failure = execute(db, "SAVEPOINT misure_migration"))
        return failure;
    std::optional<std::string> failure = hasEarlierLayout(db) ? execute(db, kCopyScript) : std::nullopt;
    if (failure)
        execute(db, "ROLLBACK TO misure_migration");
    if (auto released = execute(db, "RELEASE misure_migration"); released && !failure)
        failure = released;
    return failure;
}
