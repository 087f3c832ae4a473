#include "cli/batch.h"
#include "data/csv_fields.h"
#include "cli/size_session.h"

#include "tests/cli/cli_catalogue.h"
#include "tests/support/temp_folder.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <sstream>

namespace {

class BatchTest : public testing::Test {
protected:
    void SetUp() override
    {
        writeCliCatalogue(folder.path());
        ASSERT_EQ(session.open(folder.path() / "DB" / "mvd.db"), "");
    }

    std::vector<std::string> run(const std::string& file, bool json, const DutyTexts& commandLine = {})
    {
        std::istringstream in(file);
        std::ostringstream out;
        report = runBatch(in, out, session, commandLine, RunSettings{}, json);
        std::vector<std::string> lines;
        std::istringstream text(out.str());
        for (std::string line; std::getline(text, line);)
            lines.push_back(line);
        return lines;
    }

    TempFolder folder;
    std::ostringstream errors;
    SizeSession session{errors};
    BatchReport report;
};

TEST_F(BatchTest, OneJsonObjectPerDutyAndAnErrorLineForAnUnreadableOne)
{
    const auto lines = run("\xEF\xBB\xBF" "view;flow;dp;pick\r\n"
                           "fixed;0,5;100;\r\n"
                           "\r\n"
                           "fixed;0,5;abc;\r\n"
                           "fixed-check;;250;0\r\n"
                           "dpcv;1;100;5\r\n"
                           ";0,5\r\n",
                           true, {"", "", "", "", "", "", ""});
    ASSERT_EQ(lines.size(), 5u);
    const auto first = nlohmann::json::parse(lines[0]);
    EXPECT_EQ(first["line"], 2);
    EXPECT_EQ(first["view"], "fixed");
    EXPECT_EQ(first["found"], true);
    EXPECT_EQ(first["result1"], "3,70");
    EXPECT_EQ(nlohmann::json::parse(lines[1]),
              (nlohmann::json{{"line", 4}, {"error", "line 4: dp 'abc' is not a number (digits with a decimal comma or point)"}}));
    EXPECT_EQ(nlohmann::json::parse(lines[2])["result2"], "1,39");
    EXPECT_EQ(nlohmann::json::parse(lines[3])["error"], "line 6: pick 5: the candidate list has 2 rows (0 is the first)");
    EXPECT_EQ(nlohmann::json::parse(lines[4])["error"],
              "line 7: no view given (one of: fixed, fixed-check, variable, picv, picv-check, dpcv)");
    EXPECT_EQ(report.duties, 5u);
    EXPECT_EQ(report.failed, 3u);
}

TEST_F(BatchTest, MissingColumnsAndEmptyCellsTakeTheCommandLine)
{
    const auto lines = run("view;dp\nfixed-check;\nfixed-check;\"25\"\n", false, {"", "", "250", "0", "", "kPa"});
    ASSERT_FALSE(lines.empty());
    EXPECT_EQ(lines[0], "line;view;found;chosen;model;code;size;candidates;status;result1;result2;result3;details;error;"
                        "flow;dp;pick;flow_unit;pressure_unit;fluid;"
                        "presetting;kv;kv_required;opening_percent;result_flow;result_flow_unit;dp_min;dp_min_unit;"
                        "verdict;material_number;nominal_size;warnings");
    std::ostringstream all;
    for (const std::string& line : lines)
        all << line << '\n';
    EXPECT_NE(all.str().find("2;fixed-check;1;0;Arvelo Quarz;AQ-025;DN 25;2;Baureihe;;4,39;;"
                             "Materialnummer: | AQ-025 | Nennweite: | DN 25;;;250;0;l/s;kPa;0;"),
              std::string::npos)
        << all.str() << "250 kPa across kvs 10";
    EXPECT_NE(all.str().find("3;fixed-check;1;0;Arvelo Quarz;AQ-025;DN 25;2;Baureihe;;1,39;;"), std::string::npos)
        << all.str();
    EXPECT_EQ(report.failed, 0u);
}

struct NamedColumnsCase {
    const char* duty;
    std::map<std::string, std::string> filled; // every other named column is empty
};

const char* const kNamedColumns[] = {"presetting",  "kv",         "kv_required", "opening_percent",
                                     "result_flow", "result_flow_unit", "dp_min", "dp_min_unit",
                                     "verdict",     "material_number",  "nominal_size", "warnings"};

TEST_F(BatchTest, NamedColumnsHoldWhatEachViewShows)
{
    const NamedColumnsCase cases[] = {
        {"fixed;0,5;100;;",
         {{"presetting", "3,70"}, {"kv", "5,70"}, {"kv_required", "5,69"}, {"opening_percent", "46,25"},
          {"material_number", "AQ-025"}, {"nominal_size", "DN 25"}}},
        {"fixed-check;;25;0;kPa",
         {{"result_flow", "1,39"}, {"result_flow_unit", "l/s"}, {"material_number", "AQ-025"},
          {"nominal_size", "DN 25"}}},
        {"fixed;0,5;0;;",
         {{"presetting", "---"}, {"kv", "---"}, {"kv_required", "---"}, {"opening_percent", "---"}}},
        {"variable;0,5;100;;",
         {{"presetting", "3,50"}, {"kv", "5,68"}, {"kv_required", "5,69"}, {"opening_percent", "87,50"},
          {"material_number", "AV-1"}, {"nominal_size", "DN 25"}}},
        {"picv;0,5;;;kPa",
         {{"presetting", "0,50"}, {"result_flow", "0,50"}, {"result_flow_unit", "l/s"}, {"dp_min", "20,00"},
          {"dp_min_unit", "kPa"}, {"material_number", "AF-1"}, {"nominal_size", "DN 20"}}},
        {"picv-check;0,5;150;0;",
         {{"dp_min", "200,00"}, {"dp_min_unit", "mbar"}, {"verdict", "dP nicht ausreichend"},
          {"material_number", "AF-1"}, {"nominal_size", "DN 20"}}},
        {"dpcv;1;100;1;", {{"material_number", "AS-2"}, {"nominal_size", "DN 25"}}},
    };
    std::string file = "view;flow;dp;pick;pressure_unit\n";
    for (const NamedColumnsCase& c : cases)
        file += std::string(c.duty) + "\n";
    const auto lines = run(file, false);
    ASSERT_EQ(lines.size(), std::size(cases) + 1);
    const std::vector<std::string> header = splitCsvLine(lines[0]);
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        const std::vector<std::string> cells = splitCsvLine(lines[i + 1]);
        ASSERT_EQ(cells.size(), header.size()) << lines[i + 1];
        for (const char* column : kNamedColumns) {
            const auto position = std::find(header.begin(), header.end(), column) - header.begin();
            const auto expected = cases[i].filled.find(column);
            EXPECT_EQ(cells[position], expected == cases[i].filled.end() ? "" : expected->second)
                << cases[i].duty << ": " << column;
        }
    }
    EXPECT_EQ(report.failed, 0u);
}

TEST_F(BatchTest, AHeaderThatCannotBeReadStopsTheFile)
{
    run("view;flow;colour\nfixed;1;red\n", false);
    EXPECT_EQ(report.fatal, "line 1: unknown column 'colour' (columns: view, flow, dp, pick, flow_unit, pressure_unit, fluid)");
    run("flow;dp\n1;1\n", false);
    EXPECT_EQ(report.fatal, "line 1: the header names no view column");
    run("view;view\n", false);
    EXPECT_EQ(report.fatal, "line 1: column 'view' named twice");
    run("", false);
    EXPECT_EQ(report.fatal, "the duty file is empty (it needs a header line)");
    const auto lines = run("view\nfixed;1\n", false);
    EXPECT_EQ(report.fatal, "");
    EXPECT_EQ(report.failed, 1u);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[1], "2;;;;;;;;;;;;;line 2: 2 cells, but the header names 1 column;;;;;;;;;;;;;;;;;;")
        << "32 fields like the header";
}

// A spreadsheet or a line-by-line script reads one record per line: no line
// break inside a cell, every line ending the same way, each line as many
// cells as the header; the duty echoed under the duty file's column names.
TEST_F(BatchTest, EveryResultIsOneLineEndingLikeTheOthers)
{
    const std::string file = "View ; FLOW;Dp;Pick;Flow_Unit\r\n"
                             "dpcv;1;100;;\r\n"
                             "fixed-check;;25;0;M3/H\r\n"
                             "picv;0,5;;;\r\n"
                             "fixed;x;;;\r\n"
                             "picv-check;0,5;;;\r\n";
    for (const bool json : {false, true}) {
        std::istringstream in(file);
        std::ostringstream out;
        report = runBatch(in, out, session, {}, RunSettings{}, json);
        const std::string text = out.str();
        EXPECT_EQ(text.find('\r'), std::string::npos) << text;
        ASSERT_FALSE(text.empty());
        EXPECT_EQ(text.back(), '\n');
        const auto lines = run(file, json);
        ASSERT_EQ(lines.size(), json ? 5u : 6u) << text;
        if (json) {
            for (const std::string& line : lines)
                EXPECT_TRUE(nlohmann::json::accept(line)) << line;
            const auto result = nlohmann::json::parse(lines[0]);
            EXPECT_EQ(result["details_lines"][0], "Mat.-Nr.:");
            EXPECT_EQ(result["duty"]["dp"], 100.0);
            continue;
        }
        const std::vector<std::string> header = splitCsvLine(lines[0]);
        for (const std::string& line : lines)
            EXPECT_EQ(splitCsvLine(line).size(), header.size()) << line;
        const auto cell = [&](std::size_t line, const char* column) {
            return splitCsvLine(lines[line])[std::find(header.begin(), header.end(), column) - header.begin()];
        };
        EXPECT_EQ(cell(1, "details"), "Mat.-Nr.: | AS-1 | Nennweite: | DN 25 | Durchflussbereich (l/s): | 0,10 - 2,00");
        EXPECT_EQ(cell(2, "flow_unit"), "m3/h");
        EXPECT_EQ(cell(2, "dp"), "25");
        EXPECT_EQ(cell(2, "pick"), "0");
        EXPECT_EQ(cell(3, "flow"), "0,5");
        EXPECT_EQ(cell(3, "dp"), "") << "picv reads no pressure";
        EXPECT_EQ(cell(2, "flow"), "") << "fixed-check reads no flow";
        EXPECT_EQ(cell(3, "fluid"), "0");
        EXPECT_NE(cell(4, "error").find("flow 'x'"), std::string::npos);
        EXPECT_NE(cell(5, "error").find("give its row with --pick N"), std::string::npos);
    }
    EXPECT_EQ(report.failed, 2u);
}

} // namespace
