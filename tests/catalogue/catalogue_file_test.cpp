#include "catalogue/catalogue_builder.h"

#include "catalogue_test_support.h"
#include "db/measurement_store.h"
#include "db/product_db.h"

#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <iostream>

namespace fs = std::filesystem;

namespace {

BuildResult build(const fs::path& target)
{
    return buildCatalogue(target, defaultSourceDirectory());
}

void run(const fs::path& path, const std::string& sql)
{
    Database db = openDatabaseOrFail(path, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE);
    char* error = nullptr;
    ASSERT_EQ(sqlite3_exec(db.get(), sql.c_str(), nullptr, nullptr, &error), SQLITE_OK)
        << (error ? error : "");
}

// A valve-list row written with the calculator's own insert statement.
std::string insertValveListRow(int position, const char* designation, double flow)
{
    return sqlText(
        "insert into %s ('posizione', 'nome_tipo', 'dimensione', 'numero_di_materiale', 'dP',\t\t"
        "                        'portata', 'fluido', 't_mandata', 't_ritorno', 'potenza', "
        "'presetting',\t\t\t\t\t\t\t\t'kv', 'apertura', 'riferimento', 'muP', 'muQ', 'muPower', "
        "'muTemp') values \t\t\t\t\t\t\t\t('%d', '%s', '%s', '%s', '%f', '%f', '%d', '%f', '%f', "
        "'%f', '%s', '%s', '%s', '%s', '%s', '%s', '%s', '%s')",
        "progetti", position, "Arvelo Quarz", "DN 25", "AR11-025-01", 100.0, flow, 2, 20.0, 15.0,
        0.0, "3,70", "5,69", "46,25", designation, "mbar", "l/s", "kW", "\xC2\xB0" "C");
}

// Every stored value of the valve list in storage order, with its storage
// class and its exact bytes.
std::vector<std::string> storedValveList(const fs::path& path)
{
    Database db = openDatabaseOrFail(path);
    std::string error;
    auto statement = prepare(db.get(), "SELECT rowid, * FROM progetti", error);
    EXPECT_TRUE(statement) << error;
    std::vector<std::string> values;
    while (statement && sqlite3_step(statement->get()) == SQLITE_ROW) {
        for (int i = 0; i < sqlite3_column_count(statement->get()); ++i) {
            sqlite3_stmt* s = statement->get();
            std::string value = std::to_string(sqlite3_column_type(s, i)) + ":";
            if (sqlite3_column_type(s, i) == SQLITE_FLOAT) {
                const double real = sqlite3_column_double(s, i);
                char bytes[sizeof real];
                std::memcpy(bytes, &real, sizeof real);
                value.append(bytes, sizeof bytes);
            } else {
                const auto* text = static_cast<const char*>(sqlite3_column_blob(s, i));
                value.append(text ? text : "", static_cast<std::size_t>(sqlite3_column_bytes(s, i)));
            }
            values.push_back(value);
        }
    }
    return values;
}

// Every catalogue row, as the calculator reads them.
std::vector<Row> catalogueRows(const fs::path& path)
{
    Database db = openDatabaseOrFail(path);
    std::vector<Row> all;
    for (const char* table : {"fluidi", "fobv", "vobv", "picv", "dpcv", "preset", "startup"})
        for (auto& row : selectRows(db.get(), std::string("SELECT * FROM ") + table))
            all.push_back(std::move(row));
    return all;
}

class CatalogueFile : public ::testing::Test {
protected:
    TempFolder folder;
    fs::path target = folder.path() / "mvd.db";
};

TEST_F(CatalogueFile, MissingFileIsCreatedWithItsFolderAndAnEmptyValveList)
{
    const fs::path nested = folder.path() / "work" / "DB" / "mvd.db";
    const BuildResult result = build(nested);
    ASSERT_TRUE(result.written) << ::testing::PrintToString(result.messages);
    EXPECT_TRUE(storedValveList(nested).empty());
    EXPECT_EQ(catalogueRows(nested), catalogueRows(builtCatalogue()));
}

TEST_F(CatalogueFile, RebuildReplacesTheCatalogueAndKeepsTheValveListByteForByte)
{
    ASSERT_TRUE(build(target).written);
    run(target, insertValveListRow(1, "Zone 1", 0.5));
    run(target, insertValveListRow(2, "O''Neill \xE2\x80\x93 B\xC3\xBCro", 0.125));
    run(target, insertValveListRow(4, "Riser 4", 1.0 / 3.0));
    run(target, "INSERT INTO misure (posizione, riferimento, dP, muP, presetting, portata, muQ, esito, data) "
                "VALUES (4, 'Riser 4', 12.5, 'kPa', '3,70', 0.3, 'l/s', NULL, '2026-12-10')");
    // An older or damaged catalogue, and a table of the user's own.
    run(target, "INSERT INTO fobv SELECT modello, kv_min, kv_max, preset_inizio, "
                "preset_apertura_totale, preset_passo, dimensione, 'AR19-999-99', kvs, immagine "
                "FROM fobv LIMIT 1; DELETE FROM preset; "
                "DROP TABLE startup; CREATE TABLE notes (text TEXT); "
                "INSERT INTO notes VALUES ('mine')");
    const auto valveList = storedValveList(target);
    ASSERT_EQ(valveList.size(), 3u * 19u);

    const BuildResult result = build(target);

    ASSERT_TRUE(result.written) << ::testing::PrintToString(result.messages);
    EXPECT_NE(result.messages.at(0).find("valve list: 3 rows kept"), std::string::npos)
        << result.messages.at(0);
    EXPECT_EQ(storedValveList(target), valveList);
    EXPECT_EQ(catalogueRows(target), catalogueRows(builtCatalogue()));
    Database db = openDatabaseOrFail(target);
    EXPECT_EQ(selectRows(db.get(), "SELECT text FROM notes").at(0).at(0), Cell("mine"));
    EXPECT_EQ(selectRows(db.get(), "SELECT riferimento, presetting FROM misure"),
              (std::vector<Row>{{Cell("Riser 4"), Cell("3,70")}}));
}

TEST_F(CatalogueFile, ReadingsOfAnEarlierVersionSurviveARebuildUntilTheProgramMovesThem)
{
    ASSERT_TRUE(build(target).written);
    run(target, "DROP TABLE misure; CREATE TABLE misure (posizione INTEGER NOT NULL, riferimento TEXT NOT NULL,"
                " dP REAL, muP TEXT, presetting TEXT, portata REAL, muQ TEXT, esito INTEGER, data TEXT,"
                " PRIMARY KEY (posizione, riferimento));"
                "INSERT INTO misure VALUES (4, 'Riser 4', 12.5, 'kPa', '3,70', 0.3, 'l/s', NULL, '2026-12-10')");

    const BuildResult result = build(target);

    ASSERT_TRUE(result.written) << ::testing::PrintToString(result.messages);
    ProductDb program(std::cerr);
    ASSERT_TRUE(program.open(target));
    const MeasurementStore::Loaded loaded = MeasurementStore(program.handle()).load();
    ASSERT_FALSE(loaded.error) << loaded.error->reason;
    ASSERT_EQ(loaded.rows.size(), 1u);
    EXPECT_EQ(loaded.rows[0].riferimento, "Riser 4");
    EXPECT_EQ(loaded.rows[0].setting, "3,70");
    EXPECT_FALSE(MeasurementStore(program.handle()).record(loaded.rows[0]));
    EXPECT_EQ(MeasurementStore(program.handle()).load().rows.size(), 2u);
}

TEST_F(CatalogueFile, BranchTablesAreCreatedAndKeptByARebuild)
{
    ASSERT_TRUE(build(target).written);
    run(target, "INSERT INTO rami VALUES (1, 'Riser A', 3, 25);"
                "INSERT INTO rami_circuiti (ramo, ordine, riferimento, portata, perdita_circuito,"
                " perdita_colonna, tipo) VALUES (1, 0, 'Zone 1', 0.5, 10, 4, 2);"
                "INSERT INTO impianti VALUES (1, 'Plant', 10, 60, 1, 25, 3);"
                "INSERT INTO impianti_rami (impianto, ordine, ramo, perdita_dorsale, piede) VALUES (1, 0, 1, 4, 3)");
    ASSERT_TRUE(build(target).written);
    Database db = openDatabaseOrFail(target);
    EXPECT_EQ(selectRows(db.get(), "SELECT nome FROM rami").at(0).at(0), Cell("Riser A"));
    EXPECT_EQ(selectRows(db.get(), "SELECT riferimento FROM rami_circuiti WHERE ramo = 1").at(0).at(0),
              Cell("Zone 1"));
    EXPECT_EQ(selectRows(db.get(), "SELECT nome FROM impianti").at(0).at(0), Cell("Plant"));
    EXPECT_EQ(selectRows(db.get(), "SELECT count(*) FROM impianti_rami WHERE ramo = 1").at(0).at(0), Cell("1"));
}

TEST_F(CatalogueFile, DatabaseWithoutValveListGetsAnEmptyOne)
{
    run(target, "CREATE TABLE altro (x INTEGER); INSERT INTO altro VALUES (7)");
    ASSERT_TRUE(build(target).written);
    EXPECT_TRUE(storedValveList(target).empty());
    Database db = openDatabaseOrFail(target);
    EXPECT_TRUE(selectRows(db.get(), "SELECT * FROM misure").empty());
    EXPECT_EQ(selectRows(db.get(), "SELECT x FROM altro").at(0).at(0), Cell("7"));
}

struct Refusal {
    const char* name;
    std::function<void(const fs::path&)> prepare;
    const char* reason;
};

void PrintTo(const Refusal& refusal, std::ostream* out)
{
    *out << refusal.name;
}

class RefusedFile : public CatalogueFile, public ::testing::WithParamInterface<Refusal> {};

const char* kValveListColumns =
    "posizione INTEGER, nome_tipo TEXT, dimensione TEXT, numero_di_materiale TEXT, %s, "
    "fluido INTEGER, t_mandata REAL, t_ritorno REAL, potenza REAL, presetting TEXT, kv TEXT, "
    "apertura TEXT, riferimento TEXT, muP TEXT, muQ TEXT, muPower TEXT%s";

std::function<void(const fs::path&)> valveListWith(const char* pressureAndFlow, const char* tail)
{
    return [=](const fs::path& path) {
        run(path, "CREATE TABLE progetti (" + sqlText(kValveListColumns, pressureAndFlow, tail) +
                      "); INSERT INTO progetti (posizione, riferimento) VALUES (1, 'kept')");
    };
}

TEST_P(RefusedFile, IsLeftUnchanged)
{
    GetParam().prepare(target);
    const std::string before = fileBytes(target);

    const BuildResult result = build(target);

    EXPECT_FALSE(result.written);
    ASSERT_EQ(result.messages.size(), 1u);
    EXPECT_NE(result.messages[0].find(GetParam().reason), std::string::npos) << result.messages[0];
    EXPECT_NE(result.messages[0].find("left unchanged"), std::string::npos) << result.messages[0];
    EXPECT_EQ(fileBytes(target), before);
}

INSTANTIATE_TEST_SUITE_P(
    Files, RefusedFile,
    ::testing::Values(
        Refusal{"text_file",
                [](const fs::path& path) { writeFile(path, "posizione;riferimento\n1;Zone 1\n"); },
                "is not an SQLite database"},
        Refusal{"valve_list_missing_a_column", valveListWith("dP REAL, portata REAL", ""),
                "17 columns, expected 18"},
        Refusal{"valve_list_columns_swapped",
                valveListWith("portata REAL, dP REAL", ", muTemp TEXT"),
                "column 5 is 'portata REAL', expected 'dP REAL'"},
        Refusal{"valve_list_number_as_text", valveListWith("dP TEXT, portata REAL", ", muTemp TEXT"),
                "column 5 is 'dP TEXT'"},
        Refusal{"valve_list_is_a_view",
                [](const fs::path& path) {
                    run(path, "CREATE TABLE x (a); CREATE VIEW progetti AS SELECT * FROM x");
                },
                "holds progetti as a view"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
