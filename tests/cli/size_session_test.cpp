#include "cli/size_session.h"

#include "tests/cli/cli_catalogue.h"
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
        {{"fixed-check", "", "250"}, false, std::nullopt, 2, "", "---", ""},
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

TEST(SizeSessionOpen, NeitherCreatesNorAcceptsWhatIsNoCatalogue)
{
    TempFolder folder;
    std::ostringstream errors;
    SizeSession session(errors);
    const auto missing = folder.path() / "DB" / "mvd.db";
    EXPECT_EQ(session.open(missing), "no catalogue database at " + missing.string());
    std::filesystem::create_directory(folder.path() / "DB");
    EXPECT_EQ(session.open(missing), "no catalogue database at " + missing.string());
    EXPECT_FALSE(std::filesystem::exists(missing));

    std::ofstream(missing) << "not a database";
    EXPECT_EQ(session.open(missing), missing.string() + " is not an Arvelo catalogue (no table fluidi)");
}

} // namespace
