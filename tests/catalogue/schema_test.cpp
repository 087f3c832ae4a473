#include "catalogue_test_support.h"

#include <gtest/gtest.h>

namespace {

struct Column {
    std::string name;
    std::string type;
    bool operator==(const Column& other) const
    {
        return name == other.name && type == other.type;
    }
};

void PrintTo(const Column& column, std::ostream* out)
{
    *out << column.name << " " << column.type;
}

struct TableShape {
    std::string table;
    std::vector<Column> columns;
};

std::vector<Column> curveColumns(const std::string& prefix, int count)
{
    std::vector<Column> columns = {{"codice_tecnico", "TEXT"}, {"modello", "TEXT"}};
    for (int i = 0; i < count; ++i)
        columns.push_back({prefix + std::to_string(i), "REAL"});
    return columns;
}

// The calculator reads every table by column position.
const std::vector<TableShape> kShapes = {
    {"fluidi",
     {{"numero", "INTEGER"}, {"densita_relativa", "REAL"}, {"calore_specifico", "INTEGER"},
      {"densita", "INTEGER"}, {"nome", "TEXT"}}},
    {"fobv",
     {{"modello", "TEXT"}, {"kv_min", "REAL"}, {"kv_max", "REAL"}, {"preset_inizio", "REAL"},
      {"preset_apertura_totale", "REAL"}, {"preset_passo", "REAL"}, {"dimensione", "TEXT"},
      {"codice_tecnico", "TEXT"}, {"kvs", "REAL"}, {"immagine", "TEXT"}}},
    {"vobv",
     {{"codice_tecnico", "TEXT"}, {"modello", "TEXT"}, {"kv_min", "REAL"}, {"kv_max", "REAL"},
      {"preset_inizio", "REAL"}, {"preset_apertura_totale", "REAL"}, {"preset_passo", "REAL"},
      {"dimensione", "TEXT"}, {"immagine", "TEXT"}, {"q_min", "REAL"}, {"q_max", "REAL"}}},
    {"picv",
     {{"modello", "TEXT"}, {"q_min", "REAL"}, {"q_max", "REAL"}, {"codice_tecnico", "TEXT"},
      {"dp_max", "REAL"}, {"dimensione", "TEXT"}, {"preset_inizio", "REAL"},
      {"preset_fine", "REAL"}, {"preset_passo", "REAL"}, {"immagine", "TEXT"}}},
    {"dpcv",
     {{"modello", "TEXT"}, {"q_min", "REAL"}, {"q_max", "REAL"}, {"dp_min", "REAL"},
      {"dp_max", "REAL"}, {"codice_tecnico", "TEXT"}, {"dimensione", "TEXT"},
      {"immagine", "TEXT"}}},
    {"preset", curveColumns("p", 131)},
    {"startup", curveColumns("dp", 28)},
    {"progetti",
     {{"posizione", "INTEGER"}, {"nome_tipo", "TEXT"}, {"dimensione", "TEXT"},
      {"numero_di_materiale", "TEXT"}, {"dP", "REAL"}, {"portata", "REAL"},
      {"fluido", "INTEGER"}, {"t_mandata", "REAL"}, {"t_ritorno", "REAL"}, {"potenza", "REAL"},
      {"presetting", "TEXT"}, {"kv", "TEXT"}, {"apertura", "TEXT"}, {"riferimento", "TEXT"},
      {"muP", "TEXT"}, {"muQ", "TEXT"}, {"muPower", "TEXT"}, {"muTemp", "TEXT"}}},
};

void PrintTo(const TableShape& shape, std::ostream* out)
{
    *out << shape.table;
}

class BuiltSchema : public ::testing::TestWithParam<TableShape> {};

TEST_P(BuiltSchema, ColumnsComeInTheOrderTheCalculatorReads)
{
    const TableShape& shape = GetParam();
    Database db = openDatabaseOrFail(builtCatalogue());
    std::vector<Column> columns;
    for (const auto& row :
         selectRows(db.get(), "SELECT name, type FROM pragma_table_info('" + shape.table + "')"))
        columns.push_back({row[0].value_or(""), row[1].value_or("")});
    EXPECT_EQ(columns, shape.columns);

    // "SELECT *" is what the calculator runs: the same order, nothing more.
    Database raw = openDatabaseOrFail(builtCatalogue());
    std::string error;
    auto statement = prepare(raw.get(), "SELECT * FROM " + shape.table, error);
    ASSERT_TRUE(statement) << error;
    ASSERT_EQ(sqlite3_column_count(statement->get()), static_cast<int>(shape.columns.size()));
    for (int i = 0; i < sqlite3_column_count(statement->get()); ++i)
        EXPECT_EQ(sqlite3_column_name(statement->get(), i),
                  shape.columns[static_cast<std::size_t>(i)].name);
}

TEST_P(BuiltSchema, NumericColumnsHoldNumbersOnly)
{
    // A number stored as text would compare as text with the quoted literals
    // of the calculator's statements.
    const TableShape& shape = GetParam();
    Database db = openDatabaseOrFail(builtCatalogue());
    for (const auto& column : shape.columns) {
        if (column.type == "TEXT")
            continue;
        const auto rows = selectRows(db.get(), "SELECT count(*) FROM " + shape.table +
                                                   " WHERE typeof(" + column.name +
                                                   ") NOT IN ('real', 'integer', 'null')");
        EXPECT_EQ(rows.at(0).at(0).value_or(""), "0") << shape.table << "." << column.name;
    }
}

INSTANTIATE_TEST_SUITE_P(Tables, BuiltSchema, ::testing::ValuesIn(kShapes),
                         [](const auto& info) { return info.param.table; });

TEST(BuiltSchemaComparison, FlowCoefficientsCompareAsNumbers)
{
    // kv_min of 12 or more must not pass "kv_min <= '9.500000'" as it would
    // when compared as text.
    Database db = openDatabaseOrFail(builtCatalogue());
    const auto large = selectRows(db.get(), "SELECT count(*) FROM fobv WHERE kv_min >= 12");
    ASSERT_NE(large.at(0).at(0), Cell("0"));
    for (const auto& row : selectRows(db.get(), "SELECT * FROM fobv WHERE kv_min <= '9.500000'"))
        EXPECT_LE(number(row[1]), 9.5) << *row[7];
}

} // namespace
