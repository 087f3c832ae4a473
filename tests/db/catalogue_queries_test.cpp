#include "db/product_db.h"

#include "tests/db/statement_log.h"
#include "tests/db/product_db_fixture.h"
#include "tests/support/fixture_db.h"

#include <gtest/gtest.h>

#include <functional>
#include <limits>

namespace {

using CatalogueQueriesTest = ProductDbFixture;

struct StatementCase {
    const char* name;
    std::function<void(ProductDb&)> run;
    const char* statement;
};

TEST_F(CatalogueQueriesTest, SendsEachStatementWithItsExactText)
{
    openWith(fixture::catalogueSchema());
    const StatementCase cases[] = {
        {"fobv by kv",
         [](ProductDb& d) { std::vector<FobvRow> r; d.queryFobvByKv(r, 1.5f, 0.612372f, 1.5f); },
         "SELECT * FROM fobv WHERE kv_min <= '1.500000' AND kv_max >= '1.500000' AND kvs >= '0.612372' AND kvs <= "
         "'1.500000' ORDER BY codice_tecnico ASC"},
        {"fobv all", [](ProductDb& d) { std::vector<FobvRow> r; d.queryFobvAll(r); },
         "select * from fobv ORDER BY codice_tecnico ASC"},
        {"vobv", [](ProductDb& d) { std::vector<VobvRow> r; d.queryVobv(r, 5.6921f, 0.5f); },
         "SELECT * FROM vobv WHERE kv_min <= '5.692100' AND kv_max >= '5.692100' AND q_min <= '0.500000' AND q_max >= "
         "'0.500000' ORDER BY codice_tecnico ASC"},
        {"picv by flow", [](ProductDb& d) { std::vector<PicvRow> r; d.queryPicvByFlow(r, 0.25f); },
         "SELECT * FROM picv WHERE q_min <= '0.250000' AND q_max >= '0.250000' ORDER BY codice_tecnico ASC"},
        {"picv all", [](ProductDb& d) { std::vector<PicvRow> r; d.queryPicvAll(r); },
         "select * from picv ORDER BY codice_tecnico ASC"},
        {"dpcv", [](ProductDb& d) { std::vector<DpcvRow> r; d.queryDpcv(r, 1.25f, 30.0f); },
         "SELECT * FROM dpcv WHERE q_min <= '1.250000' AND q_max >= '1.250000' AND dp_min <= '30.000000' AND dp_max >= "
         "'30.000000' ORDER BY codice_tecnico ASC"},
        // Numbers as printf("%f") writes them: ties to even on the exact
        // binary value, every digit of a large number, "inf".
        {"tie rounded down to even", [](ProductDb& d) { std::vector<PicvRow> r; d.queryPicvByFlow(r, 0.0078125f); },
         "SELECT * FROM picv WHERE q_min <= '0.007812' AND q_max >= '0.007812' ORDER BY codice_tecnico ASC"},
        {"tie rounded up to even, and just below a half",
         [](ProductDb& d) { std::vector<VobvRow> r; d.queryVobv(r, 0.0234375f, 5e-7f); },
         "SELECT * FROM vobv WHERE kv_min <= '0.023438' AND kv_max >= '0.023438' AND q_min <= '0.000000' AND q_max >= "
         "'0.000000' ORDER BY codice_tecnico ASC"},
        {"largest float and infinity",
         [](ProductDb& d) {
             std::vector<DpcvRow> r;
             d.queryDpcv(r, std::numeric_limits<float>::max(), std::numeric_limits<float>::infinity());
         },
         "SELECT * FROM dpcv WHERE q_min <= '340282346638528859811704183484516925440.000000' AND q_max >= "
         "'340282346638528859811704183484516925440.000000' AND dp_min <= 'inf' AND dp_max >= 'inf' ORDER BY "
         "codice_tecnico ASC"},
        {"preset", [](ProductDb& d) { std::vector<PresetRow> r; d.queryPreset(r, "AQ-015"); },
         "SELECT * FROM preset WHERE codice_tecnico = 'AQ-015' ORDER BY 'ASC'"},
        {"startup", [](ProductDb& d) { std::vector<StartupRow> r; d.queryStartup(r, "AF-20", "Arvelo Flumen-A"); },
         "SELECT * FROM startup WHERE codice_tecnico = 'AF-20' AND modello = 'Arvelo Flumen-A' ORDER BY 'ASC'"},
    };
    for (const StatementCase& c : cases) {
        StatementLog log(db.handle());
        c.run(db);
        EXPECT_EQ(log.last(), c.statement) << c.name;
    }
    EXPECT_TRUE(errors.str().empty()) << errors.str();
}

TEST_F(CatalogueQueriesTest, ReadsEveryValveRowByColumnPosition)
{
    openWith(fixture::catalogueSchema() +
             "INSERT INTO fobv VALUES ('Arvelo Quarz', 0.9, 6.3, 0.5, 4.0, 0.1, 'DN 25', 'AQ-025', 8.0, 'mquarz');"
             "INSERT INTO vobv VALUES ('AV-020', 'Arvelo Nodo', 0.51, 5.7, 0.5, 4.0, 0.1, 'DN 20', 'arvelo_nodo',"
             " 0.024, 0.5);"
             "INSERT INTO picv VALUES ('Arvelo Flumen-B', 0.05, 0.36, 'AF-20', 400, 'DN 20', 1.0, 5.0, 0.1,"
             " 'mflumen_b');"
             "INSERT INTO dpcv VALUES ('Arvelo Statra-A', 0.2, 2.0, 5, 25, 'AS-50', 'DN 50', 'mstatra_a');");
    std::vector<FobvRow> fobv;
    db.queryFobvAll(fobv);
    ASSERT_EQ(fobv.size(), 1u);
    EXPECT_EQ(fobv[0].model, "Arvelo Quarz");
    EXPECT_FLOAT_EQ(fobv[0].kvMin, 0.9f);
    EXPECT_FLOAT_EQ(fobv[0].kvMax, 6.3f);
    EXPECT_FLOAT_EQ(fobv[0].presetStart, 0.5f);
    EXPECT_FLOAT_EQ(fobv[0].presetFullOpening, 4.0f);
    EXPECT_FLOAT_EQ(fobv[0].presetStep, 0.1f);
    EXPECT_EQ(fobv[0].nominalSize, "DN 25");
    EXPECT_EQ(fobv[0].technicalCode, "AQ-025");
    EXPECT_FLOAT_EQ(fobv[0].kvs, 8.0f);
    EXPECT_EQ(fobv[0].imageKey, "mquarz");

    std::vector<VobvRow> vobv;
    db.queryVobv(vobv, 1.0f, 0.1f);
    ASSERT_EQ(vobv.size(), 1u);
    EXPECT_EQ(vobv[0].technicalCode, "AV-020");
    EXPECT_EQ(vobv[0].model, "Arvelo Nodo");
    EXPECT_FLOAT_EQ(vobv[0].kvMin, 0.51f);
    EXPECT_FLOAT_EQ(vobv[0].presetFullOpening, 4.0f);
    EXPECT_EQ(vobv[0].nominalSize, "DN 20");
    EXPECT_EQ(vobv[0].imageKey, "arvelo_nodo");
    EXPECT_FLOAT_EQ(vobv[0].qMin, 0.024f);
    EXPECT_FLOAT_EQ(vobv[0].qMax, 0.5f);

    std::vector<PicvRow> picv;
    db.queryPicvAll(picv);
    ASSERT_EQ(picv.size(), 1u);
    EXPECT_EQ(picv[0].model, "Arvelo Flumen-B");
    EXPECT_FLOAT_EQ(picv[0].qMin, 0.05f);
    EXPECT_FLOAT_EQ(picv[0].qMax, 0.36f);
    EXPECT_EQ(picv[0].technicalCode, "AF-20");
    EXPECT_EQ(picv[0].nominalSize, "DN 20");
    EXPECT_FLOAT_EQ(picv[0].presetStart, 1.0f);
    EXPECT_FLOAT_EQ(picv[0].presetStep, 0.1f);
    EXPECT_EQ(picv[0].imageKey, "mflumen_b");

    std::vector<DpcvRow> dpcv;
    db.queryDpcv(dpcv, 1.0f, 10.0f);
    ASSERT_EQ(dpcv.size(), 1u);
    EXPECT_EQ(dpcv[0].model, "Arvelo Statra-A");
    EXPECT_FLOAT_EQ(dpcv[0].qMin, 0.2f);
    EXPECT_FLOAT_EQ(dpcv[0].qMax, 2.0f);
    EXPECT_FLOAT_EQ(dpcv[0].dpMin, 5.0f);
    EXPECT_FLOAT_EQ(dpcv[0].dpMax, 25.0f);
    EXPECT_EQ(dpcv[0].technicalCode, "AS-50");
    EXPECT_EQ(dpcv[0].nominalSize, "DN 50");
    EXPECT_EQ(dpcv[0].imageKey, "mstatra_a");
}

// '10' <= '9.500000' holds for texts; the REAL columns compare numbers.
TEST_F(CatalogueQueriesTest, ComparesNumbersNotTexts)
{
    openWith(fixture::catalogueSchema() +
             "INSERT INTO fobv VALUES ('Arvelo Quarz', 10, 20, 0, 8, 0.1, 'DN 50', 'AQ-A', 12, 'mquarz');"
             "INSERT INTO fobv VALUES ('Arvelo Quarz', 9, 20, 0, 8, 0.1, 'DN 40', 'AQ-B', 12, 'mquarz');");
    std::vector<FobvRow> rows;
    db.queryFobvByKv(rows, 9.5f, 0.0f, 100.0f);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_EQ(rows[0].technicalCode, "AQ-B");
}

TEST_F(CatalogueQueriesTest, BoundsAreInclusiveAndRowsComeByTechnicalCode)
{
    openWith(fixture::catalogueSchema() +
             "INSERT INTO picv VALUES ('Arvelo Flumen-A', 0.5, 1.0, 'AF-3', 0, 'DN 25', 0, 0, 0.1, 'mflumen_a');"
             "INSERT INTO picv VALUES ('Arvelo Flumen-A', 0.25, 0.5, 'AF-1', 0, 'DN 15', 0, 0, 0.1, 'mflumen_a');"
             "INSERT INTO picv VALUES ('Arvelo Flumen-A', 0.1, 0.4, 'AF-2', 0, 'DN 10', 0, 0, 0.1, 'mflumen_a');");
    std::vector<PicvRow> rows;
    db.queryPicvByFlow(rows, 0.5f);
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(rows[0].technicalCode, "AF-1"); // q_max = 0.5
    EXPECT_EQ(rows[1].technicalCode, "AF-3"); // q_min = 0.5
}

TEST_F(CatalogueQueriesTest, CurvesReadEmptyValuesAsZeroAndCountTheirRows)
{
    openWith(fixture::catalogueSchema() +
             "INSERT INTO preset (codice_tecnico, modello, p0, p1, p130) VALUES ('AQ-1', 'Arvelo Quarz', 0.5, NULL, 9.5);"
             "INSERT INTO startup (codice_tecnico, modello, dp0, dp27) VALUES ('AF-1', 'Arvelo Flumen-A', 14, 30);"
             "INSERT INTO startup (codice_tecnico, modello, dp0) VALUES ('AF-1', 'Arvelo Flumen-A', 15);"
             "INSERT INTO startup (codice_tecnico, modello, dp0) VALUES ('AF-1', 'Arvelo Flumen-B', 16);");
    std::vector<PresetRow> presets(3); // a list with old rows is emptied
    ASSERT_EQ(db.queryPreset(presets, "AQ-1"), 1);
    ASSERT_EQ(presets.size(), 1u);
    EXPECT_EQ(presets[0].model, "Arvelo Quarz");
    EXPECT_FLOAT_EQ(presets[0].values[0], 0.5f);
    EXPECT_FLOAT_EQ(presets[0].values[1], 0.0f);
    EXPECT_FLOAT_EQ(presets[0].values[77], 0.0f);
    EXPECT_FLOAT_EQ(presets[0].values[130], 9.5f);

    EXPECT_EQ(db.queryPreset(presets, "AQ-2"), 0);
    EXPECT_TRUE(presets.empty());

    std::vector<StartupRow> startup;
    ASSERT_EQ(db.queryStartup(startup, "AF-1", "Arvelo Flumen-A"), 2);
    EXPECT_FLOAT_EQ(startup[0].values[0], 14.0f); // storage order
    EXPECT_FLOAT_EQ(startup[0].values[27], 30.0f);
    EXPECT_FLOAT_EQ(startup[1].values[0], 15.0f);
    EXPECT_FLOAT_EQ(startup[1].values[27], 0.0f);
}

TEST_F(CatalogueQueriesTest, AQuoteInACodeNeitherBreaksNorWidensTheStatement)
{
    openWith(fixture::catalogueSchema() +
             "INSERT INTO preset (codice_tecnico, modello, p0) VALUES ('AQ''1', 'Arvelo Quarz', 1.5);"
             "INSERT INTO preset (codice_tecnico, modello, p0) VALUES ('AQ-2', 'Arvelo Quarz', 2.5);");
    std::vector<PresetRow> presets;
    ASSERT_EQ(db.queryPreset(presets, "AQ'1"), 1);
    EXPECT_FLOAT_EQ(presets[0].values[0], 1.5f);
    EXPECT_EQ(db.queryPreset(presets, "x' OR '1'='1"), 0);
    std::vector<StartupRow> startup;
    EXPECT_EQ(db.queryStartup(startup, "AQ-2' --", "x"), 0);
    EXPECT_TRUE(errors.str().empty()) << errors.str();
}

TEST_F(CatalogueQueriesTest, EachFailingQueryWritesItsOwnErrorLine)
{
    openWith("CREATE TABLE unrelated (x);");
    std::vector<FobvRow> fobv(1);
    std::vector<VobvRow> vobv;
    std::vector<PicvRow> picv;
    std::vector<DpcvRow> dpcv;
    std::vector<PresetRow> presets;
    std::vector<StartupRow> startup;
    db.queryFobvByKv(fobv, 1, 0, 2);
    db.queryVobv(vobv, 1, 1);
    db.queryPicvAll(picv);
    db.queryDpcv(dpcv, 1, 1);
    EXPECT_EQ(db.queryPreset(presets, "A"), 0);
    EXPECT_EQ(db.queryStartup(startup, "A", "B"), 0);
    EXPECT_TRUE(fobv.empty());
    EXPECT_EQ(errors.str(), "SQL error Fobv_Query: no such table: fobv\n"
                            "SQL error Vobv_Query: no such table: vobv\n"
                            "SQL error Picv_Query: no such table: picv\n"
                            "SQL error Dpcv_Query: no such table: dpcv\n"
                            "SQL error Preset_Query: no such table: preset\n"
                            "SQL error Startup_Query: no such table: startup\n");
}

// A view standing in for the table fails on its second row, after the first
// one has been handed over. Only the fluid query sorts nothing, so that a
// row can come out before the failure; every query shares the same path.
TEST_F(CatalogueQueriesTest, RowsReadBeforeAnErrorStayInTheList)
{
    openWith("CREATE TABLE source (n INTEGER);"
             "INSERT INTO source VALUES (2), (-9223372036854775807 - 1);"
             "CREATE VIEW fluidi AS SELECT 1, abs(n), 4182, 998 FROM source;");
    std::vector<FluidRow> rows;
    db.queryFluids(rows);
    ASSERT_EQ(rows.size(), 1u);
    EXPECT_FLOAT_EQ(rows[0].relativeDensity, 2.0f);
    EXPECT_EQ(errors.str(), "SQL error Fluidi_Query: integer overflow\n");
}

} // namespace
