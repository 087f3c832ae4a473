#include "db/product_db.h"

#include "tests/db/product_db_fixture.h"
#include "tests/support/fixture_db.h"

#include <gtest/gtest.h>

#include <cmath>


namespace {

using ProductDbTest = ProductDbFixture;

TEST_F(ProductDbTest, ReadsFluidsByColumnPosition)
{
    openWith(fixture::catalogueSchema() + fixture::sixFluids());
    std::vector<FluidRow> fluids;
    db.queryFluids(fluids);
    ASSERT_EQ(fluids.size(), 6u);
    EXPECT_EQ(fluids[0].number, 1);
    EXPECT_FLOAT_EQ(fluids[0].relativeDensity, 1.0f);
    EXPECT_EQ(fluids[0].specificHeat, 4182);
    EXPECT_EQ(fluids[0].density, 998);
    EXPECT_FLOAT_EQ(fluids[5].relativeDensity, 1.075f);
    EXPECT_EQ(fluids[5].density, 1073);
    EXPECT_TRUE(errors.str().empty());
}

TEST_F(ProductDbTest, FindsTheFluidTableOnlyWhenItExists)
{
    openWith("CREATE TABLE other (x);");
    EXPECT_FALSE(db.checkFluidTable());
    fixture::execute(file(), "CREATE VIEW fluidi AS SELECT 1;");
    EXPECT_FALSE(db.checkFluidTable()) << "a view is not the table";
    fixture::execute(file(), "DROP VIEW fluidi; CREATE TABLE fluidi (a);");
    EXPECT_TRUE(db.checkFluidTable());
}

TEST_F(ProductDbTest, LoadsTheValveListInStorageOrder)
{
    openWith(fixture::projectsSchema() +
             "INSERT INTO progetti VALUES (3, 'Arvelo', 'DN 15', 'AR-1', 100.0, 0.5, 2, 20, 15, 0,"
             " '3,70', '5,69', '46,25', 'Room 1', 'mbar', 'l/s', 'kW', 'C');"
             "INSERT INTO progetti VALUES (1, 'Arvelo Quarz', 'DN 20', 'AQ-2', 12.5, 1.25, 0, 0, 0, 0,"
             " '', 'OK', '', 'Pump''s room', 'kPa', 'm3/h', 'W', 'F');");
    std::vector<ProjectRow> rows;
    db.loadProjects(rows);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].posizione, 3);
    EXPECT_EQ(rows[0].nome_tipo, "Arvelo");
    EXPECT_FLOAT_EQ(rows[0].dP, 100.0f);
    EXPECT_FLOAT_EQ(rows[0].portata, 0.5f);
    EXPECT_EQ(rows[0].fluido, 2);
    EXPECT_FLOAT_EQ(rows[0].t_mandata, 20.0f);
    EXPECT_EQ(rows[0].presetting, "3,70");
    EXPECT_EQ(rows[0].muTemp, "C");
    EXPECT_EQ(rows[1].posizione, 1);
    EXPECT_EQ(rows[1].riferimento, "Pump's room");
    EXPECT_EQ(rows[1].muQ, "m3/h");
}

TEST_F(ProductDbTest, FitsOddValuesIntoTheRecord)
{
    const std::string longName(200, 'x');
    openWith(fixture::projectsSchema() + "INSERT INTO progetti (posizione, nome_tipo, fluido, riferimento, muP)"
                                         " VALUES (70001, NULL, 300, '" + longName + "', 'abcdefghijklmnÅ');");
    std::vector<ProjectRow> rows;
    db.loadProjects(rows);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].posizione, 70001 % 65536);   // a 16-bit field
    EXPECT_EQ(rows[0].fluido, 300 % 256);          // an 8-bit field
    EXPECT_EQ(rows[0].nome_tipo, "");              // NULL reads as empty
    EXPECT_EQ(rows[0].riferimento, std::string(127, 'x'));
    EXPECT_EQ(rows[0].muP, "abcdefghijklmn"); // 15 bytes would split the Å
    EXPECT_TRUE(std::isnan(rows[0].dP)) << "a NULL is no number, not 0";
}

TEST_F(ProductDbTest, AMissingTableWritesTheErrorLineAndLeavesTheListEmpty)
{
    openWith("CREATE TABLE unrelated (x);");
    std::vector<ProjectRow> rows;
    db.loadProjects(rows);
    std::vector<FluidRow> fluids;
    db.queryFluids(fluids);
    EXPECT_TRUE(rows.empty());
    EXPECT_TRUE(fluids.empty());
    EXPECT_EQ(errors.str(), "SQL error Progetti_Query: no such table: progetti\n"
                            "SQL error Fluidi_Query: no such table: fluidi\n");
}

TEST_F(ProductDbTest, WithoutConnectionEveryStatementFailsVisiblyOnTheErrorStream)
{
    EXPECT_FALSE(db.open(folder.path() / "missing" / "mvd.db"));
    EXPECT_FALSE(db.isOpen());
    EXPECT_FALSE(db.checkFluidTable());
    std::vector<FluidRow> fluids;
    db.queryFluids(fluids);
    EXPECT_TRUE(fluids.empty());
    EXPECT_EQ(errors.str(), "SQL error Fluidi_Query: no database connection\n");
}

} // namespace
