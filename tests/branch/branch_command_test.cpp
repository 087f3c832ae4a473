// arvelo-size branch, run as a user would in a working folder with a small
// catalogue: the results, the pump head and the index circuit with the
// window's texts; one line and a failure status for a bad circuits file.

#include "tests/branch/branch_fixture.h"

#include "tests/support/command_run.h"
#include "tests/support/file_bytes.h"
#include "tests/support/fixture_db.h"
#include "tests/support/temp_folder.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

namespace {

class BranchCommand : public testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::create_directory(folder.path() / "DB");
        fixture::execute(folder.path() / "DB" / "mvd.db",
                         fixture::catalogueSchema() + fixture::sixFluids() + branchCatalogue());
    }

    // Writes the circuits file and runs the command on it, in English
    // unless the environment says otherwise.
    CommandRun run(const std::string& circuits, const std::string& options,
                   const std::string& environment = "LC_ALL=C LANG=C")
    {
        writeFile(folder.path() / "branch.csv", circuits);
        return runIn(folder.path(), environment + " '" ARVELO_SIZE_PATH "' branch branch.csv " + options);
    }

    CommandRun runIn(const std::filesystem::path& where, const std::string& command)
    {
        return runCommandIn(where, command, folder.path() / "stderr.txt");
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
    const CommandRun result = run(kWorkedExample, "--language 1 --pressure-unit kPa --csv");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.err, "");
    EXPECT_EQ(result.out,
              "No.;Designation;Valve type;Flow rate (l/s);Riser loss to take-off (kPa);Circuit loss (kPa);"
              "dP valve (kPa);Name/type;Nominal size;Material number;Presetting;KV value;Opening (%);dP Min (kPa);"
              "Warnings\n"
              "1;R1;Arvelo Quarz;0,500;4,00;10,00;21,00;Arvelo Quarz;DN 25;AQ-025;3,30;3,89;41,25;;\n"
              "2;R2;Arvelo / Arvelo Nodo;0,300;7,00;8,00;20,00;Arvelo;DN 20;AN-020;2,20;2,42;55,00;;\n"
              "3;P3;Arvelo Flumen;2,50;9,00;5,00;21,00;Arvelo Flumen-A;DN 50;AF-050;1,40;;;21,00;\n"
              "4;R4;Arvelo Quarz;0,500;14,00;12,00;9,00;Arvelo Quarz;DN 25;AQ-025;5,70;5,99;71,25;;\n"
              "Pump head (kPa);35,00\n"
              "Total flow (l/s);3,80\n"
              "Index circuit;3 P3\n");
}

// Without --out or --csv: what to set first, aligned, the index circuit
// marked, then the pump duty point (3,80 l/s = 0,5 + 0,3 + 2,5 + 0,5).
TEST_F(BranchCommand, PrintsAnAlignedTableAndThePumpDutyPoint)
{
    const CommandRun result = run(kWorkedExample, "--pressure-unit kPa");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out,
              "  No.  Designation  Name/type        Nominal size  Presetting  dP valve (kPa)  Warnings  Valve type"
              "            Flow rate (l/s)  Riser loss to take-off (kPa)  Circuit loss (kPa)  Material number  KV value"
              "  Opening (%)  dP Min (kPa)\n"
              "  1    R1           Arvelo Quarz     DN 25         3,30        21,00                     Arvelo Quarz"
              "          0,500            4,00                          10,00               AQ-025           3,89"
              "      41,25\n"
              "  2    R2           Arvelo           DN 20         2,20        20,00                     Arvelo / Arvelo"
              " Nodo  0,300            7,00                          8,00                AN-020           2,42"
              "      55,00\n"
              "* 3    P3           Arvelo Flumen-A  DN 50         1,40        21,00                     Arvelo Flumen"
              "         2,50             9,00                          5,00                AF-050"
              "                                  21,00\n"
              "  4    R4           Arvelo Quarz     DN 25         5,70        9,00                      Arvelo Quarz"
              "          0,500            14,00                         12,00               AQ-025           5,99"
              "      71,25\n"
              "\n"
              "Total flow (l/s): 3,80\n"
              "Pump head (kPa): 35,00\n"
              "Index circuit: 3 P3\n");
}

TEST_F(BranchCommand, WritesOneJsonObjectWithWarningsInTheLanguageToAFile)
{
    const CommandRun result = run(kWorkedExample, "--json --language 3 --noise-limit 20 --name 'Strang A' --out out.json");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, "") << "the results go to the file";
    const nlohmann::json json = nlohmann::json::parse(fileBytes(folder.path() / "out.json"));
    EXPECT_EQ(json["name"], "Strang A");
    EXPECT_EQ(json["pressure_unit"], "mbar") << "the units of a fresh start";
    EXPECT_EQ(json["complete"], true);
    EXPECT_EQ(json["pump_head"], 350.0);
    EXPECT_EQ(json["pump_head_text"], "350,00");
    EXPECT_EQ(json["total_flow"], 3.8);
    EXPECT_EQ(json["pump_head_caption"], "Förderhöhe Pumpe (mbar)");
    EXPECT_EQ(json["index_circuit"], 3);
    ASSERT_EQ(json["circuits"].size(), 4u);
    EXPECT_EQ(json["circuits"][2]["index"], true);
    EXPECT_EQ(json["circuits"][2]["dp_min"], 210.0);
    EXPECT_EQ(json["circuits"][2]["texts"]["dp_min"], "210,00");
    EXPECT_EQ(json["circuits"][2]["kv"], nullptr) << "a pressure-independent valve has no Kv";
    EXPECT_EQ(json["circuits"][2]["model"], "Arvelo Flumen-A");
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
    // 10,465 kW at 70/55 C through the catalogue's water (4182 J/(kg K), 998
    // kg/m3): 10465 / 15 / 4182 = 0,166826 kg/s = 0,167160 l/s, in JSON to
    // six digits and printed with three.
    const CommandRun result = run("designation;flow;flow_unit;circuit_loss;riser_loss;pressure_unit;kind;power;supply;return\n"
                           "R1;;l/s;10;4;kPa;variable;10,465;70;55\n",
                           "--json --pressure-unit kPa");
    ASSERT_EQ(result.status, 0) << result.err;
    const nlohmann::json json = nlohmann::json::parse(result.out);
    EXPECT_NEAR(json["circuits"][0]["flow"].get<double>(), 0.167160, 1e-6);
    EXPECT_EQ(json["circuits"][0]["texts"]["flow"], "0,167");
}

const std::string kPowerHeader =
    "designation;flow;flow_unit;circuit_loss;riser_loss;pressure_unit;kind;power;supply;return\n";
const std::string kKvsHeader =
    "designation;flow;flow_unit;circuit_loss;riser_loss;pressure_unit;kind;control_valve_kvs\n";

// Text as a UTF-16 file holds it: little-endian with its byte-order mark.
std::string utf16Bytes(const std::string& ascii)
{
    std::string bytes = "\xFF\xFE";
    for (const char c : ascii)
        bytes += std::string{c, '\0'};
    return bytes;
}

const std::string kPipeHeader =
    "designation;flow;flow_unit;circuit_loss;riser_loss;pressure_unit;kind;pipe_length_m;pipe_inner_diameter_mm\n";

std::string repeated(const std::string& text, int times)
{
    std::string out;
    for (int i = 0; i < times; ++i)
        out += text;
    return out;
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
        {"missing column", "designation;flow;flow_unit;circuit_loss;riser_loss;pressure_unit\n",
         "line 1: the header lacks the column kind"},
        {"unknown column", "designation;flow;flow_unit;circuit_loss;riser_loss;pressure_unit;kind;colour\n",
         "line 1: unknown column 'colour' in the header"},
        {"word for a number", header + "R1;0,5;l/s;ten;4;kPa;fixed\n",
         "line 2: circuit_loss 'ten' is not a number (digits with a decimal comma or point, as 12,5 or 1,5E+02)"},
        {"negative loss", header + "R1;0,5;l/s;-1;4;kPa;fixed\n", "line 2: circuit_loss '-1' must not be negative"},
        {"zero flow", header + "R1;0;l/s;10;4;kPa;fixed\n", "line 2: flow '0' must be more than 0"},
        {"negative flow", header + "R1;-10;l/s;10;4;kPa;fixed\n", "line 2: flow '-10' must be more than 0"},
        {"supply equal to return", kPowerHeader + "R1;;l/s;10;4;kPa;fixed;5;60;60\n",
         "line 2: no flow from the power: supply '60' and return '60' must differ"},
        {"comma-separated", "designation,flow,flow_unit,circuit_loss,riser_loss,pressure_unit,kind\n",
         "line 1: the header has no semicolon; the cells are separated by semicolons, not commas"},
        {"tab-separated", "designation\tflow\tflow_unit\tcircuit_loss\triser_loss\tpressure_unit\tkind\n",
         "line 1: the header has no semicolon; the cells are separated by semicolons, not tabs"},
        {"UTF-16", utf16Bytes(header), "line 1: the file is UTF-16 (two bytes a letter); save it as UTF-8 (CSV UTF-8)"},
        {"Latin-1", header + "S\xFC" "d;0,5;l/s;10;4;kPa;fixed\n",
         "line 2: the text is not UTF-8; save the file as UTF-8 (CSV UTF-8)"},
        // Figures beyond any building's: a slip of a unit, a digit or a pipe.
        {"circuit loss beyond belief", header + "R1;0,5;l/s;99999;4;kPa;fixed\n",
         "circuit 1 (R1): circuit loss 99999,00 kPa is above 1000 kPa, beyond any building's water circuit"},
        {"control valve Kvs beyond belief", kKvsHeader + "R1;0,5;l/s;10;4;kPa;fixed;0,0001\n",
         "circuit 1 (R1): control valve Kvs 0,000100 m3/h is below 0,01 m3/h, beyond any building's water circuit"},
        // 0,5 l/s in 0,5 mm: 0,0005 / (pi x 0,00025^2) = 2546,48 m/s; the
        // head was 2 199 871 744 kPa, with only a velocity warning.
        {"a pipe far too narrow", kPipeHeader + "R1;0,5;l/s;10;;kPa;fixed;10;0,5\n",
         "circuit 1 (R1), riser section: velocity 2546,48 m/s is above 5 m/s, beyond any building's water circuit"},
        {"a cell beyond the header", header + "R1;0,5;l/s;10;4;kPa;fixed;5\n",
         "line 2: 8 cells, but the header names 7 columns"},
        {"a column twice", "designation;flow;flow_unit;circuit_loss;riser_loss;pressure_unit;kind;Flow\n",
         "line 1: the column Flow appears twice in the header"},
        {"a line beyond the limit", header + "R1;0,5;l/s;10;4;kPa;fixed;" + std::string(5000, ' ') + "\n",
         "line 2: longer than 4096 bytes; a circuit line is far shorter"},
        {"more circuits than a branch has", header + repeated("R;0,5;l/s;10;4;kPa;fixed\n", 10001),
         "line 10002: more than 10000 circuits; split the branch"},
        {"riser loss and pipe", kPipeHeader + "R1;0,5;l/s;10;4;kPa;fixed;20;41,9\n",
         "line 2: riser_loss '4' and a pipe section are both given; keep one"},
        {"neither riser loss nor pipe", kPipeHeader + "R1;0,5;l/s;10;;kPa;fixed;;\n",
         "line 2: riser_loss is empty and no pipe section (pipe_length_m, pipe_inner_diameter_mm) is given"},
        {"pipe without its diameter", kPipeHeader + "R1;0,5;l/s;10;;kPa;fixed;20;\n",
         "line 2: a pipe section needs pipe_inner_diameter_mm"},
        {"pipe of no diameter", kPipeHeader + "R1;0,5;l/s;10;;kPa;fixed;20;0\n",
         "line 2: pipe_inner_diameter_mm '0' must be more than 0"},
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

// No output replaces the circuits file or the other output, whatever name or
// link it is given; the circuits file stays as it was.
TEST_F(BranchCommand, RefusesAnOutputThatIsTheInputOrTheOtherOutput)
{
    const std::string dir = folder.path().string();
    const std::string parent = "../" + folder.path().filename().string();
    std::filesystem::create_symlink("branch.csv", folder.path() / "link.csv");
    const struct {
        std::string options;
        std::string message;
    } cases[] = {
        {"--out branch.csv", "--out branch.csv is the circuits file itself; the results would replace it"},
        {"--out ./branch.csv", "--out ./branch.csv is the circuits file itself; the results would replace it"},
        {"--out " + dir + "/branch.csv",
         "--out " + dir + "/branch.csv is the circuits file itself; the results would replace it"},
        {"--out " + parent + "/branch.csv",
         "--out " + parent + "/branch.csv is the circuits file itself; the results would replace it"},
        {"--out link.csv", "--out link.csv is the circuits file itself; the results would replace it"},
        {"--svg branch.csv", "--svg branch.csv is the circuits file itself; the results would replace it"},
        {"--out x --svg ./x", "--out and --svg name the same file x; the chart would replace the results"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.options);
        const CommandRun result = run(kWorkedExample, c.options);
        EXPECT_EQ(result.status, 1);
        EXPECT_EQ(result.err, "arvelo-size branch: " + c.message + "\n");
        EXPECT_EQ(fileBytes(folder.path() / "branch.csv"), kWorkedExample);
        EXPECT_FALSE(std::filesystem::exists(folder.path() / "x"));
    }
}

// An output that is a device or a named pipe is written into, never
// replaced by a file (--out /dev/null run as root broke the machine); the
// results and the chart are written both or neither.
TEST_F(BranchCommand, WritesIntoDevicesAndBothOutputsOrNeither)
{
    const CommandRun toNull = run(kWorkedExample, "--out /dev/null");
    EXPECT_EQ(toNull.status, 0) << toNull.err;
    EXPECT_TRUE(std::filesystem::is_character_file("/dev/null"));

    const CommandRun toStdout = run(kWorkedExample, "--out /dev/stdout --pressure-unit kPa");
    EXPECT_EQ(toStdout.status, 0) << toStdout.err;
    EXPECT_NE(toStdout.out.find("Pump head (kPa);35,00\n"), std::string::npos) << toStdout.out;

    writeFile(folder.path() / "branch.csv", kWorkedExample);
    const CommandRun toPipe =
        runIn(folder.path(), "mkfifo results.fifo && (cat results.fifo > copy.csv & LC_ALL=C '" ARVELO_SIZE_PATH
                             "' branch branch.csv --out results.fifo --pressure-unit kPa; status=$?; wait; "
                             "exit $status)");
    EXPECT_EQ(toPipe.status, 0) << toPipe.err;
    EXPECT_TRUE(std::filesystem::is_fifo(folder.path() / "results.fifo"));
    EXPECT_NE(fileBytes(folder.path() / "copy.csv").find("Pump head (kPa);35,00\n"), std::string::npos);

    const CommandRun noChart = run(kWorkedExample, "--out out.csv --svg missing/chart.svg");
    EXPECT_EQ(noChart.status, 1);
    EXPECT_EQ(noChart.err, "arvelo-size branch: cannot write missing/chart.svg: No such file or directory\n");
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "out.csv")) << "the results without their chart";
}

TEST_F(BranchCommand, RefusesOptionsOutsideTheirRangeByName)
{
    const struct {
        const char* options;
        const char* message;
    } cases[] = {
        {"--min-dp 0", "--min-dp '0' must be more than 0"},
        {"--min-dp -10", "--min-dp '-10' must be more than 0"},
        {"--min-dp drei", "--min-dp 'drei' is not a number (digits with a decimal comma or point, as 12,5 or 1,5E+02)"},
        {"--min-dp 30", "--min-dp 30 is above --noise-limit 25: every static valve would whistle"},
        {"--noise-limit 2", "--min-dp 3 is above --noise-limit 2: every static valve would whistle"},
        {"--fluid-temperature 120", "--fluid-temperature '120' is outside 0 to 100 C, the range of the water table"},
        {"--velocity-limit 0", "--velocity-limit '0' must be more than 0"},
        {"--authority-limit 1", "--authority-limit '1' must be below 1"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.options);
        const CommandRun result = run(kWorkedExample, c.options);
        EXPECT_EQ(result.status, 1);
        EXPECT_EQ(result.err, std::string("arvelo-size branch: ") + c.message + "\n");
        EXPECT_EQ(result.out, "");
    }
}

// Spelled as a spreadsheet or a hand may: header names, units and kinds in
// any case, blanks around cells, a decimal comma in --min-dp. The results
// are those of the worked example.
TEST_F(BranchCommand, AcceptsAnyCaseBlanksAndADecimalComma)
{
    const std::string loose = "Designation ; FLOW;Flow_Unit;circuit_loss;Riser_Loss;PRESSURE_UNIT;Kind\n"
                              " R1 ;0,5;L/S; 10;4 ;kpa;Fixed\n"
                              "R2;1,08;M3/H;80;30;MBAR;variable\n"
                              "P3;2,5;;5;2;kPa;PICV\n"
                              "R4;0.5;l/s;12;5;KPA;fixed\n";
    const CommandRun canonical = run(kWorkedExample, "--json --pressure-unit kPa --min-dp 2.5");
    const CommandRun result = run(loose, "--json --pressure-unit kPa --min-dp 2,5");
    ASSERT_EQ(result.status, 0) << result.err;
    EXPECT_EQ(result.out, canonical.out);
}

// The language of the locale and the catalogue of the working folder, as
// every other view of the command.
TEST_F(BranchCommand, SpeaksTheLocalesLanguageAndFindsTheWorkingFoldersCatalogue)
{
    const CommandRun german = run(kWorkedExample, "--csv", "LC_ALL= LC_MESSAGES= LANG=de_DE.UTF-8");
    ASSERT_EQ(german.status, 0) << german.err;
    EXPECT_EQ(german.out.rfind("Nr.;Bezeichnung;", 0), 0u) << german.out;
    const CommandRun english = run(kWorkedExample, "--csv", "LC_ALL=en_GB.UTF-8");
    EXPECT_EQ(english.out.rfind("No.;Designation;", 0), 0u) << english.out;

    const std::filesystem::path elsewhere = folder.path() / "elsewhere";
    std::filesystem::create_directory(elsewhere);
    writeFile(folder.path() / "branch.csv", kWorkedExample);
    const CommandRun found = runIn(elsewhere, "LC_ALL=C REZU_WORKDIR='" + folder.path().string() +
                                                  "' HOME=/nonexistent '" ARVELO_SIZE_PATH
                                                  "' branch ../branch.csv --csv");
    ASSERT_EQ(found.status, 0) << found.err;
    EXPECT_NE(found.out.find("Index circuit;3 P3"), std::string::npos) << found.out;
}

TEST_F(BranchCommand, RefusesAFolderAndAnEndlessLine)
{
    std::filesystem::create_directory(folder.path() / "circuits");
    const CommandRun directory = runIn(folder.path(), "'" ARVELO_SIZE_PATH "' branch circuits");
    EXPECT_EQ(directory.status, 1);
    EXPECT_EQ(directory.err, "arvelo-size branch: circuits is a folder, not a circuits file\n");
    const CommandRun endless = runIn(folder.path(), "'" ARVELO_SIZE_PATH "' branch /dev/zero");
    EXPECT_EQ(endless.status, 1);
    EXPECT_EQ(endless.err, "arvelo-size branch: /dev/zero: line 1: longer than 4096 bytes; a circuit line is far "
                           "shorter\n");
}

// The four fixed-orifice circuits C1..C4 (riser, circuit loss, flow: 2/12/0,5,
// 3/8/0,3, 4/15/0,4, 2/5/0,2). With the catalogue's orifice of Kvs 10,
// 0,2 l/s reads (36 x 0,2 / 10)^2 = 0,52 kPa, below the lower orifice bound
// of 1 kPa: no valve carries C4. The result says so, gives no pump head and
// exits 1; C4's warning names the Kv it would need at the drop left for it,
// 27,24 - 11 - 5 = 11,24 kPa: 7,2 / sqrt(11,24) = 2,15.
const std::string kFourCircuits = "designation;flow;flow_unit;circuit_loss;riser_loss;pressure_unit;kind\n"
                                  "C1;0,5;l/s;12;2;kPa;fixed\n"
                                  "C2;0,3;l/s;8;3;kPa;fixed\n"
                                  "C3;0,4;l/s;15;4;kPa;fixed\n"
                                  "C4;0,2;l/s;5;2;kPa;fixed\n";

TEST_F(BranchCommand, AResultWithoutACircuitsValveIsIncomplete)
{
    const std::string incomplete = "Result incomplete: no valve carries the flow of circuit 4 C4; no pump head.";
    const CommandRun text = run(kFourCircuits, "--pressure-unit kPa");
    EXPECT_EQ(text.status, 1);
    EXPECT_EQ(text.out.find("Pump head"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("\n" + incomplete + "\n"), std::string::npos) << text.out;
    EXPECT_NE(text.out.find("(Kv required: 2,15)"), std::string::npos)
        << text.out;
    EXPECT_EQ(text.err, "arvelo-size branch: " + incomplete + "\n");

    const CommandRun json = run(kFourCircuits, "--pressure-unit kPa --json --svg chart.svg");
    EXPECT_EQ(json.status, 1);
    EXPECT_EQ(json.err, "arvelo-size branch: " + incomplete + " chart.svg was not written\n");
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "chart.svg"));
    const nlohmann::json object = nlohmann::json::parse(json.out);
    EXPECT_EQ(object["complete"], false);
    EXPECT_EQ(object["pump_head"], nullptr);
    EXPECT_EQ(object["index_circuit"], nullptr);
    EXPECT_EQ(object["unsized"], nlohmann::json::array({4}));
    EXPECT_EQ(object["incomplete"], incomplete);
    EXPECT_NEAR(object["circuits"][3]["kv_required"].get<double>(), 2.1476, 1e-4);
}

// The worked example of the core tests with pipe sections, water at 60 C
// (983,20 kg/m3, 0,4740 mm2/s), k 0,045 mm, each section carrying the
// circuits beyond it:
//   section  L m  d mm  zeta  Q l/s  w m/s   Re     lambda   loss kPa
//   1        20   41,9   2    1,3    0,9428  83341  0,02281  5,63
//   2        10   36,0   1    0,8    0,7860  59692  0,02416  2,34
//   3        10   27,3   0    0,5    0,8542  49197  0,02572  3,38
// S_3 = 11,35; C3 is the index: 11,35 + 12 + 5,0625 (AQ-025 fully open at
// 0,5 l/s) = 28,41 kPa at 1,3 l/s.
TEST_F(BranchCommand, ComputesTheRiserLossesFromThePipes)
{
    const std::string file = "designation;flow;flow_unit;circuit_loss;pressure_unit;kind;pipe_length_m;"
                             "pipe_inner_diameter_mm;pipe_roughness_mm;pipe_zeta\n"
                             "C1;0,5;l/s;10;kPa;fixed;20;41,9;;2\n"
                             "C2;0,3;l/s;8;kPa;variable;10;36;0,045;1\n"
                             "C3;0,5;l/s;12;kPa;fixed;10;27,3;;\n";
    const CommandRun result = run(file, "--pressure-unit kPa --json");
    ASSERT_EQ(result.status, 0) << result.err;
    const nlohmann::json json = nlohmann::json::parse(result.out);
    EXPECT_EQ(json["complete"], true);
    EXPECT_EQ(json["total_flow"], 1.3);
    // The figures worked by hand in branch_pipes_test.cpp, to the digits
    // JSON carries, and as printed with three significant digits.
    const struct {
        double flow, velocity, loss, riserUpTo;
        const char* velocityText;
    } expected[] = {{1.3, 0.9428, 5.6312, 5.6312, "0,943"},
                    {0.8, 0.7860, 2.3420, 7.9732, "0,786"},
                    {0.5, 0.8542, 3.3791, 11.3524, "0,854"}};
    for (std::size_t i = 0; i < 3; ++i) {
        SCOPED_TRACE(i);
        const auto& circuit = json["circuits"][i];
        EXPECT_NEAR(circuit["section_flow"].get<double>(), expected[i].flow, 1e-6);
        EXPECT_NEAR(circuit["velocity"].get<double>(), expected[i].velocity, 1e-4);
        EXPECT_NEAR(circuit["section_loss"].get<double>(), expected[i].loss, 2e-4);
        EXPECT_NEAR(circuit["riser_loss_to_take_off"].get<double>(), expected[i].riserUpTo, 3e-4);
        EXPECT_EQ(circuit["texts"]["velocity"], expected[i].velocityText);
    }
    EXPECT_NEAR(json["pump_head"].get<double>(), 28.4149, 2e-3);
    EXPECT_EQ(json["index_circuit"], 3);

    // A warning at a lower velocity limit; glycol mixtures are refused.
    const CommandRun slow = run(file, "--pressure-unit kPa --velocity-limit 0,9 --csv");
    EXPECT_NE(slow.out.find("Velocity above 0,900 m/s"), std::string::npos) << slow.out;
    const CommandRun glycol = run(file, "--fluid 3");
    EXPECT_EQ(glycol.status, 1);
    EXPECT_EQ(glycol.err, "arvelo-size branch: branch.csv: pipe sections are computed for water (--fluid 0) only: "
                          "no trustworthy viscosity of this fluid is known here; give riser_loss instead\n");
}

// A control valve of Kvs 4 at 0,5 l/s takes (18 / 4)^2 = 20,25 kPa; the
// head is 4 + 10 + 20,25 + 5,06 = 39,31 and its authority 20,25 / 35,31 = 0,57.
TEST_F(BranchCommand, AddsTheControlValvesDropAndPrintsItsAuthority)
{
    const std::string file = "designation;flow;flow_unit;circuit_loss;riser_loss;pressure_unit;kind;control_valve_kvs\n"
                             "A;0,5;l/s;10;4;kPa;fixed;4\n";
    const CommandRun result = run(file, "--pressure-unit kPa --json");
    ASSERT_EQ(result.status, 0) << result.err;
    const nlohmann::json json = nlohmann::json::parse(result.out);
    EXPECT_NEAR(json["circuits"][0]["control_valve_dp"].get<double>(), 20.25, 1e-4);
    EXPECT_NEAR(json["circuits"][0]["authority"].get<double>(), 20.25 / 35.3125, 1e-5);
    EXPECT_EQ(json["circuits"][0]["texts"]["authority"], "0,573");
    EXPECT_NEAR(json["pump_head"].get<double>(), 39.3125, 1e-4);
}

} // namespace
