// arvelo-size system, run as a user would in a working folder with a small
// catalogue: the duty point, the index branch, each branch's foot device and
// setting; one line and a failure status for a bad system file.

#include "tests/system/system_fixture.h"

#include "tests/support/command_run.h"
#include "tests/support/file_bytes.h"
#include "tests/support/fixture_db.h"
#include "tests/support/temp_folder.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

namespace {

class SystemCommand : public testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::create_directory(folder.path() / "DB");
        fixture::execute(folder.path() / "DB" / "mvd.db",
                         fixture::catalogueSchema() + fixture::sixFluids() + systemCatalogue());
    }

    // Writes the system file and runs the command on it, in English.
    CommandRun run(const std::string& lines, const std::string& options)
    {
        writeFile(folder.path() / "system.csv", lines);
        return runCommandIn(folder.path(), "LC_ALL=C LANG=C '" ARVELO_SIZE_PATH "' system system.csv " + options,
                            folder.path() / "stderr.txt");
    }

    TempFolder folder;
};

// The worked example of the core tests (balance_system_test.cpp), branch C
// with its main section typed in mbar (20 mbar = 2 kPa): plant 10 kPa,
// pump head 56,2846618 kPa at 1,9 l/s, B the index branch behind AS-040-03
// at 30,96 kPa; A's surplus 25,99 kPa wants AS-040-01 at 16,29 kPa; C's
// foot valve AQ-025 at presetting 4,3.
const std::string kWorkedExample =
    "branch;kind;designation;flow;flow_unit;circuit_loss;pressure_unit;riser_loss;foot;return_loss\r\n"
    "A;main;;;;;kPa;4;none;\r\n"
    "A;variable;A1;0,3;l/s;8;kPa;1;;\r\n"
    "A;variable;A2;0,2;l/s;10;kPa;2;;\r\n"
    "B;main;;;;;kPa;3;Controller;\r\n"
    "C;main;;;;;mbar;20;fixed;\r\n"
    "B;variable;B1;0,4;l/s;12;kPa;1,5;;\r\n"
    "B;variable;B2;0,4;l/s;15;kPa;1,5;;\r\n"
    "C;variable;C1;0,2;l/s;9;kPa;1;;0,5\r\n"
    "C;variable;C2;0,2;l/s;9;kPa;0,8;;0,6\r\n"
    "C;variable;C3;0,2;l/s;9,5;kPa;0,6;;1,2\r\n";

TEST_F(SystemCommand, GivesTheDutyPointAndEveryFootDeviceInJson)
{
    const CommandRun result = run(kWorkedExample, "--plant-loss 10 --pressure-unit kPa --json");
    ASSERT_EQ(result.status, 0) << result.err;
    const nlohmann::json json = nlohmann::json::parse(result.out);
    EXPECT_EQ(json["complete"], true);
    // JSON carries the figures computed (six digits), not the texts' two
    // decimals: 10 + 46,2846618 kPa of head (balance_system_test.cpp).
    EXPECT_NEAR(json["pump_head"].get<double>(), 56.2846618, 1e-4);
    EXPECT_EQ(json["total_flow"], 1.9);
    EXPECT_EQ(json["plant_loss"], 10.0);
    EXPECT_EQ(json["index_branch"], 2);
    const auto& branches = json["branches"];
    ASSERT_EQ(branches.size(), 3u);
    const struct {
        const char* name;
        const char* foot;
        double available, requirement;
        bool reverse;
        std::size_t circuits;
    } expected[] = {{"A", "None", 42.2846618, 16.29, false, 2},
                    {"B", "Arvelo Statra", 39.2846618, 30.96, false, 2},
                    {"C", "Arvelo Quarz", 37.2846618, 16.34, true, 3}};
    for (std::size_t j = 0; j < 3; ++j) {
        SCOPED_TRACE(j);
        EXPECT_EQ(branches[j]["branch"], expected[j].name);
        EXPECT_EQ(branches[j]["foot_device"], expected[j].foot);
        EXPECT_NEAR(branches[j]["available"].get<double>(), expected[j].available, 1e-4);
        EXPECT_NEAR(branches[j]["requirement"].get<double>(), expected[j].requirement, 1e-4);
        EXPECT_EQ(branches[j]["reverse_return"], expected[j].reverse);
        EXPECT_EQ(branches[j]["circuits"].size(), expected[j].circuits);
    }
    EXPECT_EQ(branches[1]["material_number"], "AS-040-03");
    EXPECT_NEAR(branches[1]["setpoint"].get<double>(), 30.96, 1e-4);
    EXPECT_NEAR(branches[1]["foot_dp"].get<double>(), 8.3246618, 1e-4);
    EXPECT_EQ(branches[1]["texts"]["foot_dp"], "8,32");
    EXPECT_EQ(branches[2]["material_number"], "AQ-025");
    EXPECT_EQ(branches[2]["presetting"], 4.3);
    EXPECT_NEAR(branches[2]["foot_dp"].get<double>(), 20.9446618, 1e-4);
    ASSERT_FALSE(branches[0]["proposal"].is_null());
    EXPECT_EQ(branches[0]["proposal"]["controller"]["material_number"], "AS-040-01");
    EXPECT_EQ(branches[0]["warning_list"][0], "Controller proposed: Arvelo Statra-A DN 40 AS-040-01 at 16,29 kPa");
    // The main's sections from the pump: A's carries 0,5 + 0,8 + 0,6 = 1,9
    // l/s, B's 1,4, C's 0,6, each at its typed loss (C's 20 mbar = 2 kPa).
    const struct {
        const char* branch;
        double flow, loss;
    } mains[] = {{"A", 1.9, 4.0}, {"B", 1.4, 3.0}, {"C", 0.6, 2.0}};
    ASSERT_EQ(json["main_sections"].size(), 3u);
    for (std::size_t j = 0; j < 3; ++j) {
        const auto& section = json["main_sections"][j];
        EXPECT_EQ(section["branch"], mains[j].branch);
        EXPECT_NEAR(section["flow"].get<double>(), mains[j].flow, 1e-6) << j;
        EXPECT_NEAR(section["loss"].get<double>(), mains[j].loss, 1e-6) << j;
        EXPECT_TRUE(section["pipe"].is_null()) << "a typed loss";
    }
    // C's return from each circuit on carries the circuits up to it.
    const auto& returns = branches[2]["return_sections"];
    ASSERT_EQ(returns.size(), 3u);
    const double returnFlows[] = {0.2, 0.4, 0.6};
    const double returnLosses[] = {0.5, 0.6, 1.2};
    for (std::size_t i = 0; i < 3; ++i) {
        EXPECT_NEAR(returns[i]["flow"].get<double>(), returnFlows[i], 1e-6) << i;
        EXPECT_NEAR(returns[i]["loss"].get<double>(), returnLosses[i], 1e-6) << i;
    }
    EXPECT_TRUE(branches[0]["return_sections"].empty()) << "direct return";
    // C's circuits behind the foot valve: S = 3,3, 3,6, 3,6.
    EXPECT_NEAR(branches[2]["circuits"][0]["riser_loss_to_take_off"].get<double>(), 3.3, 1e-5);
    EXPECT_EQ(branches[2]["circuits"][2]["index"], true);
}

TEST_F(SystemCommand, WritesTheTablesTheSummaryAndTheChart)
{
    const CommandRun result =
        run(kWorkedExample, "--plant-loss 10 --pressure-unit kPa --language 3 --svg chart.svg");
    ASSERT_EQ(result.status, 0) << result.err;
    for (const char* line : {"Förderhöhe Pumpe (kPa): 56,28\n", "Gesamtvolumenstrom (l/s): 1,90\n",
                             "Ungünstigster Strang: 2 B\n", "Verlust Erzeugerkreis (kPa): 10,00\n", "\nStrang: 3 C\n"})
        EXPECT_NE(result.out.find(line), std::string::npos) << line;
    EXPECT_NE(result.out.find("* 2    B"), std::string::npos);
    const std::string svg = fileBytes(folder.path() / "chart.svg");
    EXPECT_NE(svg.find("id=\"bar-3-foot\""), std::string::npos);
    EXPECT_NE(svg.find("id=\"index-branch\""), std::string::npos);

    const CommandRun table = run(kWorkedExample, "--plant-loss 10 --pressure-unit kPa --language 1 --out results.csv");
    ASSERT_EQ(table.status, 0) << table.err;
    EXPECT_EQ(table.out, "");
    const std::string csv = fileBytes(folder.path() / "results.csv");
    EXPECT_NE(csv.find("Pump head (kPa);56,28\n"), std::string::npos);
    EXPECT_NE(csv.find("Index branch;2 B\n"), std::string::npos);
}

// A controller no catalogue row covers (AF-050 at 3 l/s needs 1 + 70 + 23 =
// 94 kPa, above every range): exit 1, the line names the branch, no chart.
TEST_F(SystemCommand, AnIncompleteSystemWritesNoChart)
{
    const CommandRun result = run("branch;kind;designation;flow;flow_unit;circuit_loss;pressure_unit;riser_loss;foot\n"
                                  "P;main;;;;;kPa;2;controller\n"
                                  "P;picv;P1;3;l/s;70;kPa;1;\n",
                                  "--pressure-unit kPa --svg chart.svg");
    EXPECT_EQ(result.status, 1);
    EXPECT_NE(result.err.find("branch 1 P lacks a foot device or a valve"), std::string::npos) << result.err;
    EXPECT_NE(result.err.find("chart.svg was not written"), std::string::npos);
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "chart.svg"));
}

// Each fault is named with its line; the input is never replaced.
TEST_F(SystemCommand, RefusesAFaultyFileOrOutputWithOneLine)
{
    const std::string header = "branch;kind;designation;flow;flow_unit;circuit_loss;pressure_unit;riser_loss;foot;"
                               "return_loss\n";
    const std::string circuitA = "A;variable;A1;0,3;l/s;8;kPa;1;;\n";
    const struct {
        const char* name;
        std::string lines;
        std::string options;
        std::string message;
    } cases[] = {
        {"NoMainLine", header + circuitA, "", "branch 'A' has no main line"},
        {"TwoMainLines", header + "A;main;;;;;kPa;1;;\nA;main;;;;;kPa;1;;\n" + circuitA, "",
         "line 3: branch 'A' has a main line already (line 2)"},
        {"NoCircuits", header + "A;main;;;;;kPa;1;;\nB;main;;;;;kPa;1;;\n" + circuitA, "",
         "branch 'B' (line 3) has no circuits"},
        {"ReturnsOnSomeCircuits", header + "A;main;;;;;kPa;1;;\n" + circuitA + "A;variable;A2;0,3;l/s;8;kPa;1;;0,5\n",
         "", "line 4: branch 'A' is reverse return only if every circuit gives its return"},
        {"UnknownFoot", header + "A;main;;;;;kPa;1;pump;\n" + circuitA, "",
         "line 2: foot 'pump' is not one of none, fixed, variable, controller"},
        {"FootOnACircuit", header + "A;main;;;;;kPa;1;;\nA;variable;A1;0,3;l/s;8;kPa;1;fixed;\n", "",
         "line 3: foot 'fixed' belongs to the branch's main line"},
        {"FlowOnAMainLine", header + "A;main;;0,3;l/s;;kPa;1;;\n" + circuitA, "",
         "line 2: a main line has no flow"},
        {"MainWithoutLoss", header + "A;main;;;;;kPa;;;\n" + circuitA, "",
         "line 2: a main line needs riser_loss or a pipe section"},
        {"ReturnLossAndReturnPipe",
         "branch;kind;designation;flow;flow_unit;circuit_loss;pressure_unit;riser_loss;return_loss;"
         "return_pipe_length_m;return_pipe_inner_diameter_mm\n"
         "A;main;;;;;kPa;1;;;\n"
         "A;variable;A1;0,3;l/s;8;kPa;1;0,5;10;20\n",
         "", "line 3: return_loss '0,5' and a return pipe are both given; keep one"},
        {"EmptyBranch", header + ";main;;;;;kPa;1;;\n", "", "line 2: the branch cell is empty"},
        {"NoBranchColumn", "kind;designation;flow;flow_unit;circuit_loss;pressure_unit;riser_loss\n", "",
         "line 1: the header lacks the column branch"},
        {"TooLong", header + std::string(5000, 'x') + "\n", "", "line 2: longer than 4096 bytes"},
        {"OutIsTheInput", header + "A;main;;;;;kPa;1;;\n" + circuitA, "--out system.csv",
         "--out system.csv is the system file itself"},
        {"OutIsTheChart", header + "A;main;;;;;kPa;1;;\n" + circuitA, "--out r.csv --svg ./r.csv",
         "--out and --svg name the same file"},
        {"NegativePlantLoss", header + "A;main;;;;;kPa;1;;\n" + circuitA, "--plant-loss -1", "--plant-loss"},
        // Figures beyond any building's: a slip of a unit or a digit.
        {"PlantLossBeyondBelief", header + "A;main;;;;;kPa;1;;\n" + circuitA, "--plant-loss 2000",
         "system.csv: system: plant loss 2000,00 kPa is above 1600 kPa"},
        {"MainLossBeyondBelief", header + "A;main;;;;;bar;17;;\n" + circuitA, "",
         "system.csv: branch 1 (A): main section loss 1700,00 kPa is above 1600 kPa"},
        {"CircuitLossBeyondBelief", header + "A;main;;;;;kPa;1;;\nA;variable;A1;0,3;l/s;99999;kPa;1;;\n", "",
         "system.csv: branch 1 (A), circuit 1 (A1): circuit loss 99999,00 kPa is above 1000 kPa"},
        {"ReturnLossBeyondBelief", header + "A;main;;;;;kPa;1;;\nA;variable;A1;0,3;l/s;8;kPa;1;;2000\n", "",
         "system.csv: branch 1 (A), return section 1: loss 2000,00 kPa is above 1600 kPa"},
        // 800 kPa of riser and 900 of circuit loss, each within its limit,
        // and the valve's least 7,29 need a head of 1707,29 kPa.
        {"HeadBeyondBelief", header + "A;main;;;;;kPa;900;;\nA;variable;A1;0,3;l/s;900;kPa;800;;\n", "",
         "system.csv: branch 1 (A): head 1707,29 kPa is above 1600 kPa"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        const CommandRun result = run(c.lines, "--pressure-unit kPa " + c.options);
        EXPECT_EQ(result.status, 1);
        EXPECT_EQ(result.out, "");
        EXPECT_EQ(result.err.rfind("arvelo-size system: ", 0), 0u) << result.err;
        EXPECT_NE(result.err.find(c.message), std::string::npos) << result.err;
        EXPECT_EQ(std::count(result.err.begin(), result.err.end(), '\n'), 1) << result.err;
        EXPECT_EQ(fileBytes(folder.path() / "system.csv"), c.lines);
    }
}

// Branch names that differ only in case are one branch, named as first
// spelled: "Nord" and "NORD" were two, one of them without a main line.
TEST_F(SystemCommand, BranchNamesDifferingInCaseAreOneBranch)
{
    const std::string lines = "branch;kind;designation;flow;flow_unit;circuit_loss;pressure_unit;riser_loss\n"
                              "Nord;main;;;;;kPa;4\n"
                              "NORD;variable;N1;0,3;l/s;8;kPa;1\n"
                              "nord;variable;N2;0,2;l/s;10;kPa;2\n"
                              "Süd;main;;;;;kPa;3\n"
                              "SÜD;variable;S1;0,4;l/s;12;kPa;1,5\n";
    const CommandRun result = run(lines, "--pressure-unit kPa --json");
    ASSERT_EQ(result.status, 0) << result.err;
    const nlohmann::json json = nlohmann::json::parse(result.out);
    ASSERT_EQ(json["branches"].size(), 2u);
    EXPECT_EQ(json["branches"][0]["branch"], "Nord");
    EXPECT_EQ(json["branches"][0]["circuits"].size(), 2u);
    EXPECT_EQ(json["branches"][1]["branch"], "Süd");
}

} // namespace
