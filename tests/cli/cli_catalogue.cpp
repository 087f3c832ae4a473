#include "tests/cli/cli_catalogue.h"

#include "tests/support/fixture_db.h"

void writeCliCatalogue(const std::filesystem::path& folder)
{
    std::filesystem::create_directory(folder / "DB");
    fixture::execute(
        folder / "DB" / "mvd.db",
        fixture::catalogueSchema() + fixture::projectsSchema() + fixture::sixFluids() +
            "INSERT INTO fobv VALUES ('Arvelo Quarz', 1.0, 8.0, 0, 8, 0.1, 'DN 25', 'AQ-025', 10.0, 'mquarz');"
            "INSERT INTO fobv VALUES ('Arvelo Quarz', 1.0, 8.0, 0, 8, 0.1, 'DN 32', 'AQ-032', 16.0, 'mquarz');"
            "INSERT INTO preset (codice_tecnico, modello, p36, p37, p38) VALUES ('AQ-025', 'Arvelo Quarz', 5.5, 5.7,"
            " 5.9);"
            "INSERT INTO vobv VALUES ('AV-1', 'Arvelo', 0.1, 20, 0.5, 4.0, 0.1, 'DN 25', 'arvelo', 0.01, 2.0);"
            "INSERT INTO preset (codice_tecnico, modello, p30) VALUES ('AV-1', 'Arvelo', 5.68);"
            "INSERT INTO picv VALUES ('Arvelo Flumen-A', 0.1, 1.0, 'AF-1', 400, 'DN 20', 0, 5, 0.1, 'mflumen_a');"
            "INSERT INTO preset (codice_tecnico, modello, p5) VALUES ('AF-1', 'Arvelo Flumen-A', 0.5);"
            "INSERT INTO startup (codice_tecnico, modello, dp5) VALUES ('AF-1', 'Arvelo Flumen-A', 20);"
            "INSERT INTO dpcv VALUES ('Arvelo Statra-A', 0.1, 2.0, 5, 25, 'AS-1', 'DN 25', 'mstatra_a');"
            "INSERT INTO dpcv VALUES ('Arvelo Statra-B', 0.1, 2.0, 5, 25, 'AS-2', 'DN 25', 'mstatra_b');");
}
