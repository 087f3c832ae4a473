#include "db/product_db.h"

#include "db/measurement_store.h"
#include "db/row_conversion.h"
#include "db/row_reader.h"
#include "db/sql_format.h"

#include <algorithm>

// The valve list statements. Texts go through "%q": a designation such as
// "Pump's room" is stored as typed and cannot change the statement.

namespace {

// Byte for byte the statement the valve list has always been written with,
// tabs and the run of 24 blanks included.
constexpr const char* kInsertFormat =
    "insert into %s ('posizione', 'nome_tipo', 'dimensione', 'numero_di_materiale', 'dP',\t\t                        "
    "'portata', 'fluido', 't_mandata', 't_ritorno', 'potenza', 'presetting',\t\t\t\t\t\t\t\t"
    "'kv', 'apertura', 'riferimento', 'muP', 'muQ', 'muPower', 'muTemp') values "
    "\t\t\t\t\t\t\t\t('%d', '%q', '%q', '%q', '%f', '%f', '%d', '%f', '%f', '%f', '%q', '%q', '%q', '%q', '%q', '%q', '%q', '%q')";

} // namespace

bool ProductDb::loadProjects(std::vector<ProjectRow>& rows)
{
    return followFile("Progetti_Query", false) &&
           execute(sqlFormat("SELECT * FROM %s ORDER BY '%s'", "progetti", "ASC"), "Progetti_Query",
                   [&rows](const RowReader& row) { rows.push_back(readProjectRow(row)); });
}

bool ProductDb::findProjectsByDesignation(const std::string& designation, std::vector<ProjectRow>& rows)
{
    return followFile("Progetti_Query", false) &&
           execute(sqlFormat("SELECT * FROM %s WHERE %s = '%q' ORDER BY '%s'", "progetti", "riferimento",
                             designation.c_str(), "ASC"),
                   "Progetti_Query", [&rows](const RowReader& row) { rows.push_back(readProjectRow(row)); });
}

int ProductDb::insertProject(const ProjectRow& row)
{
    const ProjectRow fitted = fittedToFields(row);
    const std::string statement =
        sqlFormat(kInsertFormat, "progetti", int(fitted.posizione), fitted.nome_tipo.c_str(),
                  fitted.dimensione.c_str(), fitted.numero_di_materiale.c_str(), double(fitted.dP),
                  double(fitted.portata), int(fitted.fluido), double(fitted.t_mandata),
                  double(fitted.t_ritorno), double(fitted.potenza), fitted.presetting.c_str(), fitted.kv.c_str(),
                  fitted.apertura.c_str(), fitted.riferimento.c_str(), fitted.muP.c_str(), fitted.muQ.c_str(),
                  fitted.muPower.c_str(), fitted.muTemp.c_str());
    return followFile("Progetti_Insert", true) && execute(statement, "Progetti_Insert", [](const RowReader&) {})
               ? 0
               : -1;
}

int ProductDb::deleteProject(std::optional<std::uint16_t> posizione)
{
    const std::string statement = posizione
                                      ? sqlFormat("DELETE FROM %s WHERE posizione = '%d'", "progetti", int(*posizione))
                                      : sqlFormat("DELETE FROM %s", "progetti");
    return followFile("Progetti_Delete", true) && execute(statement, "Progetti_Delete", [](const RowReader&) {})
               ? 0
               : -1;
}

namespace {

// A stored row as the list reads it, with its number as the C conversion
// reads it, before a list cuts it to 16 bits.
struct StoredRow {
    std::int64_t number;
    ProjectRow row;
};

// The one stored number whose rows all read back as `shown`, when the
// delete statement on it removes that valve and nothing else.
std::optional<std::int64_t> numberToDelete(const std::vector<StoredRow>& stored, const ProjectRow& shown)
{
    std::optional<std::int64_t> match;
    for (const StoredRow& row : stored) {
        if (!sameStoredRow(row.row, shown))
            continue;
        if (match && *match != row.number)
            return std::nullopt; // two stored numbers show alike: which one was meant is unknown
        match = row.number;
    }
    for (const StoredRow& row : stored)
        if (match && row.number == *match && !sameStoredRow(row.row, shown))
            return std::nullopt;
    return match;
}

} // namespace

ShownRowsDeletion ProductDb::deleteShownProjects(const std::vector<ProjectRow>& shown)
{
    constexpr const char* kLabel = "Progetti_Delete";
    const RowHandler none = [](const RowReader&) {};
    ShownRowsDeletion outcome;
    outcome.failed = true;
    // The write lock first, so that no other program changes the table
    // between the check and the deletion.
    if (!followFile(kLabel, true) || !execute("BEGIN IMMEDIATE", kLabel, none))
        return outcome;
    std::vector<StoredRow> stored;
    bool done = execute(sqlFormat("SELECT * FROM %s", "progetti"), kLabel, [&stored](const RowReader& row) {
        stored.push_back({row.integer(0), readProjectRow(row)});
    });
    std::vector<std::int64_t> deletedNumbers;
    MeasurementStore readings(db_.get());
    for (auto valve = shown.begin(); done && valve != shown.end(); ++valve) {
        const std::optional<std::int64_t> number = numberToDelete(stored, *valve);
        if (!number || std::find(deletedNumbers.begin(), deletedNumbers.end(), *number) != deletedNumbers.end())
            continue;
        done = execute(sqlFormat("DELETE FROM %s WHERE posizione = '%lld'", "progetti", static_cast<long long>(*number)),
                       kLabel, none);
        // Readings of a deleted valve must not pass for a later valve's.
        if (const auto failure = done ? readings.remove(valve->posizione, valve->riferimento) : std::nullopt)
            done = fail(kLabel, *failure);
        deletedNumbers.push_back(*number);
    }
    if (const auto failure = done ? readings.removeOrphans() : std::nullopt)
        done = fail(kLabel, *failure);
    if (done && execute("COMMIT", kLabel, none)) {
        outcome.failed = false;
        for (const StoredRow& row : stored) {
            const bool deleted =
                std::find(deletedNumbers.begin(), deletedNumbers.end(), row.number) != deletedNumbers.end();
            ++(deleted ? outcome.deleted : outcome.kept);
        }
        return outcome;
    }
    sqlite3_exec(db_.get(), "ROLLBACK", nullptr, nullptr, nullptr);
    return outcome;
}

ShownRowRecording ProductDb::recordShownMeasurement(const ProjectRow& shown, const MeasurementRow& reading)
{
    constexpr const char* kLabel = "Misure_Insert";
    const RowHandler none = [](const RowReader&) {};
    if (!followFile(kLabel, true) || !execute("BEGIN IMMEDIATE", kLabel, none))
        return ShownRowRecording::Failed;
    std::vector<StoredRow> stored;
    bool done = execute(sqlFormat("SELECT * FROM %s", "progetti"), kLabel, [&stored](const RowReader& row) {
        stored.push_back({row.integer(0), readProjectRow(row)});
    });
    const bool shownStill = done && numberToDelete(stored, shown).has_value();
    MeasurementStore readings(db_.get());
    if (const auto failure = done && shownStill ? readings.removeOrphans() : std::nullopt)
        done = fail(kLabel, *failure);
    if (const auto failure = done && shownStill ? readings.record(reading) : std::nullopt)
        done = fail(kLabel, *failure);
    if (done && execute(shownStill ? "COMMIT" : "ROLLBACK", kLabel, none))
        return shownStill ? ShownRowRecording::Recorded : ShownRowRecording::ChangedSinceShown;
    sqlite3_exec(db_.get(), "ROLLBACK", nullptr, nullptr, nullptr);
    return ShownRowRecording::Failed;
}

ShownRowDeletion ProductDb::deleteShownProject(const ProjectRow& shown)
{
    const ShownRowsDeletion outcome = deleteShownProjects({shown});
    if (outcome.failed)
        return ShownRowDeletion::Failed;
    return outcome.deleted > 0 ? ShownRowDeletion::Deleted : ShownRowDeletion::ChangedSinceShown;
}
