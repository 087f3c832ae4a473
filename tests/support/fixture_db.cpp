#include "tests/support/fixture_db.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace fixture {

namespace {

std::string readSchemaFile(const char* name)
{
    std::ifstream in(std::filesystem::path(REZU_CATALOGUE_SOURCE_DIR) / name);
    std::ostringstream text;
    text << in.rdbuf();
    EXPECT_FALSE(text.str().empty()) << "missing schema file " << name;
    return text.str();
}

} // namespace

void execute(const std::filesystem::path& file, const std::string& statements)
{
    sqlite3* db = nullptr;
    ASSERT_EQ(sqlite3_open(file.string().c_str(), &db), SQLITE_OK);
    char* message = nullptr;
    const int result = sqlite3_exec(db, statements.c_str(), nullptr, nullptr, &message);
    const std::string error = message ? message : "";
    sqlite3_free(message);
    sqlite3_close(db);
    ASSERT_EQ(result, SQLITE_OK) << error;
}

std::string catalogueSchema() { return readSchemaFile("catalogue_schema.sql"); }
std::string projectsSchema() { return readSchemaFile("progetti_schema.sql"); }

std::string sixFluids()
{
    return "INSERT INTO fluidi VALUES (1, 1.000, 4182, 998, 'Water');"
           "INSERT INTO fluidi VALUES (2, 1.015, 3972, 1013, 'EG 10');"
           "INSERT INTO fluidi VALUES (3, 1.032, 3815, 1030, 'EG 20');"
           "INSERT INTO fluidi VALUES (4, 1.047, 3645, 1045, 'EG 30');"
           "INSERT INTO fluidi VALUES (5, 1.062, 3468, 1060, 'EG 40');"
           "INSERT INTO fluidi VALUES (6, 1.075, 3281, 1073, 'EG 50');";
}

std::string queryText(const std::filesystem::path& file, const std::string& statement)
{
    sqlite3* db = nullptr;
    std::string value;
    if (sqlite3_open_v2(file.string().c_str(), &db, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK) {
        sqlite3_exec(db, statement.c_str(),
                     [](void* out, int count, char** values, char**) {
                         if (count > 0 && values[0])
                             *static_cast<std::string*>(out) = values[0];
                         return 1;
                     },
                     &value, nullptr);
    }
    sqlite3_close(db);
    return value;
}

} // namespace fixture
