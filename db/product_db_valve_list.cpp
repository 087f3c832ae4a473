#include "db/product_db.h"

#include "db/row_conversion.h"
#include "db/row_reader.h"
#include "db/sql_format.h"

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

// What decides a deletion: every stored number (as the C conversion reads
// it, before a list cuts it to 16 bits) with its designation.
struct StoredNumber {
    std::int64_t number;
    std::string designation;
};

// The one stored number that shows as `shown` with `designation`, when the
// delete statement on it removes that valve and nothing else.
std::optional<std::int64_t> numberToDelete(const std::vector<StoredNumber>& stored, std::uint16_t shown,
                                           const std::string& designation)
{
    std::optional<std::int64_t> match;
    for (const StoredNumber& row : stored) {
        if (static_cast<std::uint16_t>(row.number) != shown || row.designation != designation)
            continue;
        if (match && *match != row.number)
            return std::nullopt; // two stored numbers show alike: which one was meant is unknown
        match = row.number;
    }
    for (const StoredNumber& row : stored)
        if (match && row.number == *match && row.designation != designation)
            return std::nullopt;
    return match;
}

} // namespace

ShownRowDeletion ProductDb::deleteShownProject(std::uint16_t shown, const std::string& designation)
{
    constexpr const char* kLabel = "Progetti_Delete";
    const RowHandler none = [](const RowReader&) {};
    // The write lock first, so that no other program changes the table
    // between the check and the deletion.
    if (!followFile(kLabel, true) || !execute("BEGIN IMMEDIATE", kLabel, none))
        return ShownRowDeletion::Failed;
    std::vector<StoredNumber> stored;
    const bool read = execute("SELECT posizione, riferimento FROM progetti", kLabel, [&stored](const RowReader& row) {
        stored.push_back({row.integer(0), row.text(1, std::string::npos)});
    });
    const std::optional<std::int64_t> number = read ? numberToDelete(stored, shown, designation) : std::nullopt;
    const bool deleted =
        number && execute(sqlFormat("DELETE FROM %s WHERE posizione = '%lld'", "progetti", static_cast<long long>(*number)),
                          kLabel, none);
    if (deleted && execute("COMMIT", kLabel, none))
        return ShownRowDeletion::Deleted;
    sqlite3_exec(db_.get(), "ROLLBACK", nullptr, nullptr, nullptr);
    if (read && !number)
        return ShownRowDeletion::ChangedSinceShown;
    return ShownRowDeletion::Failed;
}
