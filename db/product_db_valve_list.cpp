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

void ProductDb::loadProjects(std::vector<ProjectRow>& rows)
{
    execute(sqlFormat("SELECT * FROM %s ORDER BY '%s'", "progetti", "ASC"), "Progetti_Query",
            [&rows](const RowReader& row) { rows.push_back(readProjectRow(row)); });
}

void ProductDb::findProjectsByDesignation(const std::string& designation, std::vector<ProjectRow>& rows)
{
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
    return execute(statement, "Progetti_Insert", [](const RowReader&) {}) ? 0 : -1;
}

int ProductDb::deleteProject(std::optional<std::uint16_t> posizione)
{
    const std::string statement = posizione
                                      ? sqlFormat("DELETE FROM %s WHERE posizione = '%d'", "progetti", int(*posizione))
                                      : sqlFormat("DELETE FROM %s", "progetti");
    return execute(statement, "Progetti_Delete", [](const RowReader&) {}) ? 0 : -1;
}
