// The arvelo-size program itself: exit status, the one-line errors and the
// JSON it prints, run in a working folder like a user would.

#include "tests/cli/cli_catalogue.h"
#include "tests/qt/support/curve_picture.h"
#include "tests/support/file_bytes.h"
#include "tests/support/fixture_db.h"
#include "tests/support/temp_folder.h"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <fstream>
#include <map>
#include <sstream>
#include <sys/wait.h>

namespace {

struct ProgramRun {
    int status = -1;
    std::string out;
    std::string err;
};

std::string quoted(const std::string& text)
{
    std::string result = "'";
    for (const char c : text)
        result += c == '\'' ? std::string("'\\''") : std::string(1, c);
    return result + "'";
}

// A German user's environment whose home holds no catalogue: the place
// and the language come from the test alone.
const std::string kGermanUser = "LANG=de_DE.UTF-8";

// Runs the program in folder with the arguments (already quoted for the
// shell), HOME set to the folder and the locale and working-folder variables
// cleared but for the assignments in environment.
ProgramRun arveloSize(const std::filesystem::path& folder, const std::string& arguments,
                      const std::string& environment = kGermanUser)
{
    const std::filesystem::path errFile = folder / "stderr.txt";
    const std::string command = "cd " + quoted(folder.string()) +
                                " && env -u LC_ALL -u LC_MESSAGES -u LANG -u REZU_WORKDIR HOME=" +
                                quoted(folder.string()) + " " + environment + " " + quoted(ARVELO_SIZE_PATH) + " " +
                                arguments + " 2>" + quoted(errFile.string());
    ProgramRun run;
    FILE* pipe = popen(command.c_str(), "r");
    if (!pipe)
        return run;
    char buffer[4096];
    for (std::size_t n; (n = std::fread(buffer, 1, sizeof buffer, pipe)) > 0;)
        run.out.append(buffer, n);
    const int status = pclose(pipe);
    run.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    std::ifstream err(errFile);
    std::ostringstream text;
    text << err.rdbuf();
    run.err = text.str();
    std::filesystem::remove(errFile);
    return run;
}

TEST(ArveloSize, PrintsTheResultsAsOneJsonObject)
{
    TempFolder folder;
    writeCliCatalogue(folder.path());
    const ProgramRun run = arveloSize(folder.path(), "fixed --flow 0,5 --dp 100 --json");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto result = nlohmann::ordered_json::parse(run.out);
    std::vector<std::string> keys;
    for (const auto& item : result.items())
        keys.push_back(item.key());
    EXPECT_EQ(keys, (std::vector<std::string>{"view", "found", "chosen", "candidates", "status", "result1", "result2",
                                              "result3", "details", "fields", "duty", "results", "verdict",
                                              "warnings", "details_lines"}));
    EXPECT_EQ(result["found"], true);
    EXPECT_EQ(result["chosen"], 0);
    EXPECT_EQ(result["candidates"][0],
              (nlohmann::ordered_json{{"model", "Arvelo Quarz"}, {"code", "AQ-025"}, {"size", "DN 25"}}));
    EXPECT_EQ(result["result3"], "46,25");
    EXPECT_EQ(result["details"], "Materialnummer:\r\n\r\nAQ-025\r\n\r\n\r\nNennweite:\r\n\r\nDN 25");
    EXPECT_EQ(result["fields"], nlohmann::ordered_json::parse(R"json([{"label":"Voreinstellung","value":"3,70"},
                                                                       {"label":"Kv-Wert","value":"5,70"},
                                                                       {"label":"Öffnung (%)","value":"46,25"}])json"));
}

TEST(ArveloSize, JsonFieldsLeaveOutWhatTheViewHides)
{
    TempFolder folder;
    writeCliCatalogue(folder.path());
    const ProgramRun check = arveloSize(folder.path(), "picv-check --flow 0,5 --dp 150 --pick 0 --json");
    ASSERT_EQ(check.status, 0) << check.err;
    EXPECT_EQ(nlohmann::json::parse(check.out)["fields"],
              nlohmann::json::parse(R"json([{"label":"Durchflussmenge (l/s)","value":"dP nicht ausreichend"}])json"));
    const ProgramRun controller = arveloSize(folder.path(), "dpcv --flow 1 --dp 100 --json");
    ASSERT_EQ(controller.status, 0) << controller.err;
    EXPECT_EQ(nlohmann::json::parse(controller.out)["fields"], nlohmann::json::array());
}

// What scripts read: the old fields as texts, the added ones as numbers with
// their units beside them, the duty echoed, the details as lines.
TEST(ArveloSize, JsonGivesNumbersAsNumbersWithTheirUnits)
{
    TempFolder folder;
    writeCliCatalogue(folder.path());
    const ProgramRun run = arveloSize(folder.path(), "picv --flow 0.5 --pressure-unit kpa --json");
    ASSERT_EQ(run.status, 0) << run.err;
    const auto result = nlohmann::json::parse(run.out);
    EXPECT_TRUE(result["result1"].is_string());
    EXPECT_EQ(result["duty"], nlohmann::json::parse(R"json({"view":"picv","flow":0.5,"flow_unit":"l/s","dp":null,
        "pressure_unit":"kPa","fluid":0,"fluid_name":"Wasser","pick":null})json"));
    EXPECT_EQ(result["results"], nlohmann::json::parse(R"json({"presetting":{"value":0.5,"unit":""},
        "flow":{"value":0.5,"unit":"l/s"},"dp_min":{"value":20.0,"unit":"kPa"}})json"));
    for (const auto& [name, number] : result["results"].items())
        EXPECT_TRUE(number["value"].is_number_float()) << name;
    EXPECT_EQ(result["verdict"], "Ventil gefunden");
    EXPECT_EQ(result["warnings"], nlohmann::json::array());
    EXPECT_EQ(result["details_lines"], nlohmann::json::parse(R"json(["Mat.-Nr.:","AF-1","Nennweite:","DN 20",
        "Durchflussbereich (l/s):","0,10 - 1,00"])json"));

    // The figures as computed, not their texts: 0,5 l/s at 100 mbar needs
    // Kv 36 x 0,5 / sqrt(10) = 5,692100 (the text says 5,69).
    const ProgramRun fixed = arveloSize(folder.path(), "fixed --flow 0,5 --dp 100 --json");
    ASSERT_EQ(fixed.status, 0) << fixed.err;
    const auto sized = nlohmann::json::parse(fixed.out)["results"];
    EXPECT_DOUBLE_EQ(sized["kv_required"]["value"].get<double>(), 5.69210);

    const ProgramRun none = arveloSize(folder.path(), "fixed --flow 0,5 --dp 0 --json");
    ASSERT_EQ(none.status, 0) << none.err;
    const auto nothing = nlohmann::json::parse(none.out);
    EXPECT_TRUE(nothing["results"]["kv"]["value"].is_null()) << "--- is no number";
    EXPECT_EQ(nothing["result2"], "---");
    EXPECT_EQ(nothing["verdict"], "Kein Ventil passt");
}

struct TextOutputCase {
    const char* arguments;
    const char* resultLines; // from the chosen valve on
};

TEST(ArveloSize, TextOutputCaptionsEachShownResultAsTheWindowDoes)
{
    TempFolder folder;
    writeCliCatalogue(folder.path());
    const TextOutputCase cases[] = {
        {"fixed --flow 0,5 --dp 100",
         "Auslegung - Statisches Strangregulierventil: Arvelo Quarz (fixed)\n"
         "  Durchflussmenge (l/s): 0,5\n  dP Ventil (mbar): 100\n  Medium: Wasser\n\n"
         "* 0  Arvelo Quarz | AQ-025 | DN 25\n  1  Arvelo Quarz | AQ-032 | DN 32\n\n"
         "Baureihe: Arvelo Quarz\n  Materialnummer: AQ-025\n  Nennweite: DN 25\n"
         "Voreinstellung: 3,70\nKv-Wert (m³/h): 5,70 (erforderlich: 5,69)\nÖffnung (%): 46,25\n\n"
         "Ventil gefunden\n"},
        {"fixed-check --dp 25 --pick 0 --pressure-unit kPa --flow-unit m3/h",
         "  Gemessener dP (kPa): 25\n  Medium: Wasser\n\n"},
        {"fixed-check --dp 25 --pick 0 --pressure-unit kPa --flow-unit m3/h",
         "Nennweite: DN 25\nDurchflussmenge (m3/h): 5,00\n\nVentil gefunden\n"},
        {"picv --flow 0,5 --language 6 --pressure-unit kPa",
         "Преднастройка: 0,50\nРасход (l/s): 0,50\nМин. dP (kPa): 20,00\n\nКлапан найден\n"},
        {"picv-check --flow 0,5 --dp 250 --pick 0 --language 1",
         "Commissioning - Pressure-independent control valve: Arvelo Flumen (picv-check)\n"
         "  Presetting: 0,5\n  Measured dP (mbar): 250\n"},
        {"picv-check --flow 0,5 --dp 250 --pick 0 --language 1", "dP Min (mbar): 200,00\n\ndP sufficient\n"},
        {"picv-check --flow 0,5 --dp 150 --pick 0 --language 4",
         "dP min. (mbar): 200,00\n\ndP insuffisant\n"},
        {"dpcv --flow 1 --dp 100", "Durchflussbereich (l/s): 0,10 - 2,00\n\nVentil gefunden\n"},
        {"fixed --flow 0,5 --dp 0", "Öffnung (%): ---\n\nKein Ventil passt\n"},
    };
    for (const TextOutputCase& c : cases) {
        const ProgramRun run = arveloSize(folder.path(), c.arguments);
        ASSERT_EQ(run.status, 0) << c.arguments << ": " << run.err;
        EXPECT_NE(run.out.find(c.resultLines), std::string::npos) << c.arguments << ":\n" << run.out;
        EXPECT_EQ(run.out.find("result"), std::string::npos) << c.arguments << ":\n" << run.out;
        EXPECT_EQ(run.out.find("status"), std::string::npos) << c.arguments << ":\n" << run.out;
    }
}

TEST(ArveloSize, PrintsCandidatesWithTheChosenOneMarked)
{
    TempFolder folder;
    writeCliCatalogue(folder.path());
    const ProgramRun run = arveloSize(folder.path(), "dpcv --flow 1 --dp 100 --pick 1 --language 1");
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find("  0  Arvelo Statra-A | AS-1 | DN 25\n* 1  Arvelo Statra-B | AS-2 | DN 25\n"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("\nType series: Arvelo Statra-B\n"), std::string::npos) << run.out;
}

TEST(ArveloSize, RunsABatchFileIntoAnOutputFile)
{
    TempFolder folder;
    writeCliCatalogue(folder.path());
    std::ofstream(folder.path() / "duties.csv") << "view;flow;dp\nfixed;0,5;100\npicv;x;\n";
    const ProgramRun run = arveloSize(folder.path(), "--batch duties.csv --out results.jsonl --json");
    EXPECT_EQ(run.status, 1) << "one line failed";
    std::ifstream results(folder.path() / "results.jsonl");
    std::string first, second;
    std::getline(results, first);
    std::getline(results, second);
    EXPECT_EQ(nlohmann::json::parse(first)["result1"], "3,70");
    EXPECT_EQ(nlohmann::json::parse(second)["error"],
              "line 3: flow 'x' is not a number (digits with a decimal comma or point)");
}

struct BatchFileCase {
    const char* name;
    std::string duties;    // the duty file's bytes
    std::string arguments; // besides --batch duties.csv
    int status;
    const char* errorPart; // of standard error
};

// The duty file is read and checked before anything is written, and the
// output is replaced whole or not at all: neither the duties nor an earlier
// result file are ever lost.
TEST(ArveloSize, ABatchRunNeverDestroysItsFiles)
{
    TempFolder folder;
    writeCliCatalogue(folder.path());
    const std::string goodDuties = "view;flow;dp\nfixed;0,5;100\n";
    const std::string earlier = "earlier results\n";
    const BatchFileCase cases[] = {
        {"the same name", goodDuties, "--out duties.csv", 1, "--out duties.csv is the duty file itself"},
        {"another spelling", goodDuties, "--out ./sub/../duties.csv", 1, "is the duty file itself"},
        {"a hard link", goodDuties, "--out linked.csv", 1, "is the duty file itself"},
        {"a symbolic link", goodDuties, "--out symlinked.csv", 1, "is the duty file itself"},
        {"a header typo", "view;flwo\nfixed;1\n", "--out results.csv", 1,
         "duties.csv: line 1: unknown column 'flwo' (columns: view, flow, dp, pick, flow_unit, pressure_unit, fluid); "
         "results.csv was not written"},
        {"UTF-16", std::string("\xFF\xFEv\0i\0e\0w\0\n\0", 12), "--out results.csv", 1,
         "the duty file is UTF-16 (it starts with a UTF-16 byte-order mark); save it as UTF-8"},
        {"an endless header", std::string(5000, ';') + "\nfixed\n", "--out results.csv", 1,
         "duties.csv: line 1: longer than 4096 bytes"},
        {"an empty file", "", "--out results.csv", 1, "the duty file is empty"},
    };
    for (const BatchFileCase& c : cases) {
        std::filesystem::remove_all(folder.path() / "sub");
        std::filesystem::create_directory(folder.path() / "sub");
        for (const char* name : {"linked.csv", "symlinked.csv"})
            std::filesystem::remove(folder.path() / name);
        std::ofstream(folder.path() / "duties.csv", std::ios::binary) << c.duties;
        std::ofstream(folder.path() / "results.csv", std::ios::binary) << earlier;
        std::filesystem::create_hard_link(folder.path() / "duties.csv", folder.path() / "linked.csv");
        std::filesystem::create_symlink("duties.csv", folder.path() / "symlinked.csv");

        const ProgramRun run = arveloSize(folder.path(), "--batch duties.csv " + c.arguments);
        EXPECT_EQ(run.status, c.status) << c.name;
        EXPECT_NE(run.err.find(c.errorPart), std::string::npos) << c.name << ": " << run.err;
        EXPECT_EQ(fileBytes(folder.path() / "duties.csv"), c.duties) << c.name;
        EXPECT_EQ(fileBytes(folder.path() / "results.csv"), earlier) << c.name;
    }

    std::ofstream(folder.path() / "duties.csv", std::ios::binary) << goodDuties;
    const ProgramRun run = arveloSize(folder.path(), "--batch duties.csv --out results.csv");
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_NE(fileBytes(folder.path() / "results.csv").find("\n2;fixed;1;0;Arvelo Quarz;AQ-025"), std::string::npos);
}

// A presetting the valve does not have is refused with its scale: AF-1's
// runs from 0 to 5, and the empty columns beyond it read as 0 kPa, which
// passed any measured pressure as sufficient.
TEST(ArveloSize, PicvCheckRefusesAPresettingOffTheValvesScale)
{
    TempFolder folder;
    writeCliCatalogue(folder.path());
    for (const char* presetting : {"5,5", "5,05"}) {
        const ProgramRun run = arveloSize(folder.path(), std::string("picv-check --flow ") + presetting +
                                                             " --dp 250 --pick 0");
        EXPECT_EQ(run.status, 1) << presetting;
        EXPECT_EQ(run.out, "") << presetting;
        EXPECT_EQ(run.err, "arvelo-size: presetting " + std::string(presetting == std::string("5,5") ? "5,50" : presetting) +
                               " is off the scale of AF-1, 0,00 to 5,00\n");
    }
    const ProgramRun atTheEnd = arveloSize(folder.path(), "picv-check --flow 5 --dp 250 --pick 0 --language 1");
    EXPECT_EQ(atTheEnd.status, 0) << atTheEnd.err;
    EXPECT_NE(atTheEnd.out.find("No minimum dP is known for this presetting"), std::string::npos) << atTheEnd.out;
}

// Text read from a file or typed is shown with its control characters
// escaped: a duty file cannot rewrite the terminal through a message.
TEST(ArveloSize, MessagesShowControlCharactersEscaped)
{
    TempFolder folder;
    writeCliCatalogue(folder.path());
    std::ofstream(folder.path() / "duties.csv", std::ios::binary)
        << "view;\x1b[2J\x1b]0;owned\x07\n"
        << "fixed\n";
    ProgramRun run = arveloSize(folder.path(), "--batch duties.csv");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "arvelo-size: duties.csv: line 1: unknown column '\\x1b[2J\\x1b]0' (columns: view, flow, dp, "
                       "pick, flow_unit, pressure_unit, fluid)\n");

    std::ofstream(folder.path() / "duties.csv", std::ios::binary)
        << "view;flow\n"
        << "fixed;\x1b[31m\xC2\x9B" "1\n"
        << "fixed;" << std::string(20000, ';') << "\n"
        << "fixed;0,5\n";
    run = arveloSize(folder.path(), "--batch duties.csv --json");
    EXPECT_EQ(run.status, 1);
    std::istringstream lines(run.out);
    std::vector<std::string> errors;
    for (std::string line; std::getline(lines, line);)
        errors.push_back(nlohmann::json::parse(line).value("error", ""));
    ASSERT_EQ(errors.size(), 3u) << run.out;
    EXPECT_EQ(errors[0], "line 2: flow '\\x1b[31m\\u009b1' is not a number (digits with a decimal comma or point)");
    EXPECT_EQ(errors[1], "line 3: longer than 4096 bytes; a duty line is far shorter");
    EXPECT_EQ(errors[2], "") << "the lines after a long one go on";

    run = arveloSize(folder.path(), "\"$(printf 'fixed\\033[1A')\" --flow 1");
    EXPECT_EQ(run.err, "arvelo-size: unknown view 'fixed\\x1b[1A' (one of: fixed, fixed-check, variable, picv, "
                       "picv-check, dpcv)\n");
}

struct BeyondFloatCase {
    std::string arguments;
    bool found;
    const char* result;
    const char* shown;
};

// Numbers typed beyond the float range: too small reads as 0, too large
// gives the no-result state instead of "inf" or a verdict.
TEST(ArveloSize, NumbersBeyondTheFloatRangeShowNoInfinity)
{
    TempFolder folder;
    writeCliCatalogue(folder.path());
    const std::string huge = "1" + std::string(40, '0');
    const BeyondFloatCase cases[] = {
        {"fixed --flow " + huge + " --dp 100", false, "result1", "---"},
        {"fixed-check --dp " + huge + " --pick 0", false, "result2", "---"},
        {"fixed-check --dp 0," + std::string(400, '0') + "1 --pick 0", true, "result2", "0,00"},
        {"picv-check --flow 0,5 --dp " + huge + " --pick 0", false, "result2", "---"},
        {"dpcv --flow 1 --dp " + huge, false, "result1", ""},
    };
    for (const BeyondFloatCase& c : cases) {
        const ProgramRun run = arveloSize(folder.path(), c.arguments + " --json");
        ASSERT_EQ(run.status, 0) << run.err;
        const auto result = nlohmann::json::parse(run.out);
        EXPECT_EQ(result["found"], c.found) << c.arguments.substr(0, 40);
        EXPECT_EQ(result[c.result], c.shown) << c.arguments.substr(0, 40);
    }
}

struct BadInputCase {
    const char* arguments;
    const char* error;
};

TEST(ArveloSize, BadInputGivesOneLineAndAFailureStatus)
{
    TempFolder folder;
    writeCliCatalogue(folder.path());
    const BadInputCase cases[] = {
        {"valve", "arvelo-size: unknown view 'valve' (one of: fixed, fixed-check, variable, picv, picv-check, dpcv)\n"},
        {"fixed --flow-unit gallons",
         "arvelo-size: unknown flow unit 'gallons' (one of: kg/s, Kg/h, l/s, l/min, l/h, m3/s, m3/h, GPM, In3/min, "
         "Ft3/min)\n"},
        {"fixed --dp 1,0,0", "arvelo-size: dp '1,0,0' is not a number (digits with a decimal comma or point)\n"},
        {"", "arvelo-size: no view given (one of: fixed, fixed-check, variable, picv, picv-check, dpcv), and no --batch "
             "file\n"},
        {"--batch missing.csv", "arvelo-size: cannot read the duty file missing.csv\n"},
        {"fixed --db other.db",
         "arvelo-size: no catalogue database at other.db; make one with 'arvelo-catalogue other.db'\n"},
        {"fixed --out results.csv", "arvelo-size: --out requires --batch\n"},
        {"fixed --pick first", "arvelo-size: Could not convert: --pick = first\n"},
        {"fixed --fluid 1,5", "arvelo-size: Could not convert: --fluid = 1,5\n"},
        {"fixed --language -1",
         "arvelo-size: language '-1' is not 0 to 6 (0 Italian, 1 English, 2 Spanish, 3 German, 4 French, 5 Swedish, "
         "6 Russian)\n"},
    };
    for (const BadInputCase& c : cases) {
        const ProgramRun run = arveloSize(folder.path(), c.arguments);
        EXPECT_NE(run.status, 0) << c.arguments;
        EXPECT_EQ(run.err, c.error) << c.arguments;
        EXPECT_EQ(run.out, "") << c.arguments;
    }
    EXPECT_NE(arveloSize(folder.path(), "fixed --pick").status, 0);
}

TEST(ArveloSize, WritesThePresettingCurveWithTheOperatingPointOnIt)
{
    TempFolder folder;
    writeCliCatalogue(folder.path());
    const ProgramRun run = arveloSize(folder.path(), "fixed --flow 0,5 --dp 100 --curve curve.svg");
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string svg = fileBytes(folder.path() / "curve.svg");
    const CurvePicture picture = readCurvePicture(svg);
    ASSERT_TRUE(picture.parsed) << svg;
    EXPECT_EQ(picture.label, "Voreinstellung 3,70\nKv-Wert 5,70 (m³/h)\n");

    // The mark is a vertex of the curve, at 3,70 on the presetting axis as
    // its tick labels place it.
    bool onCurve = false;
    for (const auto& [x, y] : picture.curve)
        onCurve = onCurve || (std::abs(x - picture.marked.first) < 0.01 && std::abs(y - picture.marked.second) < 0.01);
    EXPECT_TRUE(onCurve) << svg;
    ASSERT_TRUE(picture.textX.count("3,5") && picture.textX.count("4,0")) << svg;
    const double expectedX = picture.textX.at("3,5") + (3.7 - 3.5) / 0.5 * (picture.textX.at("4,0") - picture.textX.at("3,5"));
    EXPECT_NEAR(picture.marked.first, expectedX, 0.05);
    for (const char* caption : {"Voreinstellung", "Kv-Wert (m³/h)"})
        EXPECT_TRUE(picture.textX.count(caption)) << caption;
}

TEST(ArveloSize, WritesNoCurveWithoutAChosenValve)
{
    TempFolder folder;
    writeCliCatalogue(folder.path());
    for (const char* arguments : {"dpcv --flow 0,5 --dp 100 --curve curve.svg", "fixed --flow 900 --dp 1 --curve curve.svg"}) {
        const ProgramRun run = arveloSize(folder.path(), arguments);
        EXPECT_EQ(run.status, 1) << arguments;
        EXPECT_EQ(run.err, "arvelo-size: no valve with a presetting curve was chosen; curve.svg was not written\n")
            << arguments;
        EXPECT_FALSE(std::filesystem::exists(folder.path() / "curve.svg")) << arguments;
    }
}

// A catalogue value beyond single precision would put "inf" into the
// picture: no file, a reason, and a failed run.
TEST(ArveloSize, ACurveThatCannotBeDrawnIsNotWritten)
{
    TempFolder folder;
    writeCliCatalogue(folder.path());
    fixture::execute(folder.path() / "DB" / "mvd.db", "UPDATE preset SET p38 = 1e308 WHERE codice_tecnico = 'AQ-025'");
    const ProgramRun run = arveloSize(folder.path(), "fixed --flow 0,5 --dp 100 --curve curve.svg");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "arvelo-size: the presetting curve of Arvelo Quarz DN 25 (AQ-025) cannot be drawn: the catalogue "
                       "holds values for it that are not finite numbers or too large\n");
    EXPECT_FALSE(std::filesystem::exists(folder.path() / "curve.svg"));
}

TEST(ArveloSize, HelpNamesTheWholeNumberOptionsAsIntegers)
{
    TempFolder folder;
    const ProgramRun run = arveloSize(folder.path(), "--help");
    EXPECT_EQ(run.status, 0);
    for (const char* option : {"--pick INT", "--fluid INT", "--language INT"})
        EXPECT_NE(run.out.find(option), std::string::npos) << option << " in\n" << run.out;
}

TEST(ArveloSize, AMissingDatabaseCreatesNothingAndSaysWhereToPutOne)
{
    TempFolder folder;
    const std::string home = folder.path().string();
    const ProgramRun run = arveloSize(folder.path(), "picv --flow 1", "REZU_WORKDIR=/nowhere/rezu");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "arvelo-size: no catalogue database found (tried /nowhere/rezu/DB/mvd.db, " + home +
                           "/ArveloRezu/DB/mvd.db, DB/mvd.db); start arvelo-rezu once, or make one with "
                           "'arvelo-catalogue /nowhere/rezu/DB/mvd.db', or name one with --db PATH\n");
    EXPECT_TRUE(std::filesystem::is_empty(folder.path())) << "no DB, DataLog or Export folder";
}

struct SearchOrderCase {
    std::vector<const char*> catalogues; // folders below the test folder holding DB/mvd.db
    const char* environment;
    const char* found; // the folder whose catalogue is read
};

// Without --db: the launcher's working folder (REZU_WORKDIR, else
// ~/ArveloRezu), then DB/mvd.db below the current folder. Each catalogue
// here holds another fixed-orifice valve, so the answer tells which one was
// read.
TEST(ArveloSize, FindsTheCatalogueWhereTheLauncherPutsIt)
{
    TempFolder folder;
    const std::string root = folder.path().string();
    for (const char* place : {"work", "home/ArveloRezu", "current"}) {
        std::filesystem::create_directories(folder.path() / place);
        writeCliCatalogue(folder.path() / place);
        fixture::execute(folder.path() / place / "DB" / "mvd.db",
                         std::string("UPDATE fobv SET codice_tecnico = '") + place + "' WHERE dimensione = 'DN 25';");
    }
    const std::string work = "REZU_WORKDIR=" + root + "/work HOME=" + root + "/home";
    const std::string home = "HOME=" + root + "/home";
    const SearchOrderCase cases[] = {
        {{"work", "home/ArveloRezu", "current"}, "", "work"},
        {{"home/ArveloRezu", "current"}, "", "home/ArveloRezu"},
        {{"current"}, "", "current"},
        {{"work", "current"}, "REZU_WORKDIR=", "current"}, // set but empty: no place
    };
    for (const SearchOrderCase& c : cases) {
        for (const char* place : {"work", "home/ArveloRezu", "current"}) {
            const auto file = folder.path() / place / "DB" / "mvd.db";
            const auto hidden = folder.path() / place / "DB" / "hidden.db";
            const bool wanted = std::find_if(c.catalogues.begin(), c.catalogues.end(), [&](const char* p) {
                                    return std::string(p) == place;
                                }) != c.catalogues.end();
            if (wanted && std::filesystem::exists(hidden))
                std::filesystem::rename(hidden, file);
            if (!wanted && std::filesystem::exists(file))
                std::filesystem::rename(file, hidden);
        }
        const std::string environment = std::string(c.environment) == "" ? work : home + " " + c.environment;
        const ProgramRun run = arveloSize(folder.path() / "current", "fixed --flow 0,5 --dp 100 --json", environment);
        ASSERT_EQ(run.status, 0) << c.found << ": " << run.err;
        EXPECT_NE(run.out.find(std::string("\"code\":\"") + c.found + "\""), std::string::npos) << c.found;
    }
}

struct LocaleCase {
    const char* environment;
    const char* arguments;
    const char* verdict;
};

// The language of the locale's messages category when it is one of the
// seven, else English; --language wins.
TEST(ArveloSize, SpeaksTheLanguageOfTheLocale)
{
    TempFolder folder;
    writeCliCatalogue(folder.path());
    const LocaleCase cases[] = {
        {"", "", "Valve found"},
        {"LANG=C", "", "Valve found"},
        {"LANG=ja_JP.UTF-8", "", "Valve found"},
        {"LANG=it_IT.UTF-8", "", "Valvola trovata"},
        {"LANG=sv_SE", "", "Ventil hittad"},
        {"LANG=de_DE.UTF-8 LC_MESSAGES=fr_FR.UTF-8", "", "Robinet trouvé"},
        {"LC_MESSAGES=fr_FR.UTF-8 LC_ALL=ru_RU.UTF-8", "", "Клапан найден"},
        {"LC_ALL=C LANG=de_DE.UTF-8", "", "Valve found"},
        {"LANG=es_ES@euro", "", "Válvula encontrada"},
        {"LANG=ru_RU.UTF-8", "--language 3", "Ventil gefunden"},
    };
    for (const LocaleCase& c : cases) {
        const ProgramRun run =
            arveloSize(folder.path(), std::string("fixed --flow 0,5 --dp 100 --json ") + c.arguments, c.environment);
        ASSERT_EQ(run.status, 0) << c.environment << ": " << run.err;
        EXPECT_EQ(nlohmann::json::parse(run.out)["verdict"], c.verdict) << c.environment;
    }
}

TEST(ArveloSize, ACheckWithoutAPickIsRefusedAsHelpSays)
{
    TempFolder folder;
    for (const char* view : {"fixed-check", "picv-check", "PICV-check"}) {
        const ProgramRun run = arveloSize(folder.path(), std::string(view) + " --dp 100");
        EXPECT_EQ(run.status, 2) << view;
        EXPECT_NE(run.err.find("calculates for one valve of the candidate list: give its row with --pick N"),
                  std::string::npos)
            << run.err;
        EXPECT_EQ(run.out, "");
    }
}

TEST(ArveloSize, AnswersHelpAndVersionWithoutACatalogue)
{
    TempFolder folder;
    const struct {
        const char* arguments;
        const char* outputPart;
    } cases[] = {
        {"--version", "arvelo-size 2.02.15\n"},
        {"--help", "Usage: arvelo-size [OPTIONS] [view]"},
        {"--help", "picv-check   pressure-independent valve"},
        {"--help", "flow_unit, pressure_unit, fluid"},
        {"--help", "Exit status:"},
    };
    for (const auto& c : cases) {
        const ProgramRun run = arveloSize(folder.path(), c.arguments);
        EXPECT_EQ(run.status, 0) << c.arguments;
        EXPECT_NE(run.out.find(c.outputPart), std::string::npos) << c.arguments << ":\n" << run.out;
        EXPECT_EQ(run.err, "") << c.arguments;
    }
}

} // namespace
