// The arvelo-size program itself: exit status, the one-line errors and the
// JSON it prints, run in a working folder like a user would.

#include "tests/cli/cli_catalogue.h"
#include "tests/support/file_bytes.h"
#include "tests/support/fixture_db.h"
#include "tests/support/temp_folder.h"

#include <nlohmann/json.hpp>

#include <QString>
#include <QXmlStreamReader>

#include <gtest/gtest.h>

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

// Runs the program in folder with the arguments (already quoted for the shell).
ProgramRun arveloSize(const std::filesystem::path& folder, const std::string& arguments)
{
    const std::filesystem::path errFile = folder / "stderr.txt";
    const std::string command = "cd " + quoted(folder.string()) + " && " + quoted(ARVELO_SIZE_PATH) + " " + arguments +
                                " 2>" + quoted(errFile.string());
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
                                              "result3", "details", "fields"}));
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

struct TextOutputCase {
    const char* arguments;
    const char* resultLines; // between the status line and the details
};

TEST(ArveloSize, TextOutputCaptionsEachShownResultAsTheWindowDoes)
{
    TempFolder folder;
    writeCliCatalogue(folder.path());
    const TextOutputCase cases[] = {
        {"fixed --flow 0,5 --dp 100",
         "status: Baureihe\nVoreinstellung: 3,70\nKv-Wert: 5,70\nÖffnung (%): 46,25\ndetails:\n"},
        {"fixed-check --dp 25 --pick 0 --pressure-unit kPa --flow-unit m3/h",
         "status: Baureihe\nDurchflussmenge (m3/h): 5,00\ndetails:\n"},
        {"picv --flow 0,5 --language 6 --pressure-unit kPa",
         "status: Серия\nПреднастройка: 0,50\nРасход (l/s): 0,50\nМин. dP (kPa): 20,00\ndetails:\n"},
        {"picv-check --flow 0,5 --dp 250 --pick 0 --language 1",
         "status: Type series\nFlow rate (l/s): OK\ndetails:\n"},
        {"dpcv --flow 1 --dp 100", "status: Baureihe\ndetails:\n"},
    };
    for (const TextOutputCase& c : cases) {
        const ProgramRun run = arveloSize(folder.path(), c.arguments);
        ASSERT_EQ(run.status, 0) << c.arguments << ": " << run.err;
        EXPECT_NE(run.out.find(c.resultLines), std::string::npos) << c.arguments << ":\n" << run.out;
        EXPECT_EQ(run.out.find("result"), std::string::npos) << c.arguments << ":\n" << run.out;
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
    EXPECT_NE(run.out.find("status: Type series\n"), std::string::npos) << run.out;
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
        {"fixed --db other.db", "arvelo-size: no catalogue database at other.db\n"},
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

// What a test needs of the curve picture: the curve's vertices, the marked
// point, the texts and where each text stands.
struct CurvePicture {
    std::vector<std::pair<double, double>> curve;
    std::pair<double, double> marked{-1.0, -1.0};
    std::map<std::string, double> textX;
    std::string label;
    bool parsed = false;
};

CurvePicture readCurvePicture(const std::string& svg)
{
    CurvePicture picture;
    QXmlStreamReader reader(QByteArray::fromStdString(svg));
    bool inLabel = false;
    while (!reader.atEnd()) {
        reader.readNext();
        if (reader.isEndElement() && reader.name() == u"g")
            inLabel = false;
        if (!reader.isStartElement())
            continue;
        const QXmlStreamAttributes attributes = reader.attributes();
        const QString id = attributes.value("id").toString();
        if (reader.name() == u"polyline" && id == "curve") {
            for (const QString& pair : attributes.value("points").toString().split(' ', Qt::SkipEmptyParts))
                picture.curve.emplace_back(pair.section(',', 0, 0).toDouble(), pair.section(',', 1, 1).toDouble());
        } else if (reader.name() == u"circle" && id == "operating-point") {
            picture.marked = {attributes.value("cx").toDouble(), attributes.value("cy").toDouble()};
        } else if (reader.name() == u"g" && id == "operating-label") {
            inLabel = true;
        } else if (reader.name() == u"text") {
            const double x = attributes.value("x").toDouble();
            const std::string text = reader.readElementText().toStdString();
            picture.textX[text] = x;
            if (inLabel)
                picture.label += text + "\n";
        }
    }
    picture.parsed = !reader.hasError();
    return picture;
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

TEST(ArveloSize, AMissingDatabaseCreatesNothing)
{
    TempFolder folder;
    const ProgramRun run = arveloSize(folder.path(), "picv --flow 1");
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.err, "arvelo-size: no catalogue database at DB/mvd.db\n");
    EXPECT_TRUE(std::filesystem::is_empty(folder.path())) << "no DB, DataLog or Export folder";
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
