#include "tests/sizing/sizing_fixture.h"

#include "app/startup.h"
#include "sizing/run_selection.h"
#include "tests/support/fixture_db.h"

#include <sstream>

namespace {

std::string curveSql(const char* table, int positions, const std::string& code, const std::string& model,
                     const std::map<int, double>& values)
{
    std::ostringstream sql;
    sql.precision(9);
    sql << "INSERT INTO " << table << " VALUES ('" << code << "', '" << model << "'";
    for (int i = 0; i < positions; ++i) {
        const auto value = values.find(i);
        sql << ", ";
        if (value == values.end())
            sql << "NULL";
        else
            sql << value->second;
    }
    sql << ");";
    return sql.str();
}

} // namespace

void SizingTest::startWith(const std::string& rows)
{
    std::filesystem::create_directory(folder.path() / "DB");
    fixture::execute(folder.path() / "DB" / "mvd.db",
                     fixture::catalogueSchema() + fixture::projectsSchema() + fixture::sixFluids() + rows);
    runStartup(state, db, messages_, folder.path());
    state.languageIndex = 1; // English
}

void SizingTest::restart(const std::string& statements)
{
    fixture::execute(folder.path() / "DB" / "mvd.db", statements);
    state = AppState{};
    fields = SelectionFields{};
    runStartup(state, db, messages_, folder.path());
    state.languageIndex = 1;
}

void SizingTest::calculate(std::int32_t view, const std::string& flow, const std::string& dp)
{
    state.valveView = view;
    fields.flowInput = flow;
    fields.dpInput = dp;
    runSelection(state, db, fields, panel);
}

void SizingTest::click(std::int32_t row)
{
    fields.candidateIndex = row;
    runSelection(state, db, fields, panel);
}

std::string presetSql(const std::string& code, const std::string& model, const std::map<int, double>& values)
{
    return curveSql("preset", 131, code, model, values);
}

std::string startupSql(const std::string& code, const std::string& model, const std::map<int, double>& values)
{
    return curveSql("startup", 28, code, model, values);
}
