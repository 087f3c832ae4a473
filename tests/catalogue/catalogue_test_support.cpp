#include "catalogue_test_support.h"

#include "catalogue/catalogue_builder.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cmath>
#include <cstdarg>
#include <cstdlib>
#include <fstream>
#include <random>
#include <sstream>

namespace fs = std::filesystem;

std::vector<Row> selectRows(sqlite3* db, const std::string& sql)
{
    std::vector<Row> rows;
    auto collect = [](void* target, int count, char** values, char**) {
        Row row;
        for (int i = 0; i < count; ++i)
            row.push_back(values[i] ? Cell(values[i]) : Cell());
        static_cast<std::vector<Row>*>(target)->push_back(std::move(row));
        return 0;
    };
    char* error = nullptr;
    if (sqlite3_exec(db, sql.c_str(), collect, &rows, &error) != SQLITE_OK) {
        ADD_FAILURE() << sql << ": " << (error ? error : "?");
        sqlite3_free(error);
    }
    return rows;
}

double number(const Cell& cell)
{
    return cell ? std::atof(cell->c_str()) : 0.0;
}

std::string sqlText(const char* format, ...)
{
    char text[1024];
    va_list arguments;
    va_start(arguments, format);
    std::vsnprintf(text, sizeof text, format, arguments);
    va_end(arguments);
    return text;
}

Database openDatabaseOrFail(const fs::path& path, int flags)
{
    std::string error;
    auto db = openDatabase(path, flags, error);
    if (!db) {
        ADD_FAILURE() << path << ": " << error;
        return Database();
    }
    return std::move(*db);
}

const fs::path& builtCatalogue()
{
    static TempFolder folder;
    static const fs::path path = [] {
        const fs::path target = folder.path() / "mvd.db";
        const BuildResult result = buildCatalogue(target, defaultSourceDirectory());
        if (!result.written)
            for (const auto& message : result.messages)
                ADD_FAILURE() << message;
        return target;
    }();
    return path;
}

void copySources(const fs::path& folder)
{
    for (const auto& entry : fs::directory_iterator(defaultSourceDirectory())) {
        const auto extension = entry.path().extension();
        if (extension == ".csv" || extension == ".sql")
            fs::copy_file(entry.path(), folder / entry.path().filename(),
                          fs::copy_options::overwrite_existing);
    }
}

int positionsOf(double start, double full, double step)
{
    return static_cast<int>(std::lround((full - start) / step)) + 1;
}
