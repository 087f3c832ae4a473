#include "db/product_db.h"
#include "db/valve_list_store.h"

#include "tests/db/statement_log.h"
#include "tests/db/product_db_fixture.h"
#include "tests/support/fixture_db.h"

#include <gtest/gtest.h>


namespace {

using ValveListStoreTest = ProductDbFixture;

ProjectRow sampleRow()
{
    ProjectRow row;
    row.posizione = 7;
    row.nome_tipo = "Arvelo Quarz";
    row.dimensione = "DN 15";
    row.numero_di_materiale = "AQ-015";
    row.dP = 100.0f;
    row.portata = 1.5f;
    row.fluido = 2;
    row.t_mandata = 20.0f;
    row.t_ritorno = 15.0f;
    row.potenza = 0.0f;
    row.presetting = "3,70";
    row.kv = "5,69";
    row.apertura = "46,25";
    row.riferimento = "Room 1";
    row.muP = "mbar";
    row.muQ = "l/s";
    row.muPower = "kW";
    row.muTemp = "C";
    return row;
}

TEST_F(ValveListStoreTest, InsertsWithTheExactStatementText)
{
    openWith(fixture::projectsSchema());
    StatementLog log(db.handle());
    EXPECT_EQ(db.insertProject(sampleRow()), 0);
    const std::string expected =
        "insert into progetti ('posizione', 'nome_tipo', 'dimensione', 'numero_di_materiale', 'dP',\t\t" +
        std::string(24, ' ') +
        "'portata', 'fluido', 't_mandata', 't_ritorno', 'potenza', 'presetting',\t\t\t\t\t\t\t\t'kv', 'apertura', "
        "'riferimento', 'muP', 'muQ', 'muPower', 'muTemp') values \t\t\t\t\t\t\t\t('7', 'Arvelo Quarz', 'DN 15', "
        "'AQ-015', '100.000000', '1.500000', '2', '20.000000', '15.000000', '0.000000', '3,70', '5,69', '46,25', "
        "'Room 1', 'mbar', 'l/s', 'kW', 'C')";
    EXPECT_EQ(log.last(), expected);
}

TEST_F(ValveListStoreTest, StoresQuotesAndCutsLongTextsAtTheirFields)
{
    openWith(fixture::projectsSchema());
    ProjectRow row = sampleRow();
    row.riferimento = "Pump's room '); DELETE FROM progetti; --";
    row.nome_tipo = std::string(126, 'x') + "\xC3\xA9"; // é would end at byte 128
    row.muQ = "m3/h";
    ASSERT_EQ(db.insertProject(row), 0);
    ASSERT_EQ(db.insertProject(sampleRow()), 0);

    std::vector<ProjectRow> rows;
    db.loadProjects(rows);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].riferimento, "Pump's room '); DELETE FROM progetti; --");
    EXPECT_EQ(rows[0].nome_tipo, std::string(126, 'x'));
    EXPECT_EQ(rows[0].muQ, "m3/h");
    EXPECT_FLOAT_EQ(rows[0].portata, 1.5f);
    EXPECT_EQ(rows[0].fluido, 2);

    std::vector<ProjectRow> found;
    db.findProjectsByDesignation("Pump's room '); DELETE FROM progetti; --", found);
    ASSERT_EQ(found.size(), 1u);
    EXPECT_EQ(found[0].posizione, 7);
    EXPECT_TRUE(errors.str().empty()) << errors.str();
}

TEST_F(ValveListStoreTest, FindsEveryRowOfADesignation)
{
    openWith(fixture::projectsSchema() +
             "INSERT INTO progetti (posizione, riferimento) VALUES (1, 'Boiler'), (2, 'Attic'), (3, 'Boiler');");
    std::vector<ProjectRow> found;
    StatementLog log(db.handle());
    db.findProjectsByDesignation("Boiler", found);
    EXPECT_EQ(log.last(), "SELECT * FROM progetti WHERE riferimento = 'Boiler' ORDER BY 'ASC'");
    ASSERT_EQ(found.size(), 2u);
    EXPECT_EQ(found[0].posizione, 1);
    EXPECT_EQ(found[1].posizione, 3);
    found.clear();
    db.findProjectsByDesignation("boiler", found);
    EXPECT_TRUE(found.empty());
}

TEST_F(ValveListStoreTest, NumberingWrapsIn16Bits)
{
    ProjectRow last;
    last.posizione = 65535;
    EXPECT_EQ(nextPosition({}), 1);
    EXPECT_EQ(nextPosition({last}), 0);
}

TEST_F(ValveListStoreTest, DeletesEveryRowOfAPosition)
{
    openWith(fixture::projectsSchema() + "INSERT INTO progetti (posizione) VALUES (1), (2), (2), (3);");
    StatementLog log(db.handle());
    EXPECT_EQ(db.deleteProject(std::uint16_t{2}), 0);
    EXPECT_EQ(log.last(), "DELETE FROM progetti WHERE posizione = '2'");
    EXPECT_EQ(positions(), (std::vector<std::uint16_t>{1, 3}));
    EXPECT_EQ(db.deleteProject(std::nullopt), 0);
    EXPECT_EQ(log.last(), "DELETE FROM progetti");
    EXPECT_TRUE(positions().empty());
}

TEST_F(ValveListStoreTest, FailuresReturnMinusOneAfterTheErrorLine)
{
    openWith("CREATE TABLE unrelated (x);");
    EXPECT_EQ(db.insertProject(sampleRow()), -1);
    EXPECT_EQ(db.deleteProject(std::uint16_t{1}), -1);
    EXPECT_EQ(db.lastFailure().reason, "no such table: progetti");
    EXPECT_EQ(errors.str(), "SQL error Progetti_Insert: no such table: progetti\n"
                            "SQL error Progetti_Delete: no such table: progetti\n");
}

} // namespace
