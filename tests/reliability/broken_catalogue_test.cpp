// Start-up and every calculating view on catalogues broken in the ways a
// hand-edited or foreign mvd.db can be: nothing crashes or hangs, no shown
// text holds a non-number or overflows its field, and the database's
// complaints reach the error stream.

#include "app/app_state.h"
#include "app/startup.h"
#include "db/product_db.h"
#include "sizing/run_selection.h"
#include "tests/reliability/broken_catalogue.h"
#include "tests/reliability/shown_texts.h"
#include "tests/support/recorded_messages.h"
#include "tests/support/temp_folder.h"
#include "sizing/results_panel_texts.h"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace {

struct BrokenCatalogue {
    const char* name;
    std::string breakage;                 // run on the good catalogue
    bool openError;                       // text 101 at start-up
    std::vector<const char*> errorLabels; // each must appear on the error stream
    bool wholeMatrix = true;              // every unit, fluid and click; else a few
};

void PrintTo(const BrokenCatalogue& broken, std::ostream* out) { *out << broken.name; }

std::string nullRowIn(const std::string& table, int columns)
{
    std::string values = "NULL";
    for (int column = 1; column < columns; ++column)
        values += ", NULL";
    return withoutConstraints(table) + "INSERT INTO " + table + " VALUES (" + values + ");";
}

std::string nullEverywhere()
{
    return nullRowIn("fluidi", 5) + "DELETE FROM fluidi; INSERT INTO fluidi VALUES (NULL, NULL, NULL, NULL, NULL);" +
           nullRowIn("fobv", 10) + nullRowIn("vobv", 11) + nullRowIn("picv", 10) + nullRowIn("dpcv", 8) +
           nullRowIn("preset", 133) + nullRowIn("startup", 30) + nullRowIn("progetti", 18);
}

std::string startupPositionsNull()
{
    std::string columns = "dp0 = NULL";
    for (int position = 1; position < 28; ++position)
        columns += ", dp" + std::to_string(position) + " = NULL";
    return "UPDATE startup SET " + columns + ";";
}

std::string presetsOutOfOrder()
{
    // Rows stored against the order of their codes, curves falling where
    // they should rise, and the fixed-orifice rows with codes descending.
    return withoutConstraints("preset") +
           "CREATE TABLE reversed AS SELECT * FROM preset ORDER BY codice_tecnico DESC;"
           "DELETE FROM preset; INSERT INTO preset SELECT * FROM reversed; DROP TABLE reversed;"
           "UPDATE preset SET p0 = 50, p36 = 0.01, p37 = 40, p38 = 0.02, p80 = 0;";
}

const char* const kManyValves =
    "WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 100000)"
    " INSERT INTO fobv SELECT 'Arvelo Quarz', 0.1, 1000, 0, 8, 0.1, 'DN ' || (i % 200), 'X-' || i,"
    " 0.5 + (i % 40), 'mquarz' FROM n;";

std::vector<BrokenCatalogue> brokenCatalogues()
{
    return {
        {"NoFluidTable", "DROP TABLE fluidi;", true, {"SQL error Fluidi_Query:"}},
        {"NoFobvTable", "DROP TABLE fobv;", false, {"SQL error Fobv_Query:"}},
        {"NoVobvTable", "DROP TABLE vobv;", false, {"SQL error Vobv_Query:"}},
        {"NoPicvTable", "DROP TABLE picv;", false, {"SQL error Picv_Query:"}},
        {"NoDpcvTable", "DROP TABLE dpcv;", false, {"SQL error Dpcv_Query:"}},
        {"NoPresetTable", "DROP TABLE preset;", false, {"SQL error Preset_Query:"}},
        {"NoStartupTable", "DROP TABLE startup;", false, {"SQL error Startup_Query:"}},
        {"NoValveListTable", "DROP TABLE progetti;", false, {"SQL error Progetti_Query:"}},
        {"ColumnMissingThatAQueryNames", "ALTER TABLE fobv DROP COLUMN kvs;", false, {"SQL error Fobv_Query:"}},
        {"ColumnsMissingAtTheEnd",
         "ALTER TABLE picv DROP COLUMN immagine; ALTER TABLE picv DROP COLUMN preset_passo;"
         "ALTER TABLE fluidi DROP COLUMN nome; ALTER TABLE fluidi DROP COLUMN densita;",
         false, {}},
        {"TextInNumericColumns",
         "UPDATE fobv SET kv_min = 'abc', preset_passo = 'step', kvs = '1,5x';"
         "UPDATE vobv SET q_max = 'lots', preset_apertura_totale = 'open';"
         "UPDATE picv SET preset_inizio = 'start', q_min = '';"
         "UPDATE preset SET p36 = 'n/a', p0 = 'nan', p80 = 'inf';"
         "UPDATE fluidi SET densita_relativa = 'heavy', densita = 'dense';",
         false, {}},
        {"NullInEveryColumn", nullEverywhere(), false, {}},
        {"NoFluids", "DELETE FROM fluidi;", false, {}},
        {"DensityZero", "UPDATE fluidi SET densita = 0;", false, {}},
        {"DensityNegative", "UPDATE fluidi SET densita = -998, densita_relativa = -1.0;", false, {}},
        {"RelativeDensityZero", "UPDATE fluidi SET densita_relativa = 0;", false, {}},
        {"SpecificHeatZero", "UPDATE fluidi SET calore_specifico = 0;", false, {}},
        {"HugeAndTinyNumbers",
         "UPDATE fobv SET kv_max = 1e300, kvs = 1e-300, preset_apertura_totale = 1e-40, preset_passo = 1e38;"
         "UPDATE vobv SET q_max = 1e39, preset_passo = -1e38;"
         "UPDATE picv SET q_max = 1e300, preset_passo = 1e-45;"
         "UPDATE dpcv SET q_max = 1e300, dp_max = 1e300;"
         "UPDATE preset SET p36 = 1e300, p37 = -1e300, p80 = 3e38;"
         "UPDATE fluidi SET densita = 2147483647, densita_relativa = 1e-38;",
         false, {}},
        {"FullOpeningZero", "UPDATE fobv SET preset_apertura_totale = 0; UPDATE vobv SET preset_apertura_totale = 0;",
         false, {}},
        {"PresetRowsMissing", "DELETE FROM preset;", false, {}},
        {"PresetRowsDuplicated", withoutConstraints("preset") + "INSERT INTO preset SELECT * FROM preset;", false, {}},
        {"PresetRowsOutOfOrder", presetsOutOfOrder(), false, {}},
        {"StartupRowsWithNullValues", withoutConstraints("startup") + startupPositionsNull(), false, {}},
        {"HundredThousandFixedOrificeValves", kManyValves, false, {}, false},
    };
}

struct Typed {
    const char* flow;
    const char* dp;
};

// Ordinary duties, and what the input filter lets through at the edges.
const Typed kTyped[] = {
    {"0,5", "100"}, {"0,00", "100,00"}, {"0", "0"}, {"999999999999999", "999999999999999"},
    {",", ","}, {"0,000000000001", "0,000000000001"}, {"1,2,3", "12"}, {"", ""},
};

struct Units {
    std::uint8_t flow;
    std::uint8_t pressure;
    std::uint8_t fluid;
};

// l/s and mbar; the mass units, which divide by the density; bar; a fluid
// beyond a short table.
const Units kUnits[] = {{2, 8, 0}, {0, 0, 0}, {1, 2, 5}, {5, 1, 3}, {0, 8, 200}};

const std::int32_t kViews[] = {3, 4, 5, 8, 9, 10};
const std::int32_t kClicks[] = {-1, 0, 1, 2, 100000};

class BrokenCatalogueTest : public testing::TestWithParam<BrokenCatalogue> {
protected:
    void calculateEverything()
    {
        const bool whole = GetParam().wholeMatrix;
        const AppState started = state;
        for (const Units& units : kUnits) {
            if (!whole && units.flow != 2)
                continue;
            for (std::int32_t view : kViews)
                for (const Typed& typed : kTyped)
                    if (!calculate(started, units, view, typed))
                        return; // the first spoiled text says enough
        }
    }

    bool calculate(const AppState& started, const Units& units, std::int32_t view, const Typed& typed)
    {
        state = started;
        state.engine.flowUnitIndex = units.flow;
        state.engine.pressureUnitIndex = units.pressure;
        state.engine.fluidIndex = units.fluid;
        state.valveView = view;
        SelectionFields fields;
        fields.flowInput = typed.flow;
        fields.dpInput = typed.dp;
        ResultsPanelModel panel(state);
        for (std::int32_t click : kClicks) {
            fields.candidateIndex = click;
            runSelection(state, db, fields, panel);
            const std::string spoiled = spoiledTexts(panel.texts(), state.pendingRow);
            EXPECT_EQ(spoiled, "") << "view " << view << ", flow '" << typed.flow << "', dp '" << typed.dp
                                   << "', units " << int(units.flow) << "/" << int(units.pressure) << ", fluid "
                                   << int(units.fluid) << ", click " << click;
            if (!spoiled.empty())
                return false;
        }
        return true;
    }

    TempFolder folder;
    AppState state;
    std::ostringstream errors;
    ProductDb db{errors};
    RecordedMessages messages;
};

TEST_P(BrokenCatalogueTest, StartsAndCalculatesEveryViewWithoutSpoiledTexts)
{
    const BrokenCatalogue& broken = GetParam();
    writeReliabilityCatalogue(folder.path(), broken.breakage);
    runStartup(state, db, messages, folder.path());
    EXPECT_EQ(messages.shown.size(), broken.openError ? 1u : 0u);
    EXPECT_EQ(state.languageIndex, 3) << "start-up went all the way";
    ASSERT_EQ(state.engine.flowUnits.size(), 10u);

    calculateEverything();
    for (const char* label : broken.errorLabels)
        EXPECT_NE(errors.str().find(label), std::string::npos) << label << " missing in:\n" << errors.str();
}

INSTANTIATE_TEST_SUITE_P(Catalogues, BrokenCatalogueTest, testing::ValuesIn(brokenCatalogues()),
                         [](const testing::TestParamInfo<BrokenCatalogue>& info) { return info.param.name; });

} // namespace
