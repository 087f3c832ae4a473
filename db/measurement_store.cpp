#include "db/measurement_store.h"

#include "db/measurement_migration.h"
#include "db/measurement_table.h"
#include "db/sqlite_handle.h"

#include <cmath>

namespace {

using Statement = SqliteStatement;


Statement prepare(sqlite3* db, const char* text)
{
    sqlite3_stmt* raw = nullptr;
    if (!db || sqlite3_prepare_v2(db, text, -1, &raw, nullptr) != SQLITE_OK) {
        sqlite3_finalize(raw);
        return nullptr;
    }
    return Statement(raw);
}

void bindText(sqlite3_stmt* statement, int index, const std::string& text)
{
    sqlite3_bind_text(statement, index, text.c_str(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
}

// Runs a statement that returns no rows.
std::optional<DbFailure> run(sqlite3* db, const Statement& statement)
{
    if (!statement || sqlite3_step(statement.get()) != SQLITE_DONE)
        return failureOf(db);
    return std::nullopt;
}

std::string columnText(sqlite3_stmt* statement, int column)
{
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(statement, column));
    return text ? text : "";
}

// A value another program stored as text or beyond single precision reads
// as not-a-number, which every view shows as "---".
float columnReal(sqlite3_stmt* statement, int column)
{
    const int type = sqlite3_column_type(statement, column);
    if (type != SQLITE_FLOAT && type != SQLITE_INTEGER)
        return NAN;
    const double value = sqlite3_column_double(statement, column);
    return std::isfinite(static_cast<float>(value)) ? static_cast<float>(value) : NAN;
}

MeasurementVerdict columnVerdict(sqlite3_stmt* statement, int column)
{
    if (sqlite3_column_type(statement, column) == SQLITE_NULL)
        return MeasurementVerdict::None;
    return sqlite3_column_int64(statement, column) == 0 ? MeasurementVerdict::Insufficient
                                                         : MeasurementVerdict::Sufficient;
}

} // namespace

MeasurementStore::TableCheck MeasurementStore::checkTable() const
{
    const Statement statement = prepare(db_, "SELECT 1 FROM sqlite_master WHERE type = 'table' AND name = 'misure'");
    const int step = statement ? sqlite3_step(statement.get()) : SQLITE_ERROR;
    if (step == SQLITE_ROW || step == SQLITE_DONE)
        return {step == SQLITE_ROW, std::nullopt};
    return {false, failureOf(db_)};
}

std::optional<DbFailure> MeasurementStore::record(const MeasurementRow& row)
{
    if (!db_)
        return failureOf(db_);
    if (auto failure = migrateMeasurementTable(db_))
        return DbFailure{*failure, false, sqlite3_errcode(db_) & 0xff};
    if (sqlite3_exec(db_, kMeasurementTableSchema, nullptr, nullptr, nullptr) != SQLITE_OK)
        return failureOf(db_);
    const Statement statement = prepare(
        db_, "INSERT INTO misure (posizione, riferimento, dP, muP, presetting, portata, muQ, esito, data, "
             "confermata) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?)");
    if (!statement)
        return failureOf(db_);
    sqlite3_stmt* s = statement.get();
    sqlite3_bind_int64(s, 1, row.posizione);
    bindText(s, 2, row.riferimento);
    sqlite3_bind_double(s, 3, row.dP);
    bindText(s, 4, row.muP);
    bindText(s, 5, row.setting);
    sqlite3_bind_double(s, 6, row.flow);
    bindText(s, 7, row.muQ);
    if (row.verdict == MeasurementVerdict::None)
        sqlite3_bind_null(s, 8);
    else
        sqlite3_bind_int(s, 8, row.verdict == MeasurementVerdict::Sufficient ? 1 : 0);
    bindText(s, 9, row.date);
    sqlite3_bind_int(s, 10, row.implausibleConfirmed ? 1 : 0);
    return run(db_, statement);
}

std::optional<DbFailure> MeasurementStore::remove(std::int64_t posizione, const std::string& riferimento)
{
    const Statement statement = prepare(db_, "DELETE FROM misure WHERE posizione = ? AND riferimento = ?");
    if (statement) {
        sqlite3_bind_int64(statement.get(), 1, posizione);
        bindText(statement.get(), 2, riferimento);
    }
    return changeTable(statement);
}

std::optional<DbFailure> MeasurementStore::removeAll()
{
    return changeTable(prepare(db_, "DELETE FROM misure"));
}

std::optional<DbFailure> MeasurementStore::removeOrphans()
{
    // A number as the list's insert stores it (text) or as another program
    // may (an integer) is the same valve's; the list and its readings know
    // a number by its 16 bits.
    return changeTable(prepare(db_, "DELETE FROM misure WHERE NOT EXISTS (SELECT 1 FROM progetti WHERE "
                                    "(CAST(progetti.posizione AS INTEGER) & 65535) = (misure.posizione & 65535) "
                                    "AND progetti.riferimento = misure.riferimento)"));
}

std::optional<DbFailure> MeasurementStore::changeTable(const SqliteStatement& statement)
{
    const TableCheck table = checkTable();
    if (table.error || !table.exists)
        return table.error; // a file without the table has nothing to forget
    if (auto failure = migrateMeasurementTable(db_))
        return DbFailure{*failure, false, sqlite3_errcode(db_) & 0xff};
    return run(db_, statement);
}

MeasurementStore::Loaded MeasurementStore::load() const
{
    Loaded loaded;
    const TableCheck table = checkTable();
    if (table.error || !table.exists) {
        loaded.error = table.error;
        return loaded;
    }
    if (auto failure = migrateMeasurementTable(db_)) {
        loaded.error = DbFailure{*failure, false, sqlite3_errcode(db_) & 0xff};
        return loaded;
    }
    const Statement statement = prepare(
        db_, "SELECT posizione, riferimento, dP, muP, presetting, portata, muQ, esito, data, confermata, lettura "
             "FROM misure ORDER BY posizione, riferimento, lettura");
    if (!statement) {
        loaded.error = failureOf(db_);
        return loaded;
    }
    sqlite3_stmt* s = statement.get();
    int step = SQLITE_ROW;
    while ((step = sqlite3_step(s)) == SQLITE_ROW) {
        MeasurementRow row;
        row.posizione = sqlite3_column_int64(s, 0);
        row.riferimento = columnText(s, 1);
        row.dP = columnReal(s, 2);
        row.muP = columnText(s, 3);
        row.setting = columnText(s, 4);
        row.flow = columnReal(s, 5);
        row.muQ = columnText(s, 6);
        row.verdict = columnVerdict(s, 7);
        row.date = columnText(s, 8);
        row.implausibleConfirmed = sqlite3_column_int64(s, 9) != 0;
        row.reading = sqlite3_column_int64(s, 10);
        loaded.rows.push_back(std::move(row));
    }
    if (step != SQLITE_DONE) {
        loaded.rows.clear();
        loaded.error = failureOf(db_);
    }
    return loaded;
}

const MeasurementRow* findMeasurement(const std::vector<MeasurementRow>& rows, std::int64_t posizione,
                                      const std::string& riferimento)
{
    const MeasurementRow* latest = nullptr;
    for (const MeasurementRow& row : rows)
        if (row.posizione == posizione && row.riferimento == riferimento && (!latest || row.reading >= latest->reading))
            latest = &row;
    return latest;
}
