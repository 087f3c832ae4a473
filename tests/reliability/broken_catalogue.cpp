#include "tests/reliability/broken_catalogue.h"

#include "tests/support/fixture_db.h"

namespace {

const char* const kValves =
    "INSERT INTO fobv VALUES ('Arvelo Quarz', 0.5, 8.0, 0, 8, 0.1, 'DN 20', 'AQ-020', 4.0, 'mquarz');"
    "INSERT INTO fobv VALUES ('Arvelo Quarz', 1.0, 8.0, 0, 8, 0.1, 'DN 25', 'AQ-025', 10.0, 'mquarz');"
    "INSERT INTO fobv VALUES ('Arvelo Quarz', 1.0, 16.0, 0, 8, 0.1, 'DN 32', 'AQ-032', 16.0, 'mquarz');"
    "INSERT INTO vobv VALUES ('AV-1', 'Arvelo', 0.1, 20, 0.5, 4.0, 0.1, 'DN 25', 'arvelo', 0.01, 2.0);"
    "INSERT INTO vobv VALUES ('AV-2', 'Arvelo Nodo', 0.1, 20, 0.5, 4.0, 0.1, 'DN 32', 'arvelo_nodo', 0.01, 4.0);"
    "INSERT INTO picv VALUES ('Arvelo Flumen-A', 0.1, 1.0, 'AF-1', 400, 'DN 20', 0, 5, 0.1, 'mflumen_a');"
    "INSERT INTO picv VALUES ('Arvelo Flumen-B', 0.1, 2.0, 'AF-2', 400, 'DN 25', 0, 5, 0.1, 'mflumen_b');"
    "INSERT INTO dpcv VALUES ('Arvelo Statra-A', 0.1, 2.0, 5, 25, 'AS-1', 'DN 25', 'mstatra_a');"
    "INSERT INTO dpcv VALUES ('Arvelo Statra-B', 0.1, 2.0, 5, 25, 'AS-2', 'DN 25', 'mstatra_b');"
    "INSERT INTO preset (codice_tecnico, modello, p0, p36, p37, p38, p80) VALUES"
    " ('AQ-020', 'Arvelo Quarz', 0.1, 1.5, 1.6, 1.7, 4.0),"
    " ('AQ-025', 'Arvelo Quarz', 0.2, 5.5, 5.7, 5.9, 10.0),"
    " ('AQ-032', 'Arvelo Quarz', 0.3, 8.5, 8.7, 8.9, 16.0),"
    " ('AV-1', 'Arvelo', 0.1, 2.0, 2.1, 2.2, 20.0),"
    " ('AV-2', 'Arvelo Nodo', 0.1, 2.0, 2.1, 2.2, 20.0),"
    " ('AF-1', 'Arvelo Flumen-A', 0.1, 0.5, 0.6, 0.7, 1.0),"
    " ('AF-2', 'Arvelo Flumen-B', 0.1, 1.0, 1.1, 1.2, 2.0);"
    "INSERT INTO startup (codice_tecnico, modello, dp0, dp5, dp20) VALUES"
    " ('AF-1', 'Arvelo Flumen-A', 10, 20, 30),"
    " ('AF-2', 'Arvelo Flumen-B', 10, 20, 30);";

} // namespace

void writeReliabilityCatalogue(const std::filesystem::path& folder, const std::string& breakage)
{
    std::filesystem::create_directories(folder / "DB");
    fixture::execute(folder / "DB" / "mvd.db", fixture::catalogueSchema() + fixture::projectsSchema() +
                                                   fixture::sixFluids() + kValves + breakage);
}

std::string withoutConstraints(const std::string& name)
{
    return "CREATE TABLE lax AS SELECT * FROM " + name + "; DROP TABLE " + name + "; ALTER TABLE lax RENAME TO " +
           name + ";";
}
