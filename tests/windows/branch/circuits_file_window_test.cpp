// The branch window saves its circuits as the command line's circuits file
// and opens one, so that a branch moves between the two.

#include "tests/windows/branch/branch_window_fixture.h"

#include "tests/support/file_bytes.h"

namespace {

using CircuitsFileWindow = BranchWindowTest;

TEST_F(CircuitsFileWindow, SavedCircuitsOpenAsANewBranchNamedAfterTheFile)
{
    typeRow(0, u"R1; east", u"0,5", u"10", u"4", u"Arvelo Quarz");
    typeRow(1, u"P2", u"2,5", u"5", u"", u"Arvelo Flumen");
    type(1, 5, u"12,5");
    type(1, 6, u"27,3");
    type(1, 9, u"6,3");
    const Branch typed = window->branch();
    files.answer = folder.path() / "riser north.csv";
    window->onClick(kSaveFileButton);
    EXPECT_EQ(files.offeredTypes.at(0).suffix, u"csv");
    EXPECT_EQ(messages.shown, (std::vector<std::u16string>{u"File saved in export folder"}));
    EXPECT_EQ(fileBytes(*files.answer).substr(0, 12), "designation;");

    window->onClick(kOpenFileButton);
    EXPECT_EQ(window->savedName(), "riser north");
    EXPECT_EQ(window->controls()[kNameField].text, u"riser north");
    const std::vector<BranchCircuit>& opened = window->branch().circuits;
    ASSERT_EQ(opened.size(), 2u);
    for (std::size_t i = 0; i < 2; ++i) {
        EXPECT_EQ(opened[i].designation, typed.circuits[i].designation) << i;
        EXPECT_EQ(opened[i].flow, typed.circuits[i].flow) << i;
        EXPECT_EQ(opened[i].circuitLoss, typed.circuits[i].circuitLoss) << i;
        EXPECT_EQ(opened[i].riserLoss, typed.circuits[i].riserLoss) << i;
        EXPECT_EQ(opened[i].kind, typed.circuits[i].kind) << i;
        EXPECT_EQ(opened[i].controlValveKvs, typed.circuits[i].controlValveKvs) << i;
        EXPECT_EQ(opened[i].pipe.has_value(), typed.circuits[i].pipe.has_value()) << i;
    }
    EXPECT_EQ(opened[1].pipe->innerDiameterMm, 27.3f);
    EXPECT_EQ(window->controls()[kSavedList].entries, (std::vector<std::u16string>{u"Branch 1", u"riser north"}))
        << "the branch open before is kept as it was";

    window->onClick(kOpenFileButton); // the name is taken now: the next free one
    EXPECT_EQ(window->savedName(), "Branch 2");
}

// A file that does not read as circuits changes nothing and says why.
TEST_F(CircuitsFileWindow, AFileThatIsNoCircuitsFileIsReportedAndChangesNothing)
{
    typeRow(0, u"R1", u"0,5", u"10", u"4", u"Arvelo Quarz");
    const struct {
        const char* name;
        const char* bytes; // none: a folder
        std::u16string why;
    } cases[] = {
        {"comma.csv", "designation,flow\n", u"line 1: the header has no semicolon; the cells are separated by "
                                             u"semicolons, not commas"},
        {"both.csv",
         "designation;flow;flow_unit;circuit_loss;pressure_unit;kind;riser_loss;pipe_length_m;pipe_inner_diameter_mm\n"
         "A;0,5;l/s;10;kPa;fixed;4;20;30\n",
         u"line 2: riser_loss '4' and a pipe section are both given; keep one"},
        {"folder", nullptr, u"it is a folder"},
    };
    for (const auto& c : cases) {
        const std::filesystem::path file = folder.path() / c.name;
        if (c.bytes)
            writeFile(file, c.bytes);
        else
            std::filesystem::create_directory(file);
        files.answer = file;
        messages.shown.clear();
        window->onClick(kOpenFileButton);
        EXPECT_EQ(messages.shown, (std::vector<std::u16string>{u"The circuits file " + file.u16string() +
                                                               u" cannot be read: " + c.why}))
            << c.name;
        EXPECT_EQ(window->savedName(), "Branch 1") << c.name;
        EXPECT_EQ(window->branch().circuits.size(), 1u) << c.name;
    }
    files.answer.reset(); // cancelled
    messages.shown.clear();
    window->onClick(kOpenFileButton);
    window->onClick(kSaveFileButton);
    EXPECT_TRUE(messages.shown.empty());
}

} // namespace
