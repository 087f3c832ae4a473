#include "cli/size_session.h"

#include "tests/cli/cli_catalogue.h"
#include "tests/support/fixture_db.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

namespace {

class SizeSessionTest : public testing::Test {
protected:
    void SetUp() override
    {
        writeCliCatalogue(folder.path());
        ASSERT_EQ(session.open(folder.path() / "DB" / "mvd.db"), "");
    }

    SizeOutcome run(const DutyTexts& texts, const RunSettings& settings = {})
    {
        Duty duty;
        EXPECT_EQ(resolveDuty(texts, duty), "");
        SizeOutcome outcome;
        EXPECT_EQ(session.run(duty, settings, outcome), "");
        return outcome;
    }

    TempFolder folder;
    std::ostringstream errors;
    SizeSession session{errors};
};

struct ViewCase {
    DutyTexts duty;
    bool found;
    std::optional<std::size_t> chosen;
    std::size_t candidates;
    const char* result1;
    const char* result2;
    const char* result3;
};

// Start-up units: l/s and mbar; language German.
TEST_F(SizeSessionTest, AnswersEveryView)
{
    const ViewCase cases[] = {
        {{"fixed", "0,5", "100"}, true, 0, 2, "3,70", "5,70", "46,25"},
        {{"fixed-check", "", "250", "0"}, true, 0, 2, "", "1,39", ""},
        {{"variable", "0.5", "100"}, true, 0, 1, "3,50", "5,68", "87,50"},
        {{"picv", "0,5"}, true, 0, 1, "0,50", "0,50", "200,00"},
        {{"picv-check", "0,5", "250", "0"}, true, 0, 1, "", "OK", ""},
        {{"picv-check", "0,5", "150", "0"}, true, 0, 1, "", "dP nicht ausreichend", ""},
        {{"dpcv", "1", "100"}, true, 0, 2, "", "", ""},
        {{"dpcv", "1", "300"}, false, std::nullopt, 0, "", "", ""},
    };
    for (const ViewCase& c : cases) {
        const std::string name = c.duty.view + " " + c.duty.flow + " " + c.duty.dp + " " + c.duty.pick;
        const SizeOutcome outcome = run(c.duty);
        EXPECT_EQ(outcome.view, c.duty.view) << name;
        EXPECT_EQ(outcome.found, c.found) << name;
        EXPECT_EQ(outcome.status, c.found ? "Baureihe" : "keine Baureihe/Nennweite verfügbar") << name;
        EXPECT_EQ(outcome.chosen, c.chosen) << name;
        EXPECT_EQ(outcome.candidates.size(), c.candidates) << name;
        EXPECT_EQ(outcome.result1, c.result1) << name;
        EXPECT_EQ(outcome.result2, c.result2) << name;
        EXPECT_EQ(outcome.result3, c.result3) << name;
    }
    EXPECT_TRUE(errors.str().empty()) << errors.str();
}

TEST_F(SizeSessionTest, DetailsAndCandidatesAsThePanelShowsThem)
{
    const SizeOutcome outcome = run({"dpcv", "1", "100", "1", "", "", ""});
    ASSERT_EQ(outcome.candidates.size(), 2u);
    EXPECT_EQ(outcome.candidates[1].model, "Arvelo Statra-B");
    EXPECT_EQ(outcome.candidates[1].code, "AS-2");
    EXPECT_EQ(outcome.candidates[1].size, "DN 25");
    EXPECT_EQ(outcome.chosen, 1u) << "the picked row";
    EXPECT_EQ(outcome.details,
              "Mat.-Nr.:\r\n\r\nAS-2\r\n\r\n\r\nNennweite:\r\n\r\nDN 25\r\n\r\n\r\nDurchflussbereich (l/s):\r\n\r\n"
              "0,10 - 2,00");
}

TEST_F(SizeSessionTest, SettingsAndUnitsApplyAsTheDialogsWouldSaveThem)
{
    RunSettings settings;
    settings.languageIndex = 1;
    settings.alternative.emplace_back(3, "Arvelo Statra-B");
    settings.preferred.emplace_back(3, "Arvelo Statra-B");
    SizeOutcome outcome = run({"dpcv", "1", "100"}, settings);
    EXPECT_EQ(outcome.chosen, 1u);
    EXPECT_EQ(outcome.status, "Type series");

    outcome = run({"fixed-check", "", "25", "0", "m3/h", "kPa", ""});
    EXPECT_EQ(outcome.result2, "5,00");

    settings.dpMin = 4.0f; // the orifice window of 0,5 l/s shrinks to kvs 7.35 to 9
    outcome = run({"fixed", "0,5", "100"}, settings);
    EXPECT_FALSE(outcome.found);
}

TEST_F(SizeSessionTest, EveryDutyStartsFresh)
{
    run({"fixed", "0,5", "100"});
    const SizeOutcome outcome = run({"fixed", "0,5", "0"});
    EXPECT_FALSE(outcome.found);
    EXPECT_EQ(outcome.result1, "---");
    EXPECT_EQ(outcome.details, "Materialnummer:\r\n\r\n\r\n\r\n\r\nNennweite:\r\n\r\n");
}

TEST_F(SizeSessionTest, APickBeyondTheListIsAnError)
{
    Duty duty;
    ASSERT_EQ(resolveDuty({"variable", "0,5", "100", "1"}, duty), "");
    SizeOutcome outcome;
    EXPECT_EQ(session.run(duty, {}, outcome), "pick 1: the candidate list has 1 row (0 is the first)");
    ASSERT_EQ(resolveDuty({"fixed", "0,5", "0", "0"}, duty), "");
    EXPECT_EQ(session.run(duty, {}, outcome), "pick 0: the candidate list has 0 rows");
}

struct FiguresCase {
    DutyTexts duty;
    std::vector<std::pair<std::string, std::string>> numbers; // name, shown text
    std::vector<std::pair<std::string, std::string>> report;  // caption, value
    const char* verdict;
};

// What the window leaves to the reader: numbers with their units, the
// required Kv beside the one reached, the minimum a check compared with, the
// verdict in words.
TEST_F(SizeSessionTest, FiguresSayWhatTheNumbersMean)
{
    const FiguresCase cases[] = {
        {{"fixed", "0,5", "100"},
         {{"presetting", "3,70"}, {"kv", "5,70"}, {"kv_required", "5,69"}, {"opening_percent", "46,25"}},
         {{"Voreinstellung", "3,70"}, {"Kv-Wert (m³/h)", "5,70 (erforderlich: 5,69)"}, {"Öffnung (%)", "46,25"}},
         "Ventil gefunden"},
        {{"fixed", "0,5", "0"},
         {{"presetting", "---"}, {"kv", "---"}, {"kv_required", "---"}, {"opening_percent", "---"}},
         {{"Voreinstellung", "---"}, {"Kv-Wert (m³/h)", "--- (erforderlich: ---)"}, {"Öffnung (%)", "---"}},
         "Kein Ventil passt"},
        {{"fixed-check", "", "250", "0"}, {{"flow", "1,39"}}, {{"Durchflussmenge (l/s)", "1,39"}}, "Ventil gefunden"},
        {{"picv", "0,5", "", "", "", "kPa"},
         {{"presetting", "0,50"}, {"flow", "0,50"}, {"dp_min", "20,00"}},
         {{"Voreinstellung", "0,50"}, {"Durchflussmenge (l/s)", "0,50"}, {"Mindest-dP (kPa)", "20,00"}},
         "Ventil gefunden"},
        {{"picv-check", "0,5", "150", "0"}, {{"dp_min", "200,00"}}, {{"Mindest-dP (mbar)", "200,00"}},
         "dP nicht ausreichend"},
        {{"picv-check", "0,5", "25", "0", "", "kPa"}, {{"dp_min", "20,00"}}, {{"Mindest-dP (kPa)", "20,00"}},
         "dP ausreichend"},
        {{"picv-check", "3", "250", "0"}, {{"dp_min", "---"}}, {{"Mindest-dP (mbar)", "---"}},
         "Für diese Voreinstellung ist kein Mindest-dP bekannt"},
        {{"dpcv", "1", "100"}, {}, {}, "Ventil gefunden"},
    };
    for (const FiguresCase& c : cases) {
        const std::string name = c.duty.view + " " + c.duty.flow + " " + c.duty.dp;
        const SizeOutcome outcome = run(c.duty);
        std::vector<std::pair<std::string, std::string>> numbers, report;
        for (const SizeOutcome::Number& number : outcome.numbers)
            numbers.emplace_back(number.name, number.text);
        for (const SizeOutcome::Field& line : outcome.report)
            report.emplace_back(line.label, line.value);
        EXPECT_EQ(numbers, c.numbers) << name;
        EXPECT_EQ(report, c.report) << name;
        EXPECT_EQ(outcome.verdict, c.verdict) << name;
        EXPECT_TRUE(outcome.warnings.empty()) << name;
    }
}

TEST_F(SizeSessionTest, NumbersCarryTheirUnitsAndTheDutyAsUnderstood)
{
    const SizeOutcome outcome = run({"picv", "0.5", "", "", "m3/h", "kPa", "2"});
    std::vector<std::pair<std::string, std::string>> units;
    for (const SizeOutcome::Number& number : outcome.numbers)
        units.emplace_back(number.name, number.unit);
    EXPECT_EQ(units, (std::vector<std::pair<std::string, std::string>>{
                         {"presetting", ""}, {"flow", "m3/h"}, {"dp_min", "kPa"}}));
    EXPECT_EQ(outcome.duty.flow, "0,5");
    EXPECT_EQ(outcome.duty.fluid, 2);
    EXPECT_EQ(outcome.duty.fluidName, "Wasser-Glykol 20%");
    EXPECT_EQ(outcome.duty.heading, "Auslegung - Druckunabhängiges Regelventil: Arvelo Flumen");
    ASSERT_EQ(outcome.duty.lines.size(), 2u) << "flow and fluid: the view reads no pressure";
    EXPECT_EQ(outcome.duty.lines[0].label, "Durchflussmenge (m3/h)");

    const SizeOutcome sized = run({"fixed", "0,5", "100"});
    EXPECT_EQ(sized.numbers[1].unit, "m³/h");
    EXPECT_EQ(sized.numbers[1].value, 5.7);
    EXPECT_EQ(sized.numbers[3].unit, "%");
    EXPECT_EQ(run({"fixed", "0,5", "0"}).numbers[0].value, std::nullopt) << "--- is no number";
}

struct WarningCase {
    const char* dp; // mbar, at 0,5 l/s: the Kv the duty requires
    std::vector<std::string> warnings;
};

// A valve whose scale runs from presetting 1,0 (Kv 2) to full opening at
// 1,5 (Kv 7).
TEST(SizeSessionWarnings, AValveAtFullOpeningOrBelowItsScaleIsPointedOut)
{
    TempFolder folder;
    std::filesystem::create_directory(folder.path() / "DB");
    fixture::execute(folder.path() / "DB" / "mvd.db",
                     fixture::catalogueSchema() + fixture::sixFluids() +
                         "INSERT INTO fobv VALUES ('Arvelo Quarz', 0.1, 20.0, 1.0, 1.5, 0.1, 'DN 25', 'AW-1', 10.0,"
                         " 'mquarz');"
                         "INSERT INTO preset (codice_tecnico, modello, p0, p1, p2, p3, p4, p5) VALUES ('AW-1',"
                         " 'Arvelo Quarz', 2, 3, 4, 5, 6, 7);");
    std::ostringstream errors;
    SizeSession session(errors);
    ASSERT_EQ(session.open(folder.path() / "DB" / "mvd.db"), "");
    const WarningCase cases[] = {
        {"57,6", {"Warnung: Das Ventil ist voll geöffnet oder darüber (100 %)."}},   // Kv 7,50
        {"2250", {"Warnung: Der erforderliche Wert liegt unter dem Anfang der Voreinstellskala."}}, // Kv 1,20
        {"100", {}}, // Kv 5,69
    };
    for (const WarningCase& c : cases) {
        Duty duty;
        ASSERT_EQ(resolveDuty({"fixed", "0,5", c.dp}, duty), "");
        SizeOutcome outcome;
        ASSERT_EQ(session.run(duty, {}, outcome), "");
        ASSERT_TRUE(outcome.found) << c.dp;
        EXPECT_EQ(outcome.warnings, c.warnings) << c.dp;
    }
}

TEST(SizeSessionOpen, NeitherCreatesNorAcceptsWhatIsNoCatalogue)
{
    TempFolder folder;
    std::ostringstream errors;
    SizeSession session(errors);
    const auto missing = folder.path() / "DB" / "mvd.db";
    const std::string noCatalogue =
        "no catalogue database at " + missing.string() + "; make one with 'arvelo-catalogue " + missing.string() + "'";
    EXPECT_EQ(session.open(missing), noCatalogue);
    std::filesystem::create_directory(folder.path() / "DB");
    EXPECT_EQ(session.open(missing), noCatalogue);
    EXPECT_FALSE(std::filesystem::exists(missing));

    std::ofstream(missing) << "not a database";
    EXPECT_EQ(session.open(missing), missing.string() + " is not an Arvelo catalogue (no table fluidi)");
}

} // namespace
