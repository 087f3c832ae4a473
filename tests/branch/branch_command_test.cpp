// arvelo-size branch, run as a user would in a working folder with a small
// catalogue: the results, the pump head and the index circuit with the
// window's texts; one line and a failure status for a bad circuits file.

#include "tests/branch/branch_fixture.h"

#include "tests/support/command_output.h"
#include "tests/support/file_bytes.h"
#include "tests/support/fixture_db.h"
#include "tests/support/temp_folder.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

namespace {

struct CommandRun {
    int status = -1;
    std::string out;
    std::string err;
};

class BranchCommand : public testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::create_directory(folder.path() / "DB");
        fixture::execute(folder.path() / "DB" / "mvd.db",
                         fixture::catalogueSchema() + fixture::sixFluids() + branchCatalogue());
    }

    // Writes the circuits file and runs the command on it.
    CommandRun run(const std::string& circuits, const std::string& options)
    {
        writeFile(folder.path() / "branch.csv", circuits);
        const std::string dir = folder.path().string();
        std::string out = commandOutput("cd '" + dir + "' && '" ARVELO_SIZE_PATH "' branch branch.csv " + options +
                                        " 2>stderr.txt; echo \"exit=$?\"");
        CommandRun result;
        const std::size_t mark = out.rfind("exit=");
        if (mark != std::string::npos) {
            result.status = std::stoi(out.substr(mark + 5));
            out.erase(mark);
        }
        result.out = out;
        result.err = fileBytes(folder.path() / "stderr.txt");
        return result;
    }

    TempFolder folder;
};

// The worked example of the core tests, with R2 typed in m3/h and mbar:
// 1,08 m3/h = 0,3 l/s; 80 and 30 mbar = 8 and 3 kPa.
const std::string kWorkedExample = "designation;flow;flow_unit;circuit_loss;riser_loss;pressure_unit;kind\r\n"
                                   "R1;0,5;l/s;10;4;kPa;fixed\r\n"
                                   "R2;1,08;m3/h;80;30;mbar;variable\r\n"
                                   "P3;2,5;;5;2;kPa;picv\r\n"
                                   "R4;0.5;l/s;12;5;kPa;fixed\r\n";

// R1: Kv 18 / sqrt(21) = 3,93, the nearest of 1 + 0,0875 i at i = 33;
// R4: Kv 18 / sqrt(9) = 6, at i = 57 (5,99).
TEST_F(BranchCommand, WritesTheResultsWithTheWindowsTexts)
{
    const CommandRun result = run(kWorkedExample, "--language 1 --pressure-unit kPa");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out,
              "No.;Designation;Valve type;Flow rate (l/s);Riser loss to take-off (kPa);Circuit loss (kPa);"
              "dP valve (kPa);Name/type;Nominal size;Material number;Presetting;KV value;Opening (%);dP Min (kPa);"
              "Warnings\n"
              "1;R1;Arvelo Quarz;0,50;4,00;10,00;21,00;Arvelo Quarz;DN 25;AQ-025;3,30;3,89;41,25;;\n"
              "2;R2;Arvelo / Arvelo Nodo;0,30;7,00;8,00;20,00;Arvelo;DN 20;AN-020;2,20;2,42;55,00;;\n"
              "3;P3;Arvelo Flumen;2,50;9,00;5,00;21,00;Arvelo Flumen-A;DN 50;AF-050;1,40;;;21,00;\n"
              "4;R4;Arvelo Quarz;0,50;14,00;12,00;9,00;Arvelo Quarz;DN 25;AQ-025;5,70;5,99;71,25;;\n"
              "Pump head (kPa);35,00\n"
              "Index circuit;3 P3\n");
}

TEST_F(BranchCommand, WritesOneJsonObjectWithWarningsInTheLanguageToAFile)
{
    const CommandRun result = run(kWorkedExample, "--json --language 3 --noise-limit 20 --name 'Strang A' --out out.json");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "") << "the results go to the file";
    const nlohmann::json json = nlohmann::json::parse(fileBytes(folder.path() / "out.json"));
    EXPECT_EQ(json["name"], "Strang A");
    EXPECT_EQ(json["pressure_unit"], "mbar") << "the units of a fresh start";
    EXPECT_EQ(json["pump_head"], "350,00");
    EXPECT_EQ(json["pump_head_caption"], "Förderhöhe Pumpe (mbar)");
    EXPECT_EQ(json["index_circuit"], 3);
    ASSERT_EQ(json["circuits"].size(), 4u);
    EXPECT_EQ(json["circuits"][2]["index"], true);
    EXPECT_EQ(json["circuits"][2]["dp_min"], "210,00");
    // R1 takes 21 kPa, more than the limit of 20; R2 takes exactly 20.
    EXPECT_EQ(json["circuits"][0]["warning_list"],
              nlohmann::json::array({"dP Ventil über 200,00 mbar: Geräuschgefahr, Differenzdruckregler vorsehen"}));
    EXPECT_EQ(json["circuits"][1]["warning_list"], nlohmann::json::array());
}

TEST_F(BranchCommand, WritesTheChartOfTheBranch)
{
    const CommandRun result = run(kWorkedExample, "--svg chart.svg --language 6");
    ASSERT_EQ(result.status, 0) << result.err;
    const std::string svg = fileBytes(folder.path() / "chart.svg");
    EXPECT_EQ(svg.rfind("<?xml", 0), 0u);
    EXPECT_NE(svg.find("id=\"bar-4-valve\""), std::string::npos);
    EXPECT_NE(svg.find("Напор насоса (mbar) 350,00"), std::string::npos);
    EXPECT_NE(svg.find("id=\"index-circuit\""), std::string::npos);
}

TEST_F(BranchCommand, TakesTheFlowFromThePowerWhenNoFlowIsGiven)
{
    // 10,465 kW at 70/55 C through water (4186 J/(kg K), 1000 kg/m3): 0,1667 l/s.
    const CommandRun result = run("designation;flow;flow_unit;circuit_loss;riser_loss;pressure_unit;kind;power;supply;return\n"
                           "R1;;l/s;10;4;kPa;variable;10,465;70;55\n",
                           "--json --pressure-unit kPa");
    ASSERT_EQ(result.status, 0) << result.err;
    const nlohmann::json json = nlohmann::json::parse(result.out);
    EXPECT_EQ(json["circuits"][0]["flow"], "0,17");
}

TEST_F(BranchCommand, ABadFileGivesOneLineAndNoResults)
{
    const std::string header = "designation;flow;flow_unit;circuit_loss;riser_loss;pressure_unit;kind\n";
    const struct {
        const char* name;
        std::string file;
        std::string message;
    } cases[] = {
        {"unknown kind", header + "R1;0,5;l/s;10;4;kPa;fixed\nR2;0,5;l/s;10;4;kPa;ball\n",
         "line 3: kind 'ball' is not one of fixed, variable, picv"},
        {"missing column", "designation;flow;flow_unit;circuit_loss;pressure_unit;kind\n",
         "line 1: the header lacks the column riser_loss"},
        {"unknown column", "designation;flow;flow_unit;circuit_loss;riser_loss;pressure_unit;kind;colour\n",
         "line 1: unknown column 'colour' in the header"},
        {"word for a number", header + "R1;0,5;l/s;ten;4;kPa;fixed\n", "line 2: circuit_loss 'ten' is not a number"},
        {"negative loss", header + "R1;0,5;l/s;-1;4;kPa;fixed\n", "line 2: circuit_loss '-1' is not a number"},
        {"beyond single precision", header + "R1;0,5;l/s;1" + std::string(40, '0') + ";4;kPa;fixed\n",
         "line 2: circuit_loss '1" + std::string(40, '0') + "' is too large"},
        {"unknown unit", header + "R1;0,5;l/sec;1;4;kPa;fixed\n", "line 2: unknown flow unit 'l/sec'"},
        {"empty file", "", "the file is empty (a header line is needed)"},
        {"header only", header, "no circuits below the header"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CommandRun result = run(c.file, "--out out.txt --svg chart.svg");
        EXPECT_EQ(result.status, 1);
        EXPECT_EQ(result.err, "arvelo-size branch: branch.csv: " + c.message + "\n");
        EXPECT_FALSE(std::filesystem::exists(folder.path() / "out.txt"));
        EXPECT_FALSE(std::filesystem::exists(folder.path() / "chart.svg"));
    }
}

} // namespace
