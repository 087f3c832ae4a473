#include "catalogue_test_support.h"
#include "data/valve_models.h"
#include "sizing/image_keys.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <map>
#include <set>

namespace {

class BuiltCatalogue : public ::testing::Test {
protected:
    Database db = openDatabaseOrFail(builtCatalogue());
    std::vector<Row> rows(const std::string& sql) { return selectRows(db.get(), sql); }
};

// A valve with a presetting curve: its scale and the values the curve must
// start and end with.
struct CurveOwner {
    std::string code;
    std::string model;
    int positions;
    double first;
    double last;
};

std::vector<CurveOwner> curveOwners(sqlite3* db)
{
    std::vector<CurveOwner> owners;
    const char* statements[] = {
        "SELECT codice_tecnico, modello, preset_inizio, preset_apertura_totale, preset_passo, "
        "kv_min, kv_max FROM fobv",
        "SELECT codice_tecnico, modello, preset_inizio, preset_apertura_totale, preset_passo, "
        "kv_min, kv_max FROM vobv",
        "SELECT codice_tecnico, modello, preset_inizio, preset_fine, preset_passo, q_min, q_max "
        "FROM picv",
    };
    for (const char* sql : statements)
        for (const auto& r : selectRows(db, sql))
            owners.push_back({*r[0], *r[1], positionsOf(number(r[2]), number(r[3]), number(r[4])),
                              number(r[5]), number(r[6])});
    return owners;
}

// Checks one stored curve row: `positions` values, then NULL up to the end.
void expectCurveShape(const Row& row, int positions, const std::string& code)
{
    for (std::size_t i = 2; i < row.size(); ++i) {
        const int position = static_cast<int>(i) - 2;
        EXPECT_EQ(row[i].has_value(), position < positions) << code << " position " << position;
    }
}

TEST_F(BuiltCatalogue, EveryPresetCurveRunsFromItsMinimumToItsMaximum)
{
    const auto owners = curveOwners(db.get());
    ASSERT_EQ(owners.size(), rows("SELECT * FROM preset").size());
    for (const auto& owner : owners) {
        const auto curve =
            rows("SELECT * FROM preset WHERE codice_tecnico = '" + owner.code + "'");
        ASSERT_EQ(curve.size(), 1u) << owner.code;
        const Row& row = curve.front();
        EXPECT_EQ(row[1], Cell(owner.model));
        ASSERT_LE(owner.positions, 131) << owner.code;
        expectCurveShape(row, owner.positions, owner.code);
        EXPECT_EQ(number(row[2]), owner.first) << owner.code;
        EXPECT_EQ(number(row[static_cast<std::size_t>(owner.positions) + 1]), owner.last)
            << owner.code;
        for (int i = 1; i < owner.positions; ++i)
            EXPECT_LT(number(row[static_cast<std::size_t>(i) + 1]),
                      number(row[static_cast<std::size_t>(i) + 2]))
                << owner.code << " position " << i;
    }
}

TEST_F(BuiltCatalogue, PressureIndependentFlowsAreLinearInThePresetting)
{
    for (const auto& r : rows("SELECT p.*, v.q_min, v.q_max, v.preset_inizio, v.preset_fine, "
                              "v.preset_passo FROM preset p JOIN picv v USING (codice_tecnico)")) {
        const double qMin = number(r[133]);
        const double qMax = number(r[134]);
        const int positions = positionsOf(number(r[135]), number(r[136]), number(r[137]));
        EXPECT_LE(positions, 28) << *r[0];
        for (int i = 0; i < positions; ++i) {
            const double linear = qMin + (qMax - qMin) * i / (positions - 1);
            EXPECT_NEAR(number(r[static_cast<std::size_t>(i) + 2]), linear, linear * 0.0005)
                << *r[0] << " position " << i;
        }
    }
}

TEST_F(BuiltCatalogue, EveryPressureIndependentValveHasOneRowOfMinimumPressures)
{
    const auto valves =
        rows("SELECT codice_tecnico, modello, preset_inizio, preset_fine, preset_passo FROM picv");
    ASSERT_EQ(valves.size(), rows("SELECT * FROM startup").size());
    for (const auto& valve : valves) {
        // The lookup the calculator makes: code and model, exactly one row.
        const auto found = rows(sqlText("SELECT * FROM %s WHERE %s = '%s' AND %s = '%s' ORDER BY '%s'",
                                        "startup", "codice_tecnico", valve[0]->c_str(), "modello",
                                        valve[1]->c_str(), "ASC"));
        ASSERT_EQ(found.size(), 1u) << *valve[0];
        const int positions = positionsOf(number(valve[2]), number(valve[3]), number(valve[4]));
        expectCurveShape(found.front(), positions, *valve[0]);
        for (int i = 0; i < positions; ++i) {
            const double dp = number(found.front()[static_cast<std::size_t>(i) + 2]);
            EXPECT_GE(dp, 10.0) << *valve[0] << " position " << i;
            EXPECT_LE(dp, 40.0) << *valve[0] << " position " << i;
            if (i > 0) {
                EXPECT_GE(dp, number(found.front()[static_cast<std::size_t>(i) + 1]))
                    << *valve[0] << " position " << i;
            }
        }
    }
}

// The sizes of one model in growing order, each with the flow range it serves.
struct SeriesCase {
    const char* name;
    const char* sql;       // model, growing quantity, low end, high end; one row per size
    double lowPerGrowth;   // low end = this x growing quantity when the query gives none
    double highPerGrowth;
};

void PrintTo(const SeriesCase& series, std::ostream* out)
{
    *out << series.name;
}

class SizeSeries : public BuiltCatalogue, public ::testing::WithParamInterface<SeriesCase> {};

TEST_P(SizeSeries, GrowsInSteadyStepsWithOverlappingRanges)
{
    const SeriesCase& c = GetParam();
    std::map<std::string, std::vector<std::array<double, 3>>> models;
    for (const auto& r : rows(c.sql)) {
        const double growth = number(r[1]);
        const double low = c.lowPerGrowth > 0 ? growth * c.lowPerGrowth : number(r[2]);
        const double high = c.highPerGrowth > 0 ? growth * c.highPerGrowth : number(r[3]);
        models[*r[0]].push_back({growth, low, high});
    }
    ASSERT_FALSE(models.empty());
    for (const auto& [model, sizes] : models) {
        for (std::size_t i = 1; i < sizes.size(); ++i) {
            const double step = sizes[i][0] / sizes[i - 1][0];
            EXPECT_GE(step, 1.2) << model << " size " << i;
            EXPECT_LE(step, 2.6) << model << " size " << i;
            EXPECT_LT(sizes[i][1], sizes[i - 1][2]) << model << " size " << i << " leaves a gap";
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Families, SizeSeries,
    ::testing::Values(
        // Fixed orifice: the flows read at 1 to 6 kPa across the orifice.
        SeriesCase{"fixed_orifice", "SELECT DISTINCT modello, kvs FROM fobv ORDER BY modello, kvs",
                   1 / 36.0, 2.449489743 / 36.0},
        SeriesCase{"variable_orifice",
                   "SELECT DISTINCT modello, kv_max, q_min, q_max FROM vobv ORDER BY modello, kv_max",
                   0, 0},
        SeriesCase{"pressure_independent",
                   "SELECT DISTINCT modello, q_max, q_min, q_max FROM picv ORDER BY modello, q_max",
                   0, 0},
        SeriesCase{"dp_controller",
                   "SELECT DISTINCT modello, q_max, q_min, q_max FROM dpcv ORDER BY modello, q_max",
                   0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BuiltCatalogue, LowFlowLinesSitBelowTheStandardLineOfTheSameSize)
{
    const char* pairs[] = {
        "SELECT l.codice_tecnico, l.q_min <= s.q_min AND l.q_max < s.q_max AND l.kv_max < s.kv_max "
        "FROM vobv l JOIN vobv s ON l.dimensione = s.dimensione "
        "WHERE l.modello = 'Arvelo Tesa' AND s.modello = 'Arvelo'",
        "SELECT l.codice_tecnico, l.q_min <= s.q_min AND l.q_max < s.q_max "
        "FROM picv l JOIN picv s ON l.dimensione = s.dimensione "
        "WHERE l.modello = 'Arvelo Flumen-A' AND s.modello = 'Arvelo Flumen-B'",
    };
    for (const char* sql : pairs) {
        const auto compared = rows(sql);
        EXPECT_FALSE(compared.empty()) << sql;
        for (const auto& r : compared)
            EXPECT_EQ(r[1], Cell("1")) << *r[0];
    }
}

TEST_F(BuiltCatalogue, FluidsAreWaterThenRisingGlycolShares)
{
    const auto fluids = rows("SELECT * FROM fluidi");
    ASSERT_EQ(fluids.size(), 6u);
    EXPECT_EQ(number(fluids[0][1]), 1.0);
    for (std::size_t i = 0; i < fluids.size(); ++i) {
        EXPECT_EQ(number(fluids[i][0]), static_cast<double>(i));
        EXPECT_NEAR(number(fluids[i][1]), number(fluids[i][3]) / 998.2, 0.0015) << "fluid " << i;
        if (i > 0) {
            EXPECT_GT(number(fluids[i][1]), number(fluids[i - 1][1])) << "fluid " << i;
            EXPECT_LT(number(fluids[i][2]), number(fluids[i - 1][2])) << "fluid " << i;
            EXPECT_GT(number(fluids[i][3]), number(fluids[i - 1][3])) << "fluid " << i;
        }
    }
}

TEST_F(BuiltCatalogue, ModelsAndPicturesAreTheCalculatorsOwn)
{
    const std::map<std::string, std::set<std::string>> pictures = {
        {"fobv:Arvelo Quarz", {"mquarz"}},
        {"vobv:Arvelo", {"arvelo"}},
        {"vobv:Arvelo Nodo", {"arvelo_nodo", "arvelo_nodog"}},
        {"vobv:Arvelo Tesa", {"arvelo_tesa"}},
        {"vobv:Arvelo Nodo Tesa", {"arvelo_tesa_nodo"}},
        {"picv:Arvelo Flumen-A", {"mflumen_a"}},
        {"picv:Arvelo Flumen-B", {"mflumen_b", "mflumen_b1", "mflumen_bf"}},
        {"dpcv:Arvelo Statra-A", {"mstatra_a", "mstatra_af"}},
        {"dpcv:Arvelo Statra-B", {"mstatra_b", "mstatra_b1", "mstatra_bf"}},
    };
    std::set<std::string> used;
    for (const auto& r : rows("SELECT 'fobv:' || modello, immagine FROM fobv UNION ALL "
                              "SELECT 'vobv:' || modello, immagine FROM vobv UNION ALL "
                              "SELECT 'picv:' || modello, immagine FROM picv UNION ALL "
                              "SELECT 'dpcv:' || modello, immagine FROM dpcv")) {
        const auto model = pictures.find(*r[0]);
        ASSERT_NE(model, pictures.end()) << *r[0];
        EXPECT_EQ(model->second.count(*r[1]), 1u) << *r[0] << " " << *r[1];
        used.insert(*r[1]);
    }
    EXPECT_EQ(used.size(), 15u) << "every picture of the calculator shows some valve";
}

TEST_F(BuiltCatalogue, ModelNamesAndImageKeysAreExactlyThoseTheCalculatorCompares)
{
    // The selections compare model names and image keys byte for byte: a row
    // spelled differently could never be preferred nor show its picture.
    const std::pair<const char*, int> tables[] = {
        {"fobv", FixedOrificeKind}, {"vobv", VariableOrificeKind},
        {"picv", PressureIndependentKind}, {"dpcv", DpControllerKind}};
    for (const auto& [table, kind] : tables) {
        std::set<std::string> models;
        for (const auto& r : rows(std::string("SELECT DISTINCT modello, immagine FROM ") + table)) {
            models.insert(*r[0]);
            EXPECT_TRUE(imageKeyIndex(*r[1])) << table << ": " << *r[1];
        }
        const auto& expected = modelNamesOfKind(kind);
        EXPECT_EQ(models, std::set<std::string>(expected.begin(), expected.end())) << table;
    }
}

TEST_F(BuiltCatalogue, MaterialNumbersAreUniqueAndSortByLineAndSize)
{
    const auto codes = rows("SELECT codice_tecnico, dimensione FROM fobv UNION ALL "
                            "SELECT codice_tecnico, dimensione FROM vobv UNION ALL "
                            "SELECT codice_tecnico, dimensione FROM picv UNION ALL "
                            "SELECT codice_tecnico, dimensione FROM dpcv ORDER BY 1");
    for (std::size_t i = 0; i < codes.size(); ++i) {
        const std::string& code = *codes[i][0];
        const std::string& size = *codes[i][1];
        EXPECT_EQ(code.find('\''), std::string::npos) << code;
        // The nominal diameter of the size text is part of the number.
        EXPECT_EQ(std::stoi(code.substr(5, 3)), std::stoi(size.substr(3))) << code;
        if (i == 0)
            continue;
        const std::string& before = *codes[i - 1][0];
        EXPECT_NE(code, before);
        if (code.substr(0, 4) == before.substr(0, 4)) {
            EXPECT_GE(std::stoi(size.substr(3)), std::stoi(codes[i - 1][1]->substr(3))) << code;
        }
    }
}

} // namespace
