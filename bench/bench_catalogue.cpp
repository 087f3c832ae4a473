#include "bench/bench_catalogue.h"

#include <sqlite3.h>

#include <cmath>
#include <cstdio>
#include <fstream>
#include <sstream>
#include <vector>

namespace {

std::string readFile(const std::filesystem::path& file)
{
    std::ifstream in(file);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string number(double value)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%.4f", value);
    return buffer;
}

// Handwheel curve: roughly quadratic opening from kvMin to kvMax.
std::vector<double> handwheelCurve(double kvMin, double kvMax, int positions)
{
    std::vector<double> curve;
    for (int i = 0; i < positions; ++i) {
        const double h = positions > 1 ? double(i) / (positions - 1) : 1.0;
        const double shape = 0.05 * h + 0.95 * (1.0 - std::pow(1.0 - h * h, 1.3));
        curve.push_back(kvMin + (kvMax - kvMin) * shape);
    }
    return curve;
}

std::string valuesOf(const std::vector<double>& values, std::size_t columns)
{
    std::string text;
    for (std::size_t i = 0; i < columns; ++i)
        text += ", " + (i < values.size() ? number(values[i]) : std::string("NULL"));
    return text;
}

std::string presetRow(const std::string& code, const std::string& model, const std::vector<double>& curve)
{
    return "INSERT INTO preset VALUES ('" + code + "', '" + model + "'" + valuesOf(curve, 131) + ");\n";
}

struct Size {
    int dn;
    double kvs, kvMin, kvMax;
};

void addFixedOrifice(std::string& sql)
{
    const Size sizes[] = {{15, 1.0, 0.15, 0.9},  {15, 2.1, 0.3, 1.9},  {20, 4.5, 0.45, 3.5}, {25, 8, 0.9, 6.3},
                          {32, 16, 1.4, 12},     {40, 23, 2, 18},      {50, 45, 3, 30},      {65, 100, 5, 75},
                          {80, 134, 8, 105},     {100, 238, 12, 170},  {125, 340, 20, 265},  {150, 510, 30, 375}};
    int n = 0;
    for (const Size& s : sizes) {
        const bool flanged = s.dn >= 65;
        const double full = flanged ? 8.0 : 4.0;
        const std::string code = "AQ-" + std::to_string(100 + n++);
        sql += "INSERT INTO fobv VALUES ('Arvelo Quarz', " + number(s.kvMin) + ", " + number(s.kvMax) + ", 0.5, " +
               number(full) + ", 0.1, 'DN " + std::to_string(s.dn) + "', '" + code + "', " + number(s.kvs) +
               ", 'mquarz');\n";
        sql += presetRow(code, "Arvelo Quarz", handwheelCurve(s.kvMin, s.kvMax, flanged ? 76 : 36));
    }
}

void addVariableOrifice(std::string& sql)
{
    const Size sizes[] = {{10, 0, 0.09, 1.47}, {15, 0, 0.13, 2.52}, {20, 0, 0.51, 5.7}, {25, 0, 0.6, 8.7},
                          {32, 0, 1.14, 14.2}, {40, 0, 1.75, 19.2}, {50, 0, 2.56, 33},  {65, 0, 2.5, 85},
                          {80, 0, 3.5, 120},   {100, 0, 5, 190},    {125, 0, 8, 300},   {150, 0, 12, 420}};
    const std::pair<const char*, const char*> models[] = {{"Arvelo", "arvelo"},
                                                          {"Arvelo Nodo", "arvelo_nodo"},
                                                          {"Arvelo Tesa", "arvelo_tesa"},
                                                          {"Arvelo Nodo Tesa", "arvelo_tesa_nodo"}};
    int n = 0;
    for (const auto& [model, image] : models) {
        for (const Size& s : sizes) {
            const bool flanged = s.dn >= 65;
            const std::string code = "AV-" + std::to_string(200 + n++);
            sql += "INSERT INTO vobv VALUES ('" + code + "', '" + model + "', " + number(s.kvMin) + ", " +
                   number(s.kvMax) + ", 0.5, " + number(flanged ? 8.0 : 4.0) + ", 0.1, 'DN " +
                   std::to_string(s.dn) + "', '" + image + "', " + number(s.kvMin * std::sqrt(3.0) / 36) + ", " +
                   number(s.kvMax * std::sqrt(10.0) / 36) + ");\n";
            sql += presetRow(code, model, handwheelCurve(s.kvMin, s.kvMax, flanged ? 76 : 36));
        }
    }
}

void addPressureIndependent(std::string& sql)
{
    const double ranges[][2] = {{0.025, 0.125}, {0.042, 0.29}, {0.05, 0.36}, {0.09, 0.75}, {0.2, 1.1},
                                {0.35, 2.1},    {0.55, 3.5},   {0.9, 5.6},   {1.3, 7.8},   {1.8, 10.6}};
    const int dns[] = {10, 15, 20, 25, 32, 40, 50, 65, 80, 100};
    const std::pair<const char*, const char*> models[] = {{"Arvelo Flumen-A", "mflumen_a"},
                                                          {"Arvelo Flumen-B", "mflumen_b"}};
    int n = 0;
    for (const auto& [model, image] : models) {
        for (int i = 0; i < 10; ++i) {
            const double qMin = ranges[i][0], qMax = ranges[i][1];
            const std::string code = "AF-" + std::to_string(300 + n++);
            sql += "INSERT INTO picv VALUES ('" + std::string(model) + "', " + number(qMin) + ", " + number(qMax) +
                   ", '" + code + "', 400, 'DN " + std::to_string(dns[i]) + "', 1.0, 5.0, 0.1, '" + image + "');\n";
            std::vector<double> flows, pressures;
            for (int p = 0; p < 41; ++p)
                flows.push_back(qMin + (qMax - qMin) * p / 40.0);
            for (int p = 0; p < 28; ++p)
                pressures.push_back(15.0 + 15.0 * std::pow(flows[p] / qMax, 2));
            sql += presetRow(code, model, flows);
            sql += "INSERT INTO startup VALUES ('" + code + "', '" + model + "'" + valuesOf(pressures, 28) + ");\n";
        }
    }
}

void addControllers(std::string& sql)
{
    const double ranges[][2] = {{0.02, 0.2}, {0.03, 0.31}, {0.05, 0.5}, {0.08, 0.78}, {0.12, 1.24},
                                {0.2, 2.0},  {0.45, 4.5},  {0.7, 6.8},  {1.4, 13.7}};
    const int dns[] = {15, 20, 25, 32, 40, 50, 65, 80, 100};
    const double settings[][2] = {{5, 25}, {20, 40}, {20, 80}};
    const std::pair<const char*, const char*> models[] = {{"Arvelo Statra-A", "mstatra_a"},
                                                          {"Arvelo Statra-B", "mstatra_b"}};
    int n = 0;
    for (const auto& [model, image] : models)
        for (int i = 0; i < 9; ++i)
            for (const auto& dp : settings)
                sql += "INSERT INTO dpcv VALUES ('" + std::string(model) + "', " + number(ranges[i][0]) + ", " +
                       number(ranges[i][1]) + ", " + number(dp[0]) + ", " + number(dp[1]) + ", 'AS-" +
                       std::to_string(400 + n++) + "', 'DN " + std::to_string(dns[i]) + "', '" + image + "');\n";
}

} // namespace

std::string writeBenchCatalogue(const std::filesystem::path& file)
{
    const std::filesystem::path schemas(REZU_CATALOGUE_SOURCE_DIR);
    std::string sql = "BEGIN;\n" + readFile(schemas / "catalogue_schema.sql") + readFile(schemas / "progetti_schema.sql");
    sql += "INSERT INTO fluidi VALUES (1, 1.000, 4182, 998, 'Water'), (2, 1.015, 3972, 1013, 'EG 10'),"
           " (3, 1.032, 3815, 1030, 'EG 20'), (4, 1.047, 3645, 1045, 'EG 30'), (5, 1.062, 3468, 1060, 'EG 40'),"
           " (6, 1.075, 3281, 1073, 'EG 50');\n";
    addFixedOrifice(sql);
    addVariableOrifice(sql);
    addPressureIndependent(sql);
    addControllers(sql);
    sql += "COMMIT;\n";

    sqlite3* db = nullptr;
    std::string error;
    if (sqlite3_open(file.string().c_str(), &db) != SQLITE_OK) {
        error = sqlite3_errmsg(db);
    } else {
        char* message = nullptr;
        if (sqlite3_exec(db, sql.c_str(), nullptr, nullptr, &message) != SQLITE_OK)
            error = message ? message : "unknown error";
        sqlite3_free(message);
    }
    sqlite3_close(db);
    return error;
}
