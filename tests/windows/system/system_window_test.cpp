// The system window's logic against its control model, as the generic host
// drives it: branches picked into the table, the calculation, the saved
// systems and the branch opened through the window's callback.

#include "tests/system/system_fixture.h"

#include "tests/support/list_cell.h"
#include "tests/support/recorded_messages.h"
#include "data/text_format.h"
#include "db/branch_store.h"
#include "db/system_store.h"
#include "windows/system/system_branch_cells.h"
#include "windows/system/system_window.h"
#include "windows/system/system_window_ids.h"

#include <memory>

using namespace SystemWindowId;
using Kind = BranchValveKind;

namespace {

// Two branches of the worked example of the system's core tests, saved as
// the branch window saves them (kPa and l/s, every valve the variable
// orifice AN-020, fully open (36 Q / 4)^2):
//   A: A1 Q 0.3 s 1 c 8, A2 Q 0.2 s 2 c 10   H_A = 1 + 8 + 7.29 = 16.29, Q 0.5
//   B: B1 Q 0.4 s 1.5 c 12, B2 Q 0.4 s 1.5 c 15
//      H_B = 3 + 15 + 12.96 = 30.96, Q 0.8
class SystemWindowTest : public SystemTest {
protected:
    void SetUp() override
    {
        SystemTest::SetUp();
        BranchStore branches(db.handle(), errors);
        ASSERT_TRUE(branches.ensureTables());
        Branch a;
        a.settings.name = "A";
        a.circuits = {circuit("A1", 0.3f, 8, 1, Kind::VariableOrifice), circuit("A2", 0.2f, 10, 2, Kind::VariableOrifice)};
        Branch b;
        b.settings.name = "B";
        b.circuits = {circuit("B1", 0.4f, 12, 1.5f, Kind::VariableOrifice),
                      circuit("B2", 0.4f, 15, 1.5f, Kind::VariableOrifice)};
        // Beyond every controller's range: no controller at its foot.
        Branch c;
        c.settings.name = "C";
        c.circuits = {circuit("C1", 3.0f, 70, 1, Kind::PressureIndependent)};
        for (const Branch* branch : {&a, &b, &c})
            ASSERT_EQ(branches.save(*branch), StoreResult::Done);
        openWindow();
    }

    void openWindow()
    {
        const auto openBranch = [this](const std::string& name) { openedBranches.push_back(name); };
        window = std::make_unique<SystemWindow>(state, db, SystemWindowServices{messages, openBranch}, u"Balance system");
        window->onOpen();
    }

    ControlState& table() { return window->controls()[kBranchTable]; }

    // Types a text into a cell as the host hands it over.
    void type(int row, int column, const std::u16string& text)
    {
        table().rows.edit().at(static_cast<std::size_t>(row)).cells.at(static_cast<std::size_t>(column)) = text;
        window->onCellChanged(kBranchTable, row, column);
    }

    void typeField(int id, const std::u16string& text)
    {
        window->controls()[id].text = text;
        window->onTextChanged(id);
    }

    std::vector<std::u16string> row(int index) { return table().rows[static_cast<std::size_t>(index)].cells; }

    // Plant 10 kPa; A with nothing at its foot after a main section of
    // 4 kPa, B with a controller after 3 kPa.
    void typeExample()
    {
        typeField(kPlantLossField, u"10");
        type(0, system_column::kBranch, u"A");
        type(0, system_column::kSectionLoss, u"4");
        type(1, system_column::kBranch, u"B");
        type(1, system_column::kFoot, u"Arvelo Statra");
        type(1, system_column::kSectionLoss, u"3");
    }

    // A result cell by its column's header.
    std::u16string result(std::size_t row, const std::u16string& header)
    {
        return listCell(window->controls()[kResultList], row, header);
    }

    RecordedMessages messages;
    std::vector<std::string> openedBranches;
    std::unique_ptr<SystemWindow> window;
};

// By hand, with the figures above: M = 4, 7. B's controller for 0.8 l/s at
// 30.96 kPa is AS-040-03 (20 to 40 kPa, q_max 1.24), its least drop
// 20 x (0.8 / 1.24)^2 = 8.3246618. Demands 4 + 16.29 = 20.29 and
// 7 + 30.96 + 8.3246618 = 46.2846618: B is the index branch, the pump
// delivers 0.5 + 0.8 = 1.3 l/s at 10 + 46.2846618 = 56.2846618 kPa.
// A's take-off has 56.2846618 - 10 - 4 = 42.2846618, a surplus of
// 25.9946618 over the noise limit of 25: a controller is proposed for
// 0.5 l/s at 16.29 kPa, AS-040-01 (5 to 25 kPa).
TEST_F(SystemWindowTest, CalculateShowsTheDutyPointTheIndexBranchAndEachFootDevice)
{
    typeExample();
    window->onClick(kCalculateButton);

    ASSERT_TRUE(window->result());
    const SystemResult& r = *window->result();
    ASSERT_TRUE(r.complete);
    EXPECT_NEAR(r.pumpHead, 56.2846618f, 2e-3f);
    EXPECT_NEAR(r.totalFlow, 1.3f, 1e-6f);
    EXPECT_EQ(r.indexBranch, 1u);

    const ControlModel& c = window->controls();
    EXPECT_EQ(c.find(kPumpHeadLabel)->text,
              u"Pump head (kPa): 56,28    Total flow (l/s): 1,30    Plant loss (kPa): 10,00");
    EXPECT_EQ(c.find(kIndexLabel)->text, u"Index branch: 2 B");
    EXPECT_EQ(c.find(kResultList)->selectedRow, 1);
    EXPECT_EQ(result(0, u"Foot device"), u"None");
    EXPECT_EQ(result(1, u"Foot device"), u"Arvelo Statra");
    EXPECT_EQ(result(1, u"Setpoint (kPa)"), u"30,96");
    EXPECT_EQ(result(1, u"dP foot device (kPa)"), u"8,32");
    EXPECT_NE(result(0, u"Warnings").find(u"AS-040-01"), std::u16string::npos);
    EXPECT_NE(c.find(kChart)->svg.find("id=\"index-branch\""), std::string::npos);
}

// A branch whose foot device the catalogue lacks leaves no pump head: the
// window says which branch, and draws no chart.
TEST_F(SystemWindowTest, AnIncompleteSystemSaysSoInsteadOfAHead)
{
    typeExample();
    type(2, system_column::kBranch, u"C");
    type(2, system_column::kFoot, u"Arvelo Statra");
    window->onClick(kCalculateButton);

    ASSERT_TRUE(window->result());
    EXPECT_FALSE(window->result()->complete);
    const ControlModel& c = window->controls();
    EXPECT_NE(c.find(kPumpHeadLabel)->text.find(u"3 C"), std::u16string::npos);
    EXPECT_EQ(c.find(kPumpHeadLabel)->text.find(u"Pump head"), std::u16string::npos);
    EXPECT_TRUE(c.find(kIndexLabel)->text.empty());
    EXPECT_TRUE(c.find(kChart)->svg.empty());
}

// What a cell takes, and what it refuses (showing the branch as it was).
TEST_F(SystemWindowTest, CellsTakeSavedBranchesFootDevicesAndALossOrAPipe)
{
    type(0, system_column::kSectionLoss, u"4"); // a new row starts with its branch
    EXPECT_TRUE(window->system().branches.empty());
    type(0, system_column::kBranch, u"Nowhere"); // not a saved branch
    EXPECT_TRUE(window->system().branches.empty());
    type(0, system_column::kBranch, u"A");
    ASSERT_EQ(window->system().branches.size(), 1u);

    struct Case {
        int column;
        std::u16string cell;
        std::u16string shown; // the row's cell afterwards
    } cases[] = {
        {system_column::kFoot, u"Arvelo Quarz", u"Arvelo Quarz"},
        {system_column::kFoot, u"Valve", u"Arvelo Quarz"},
        {system_column::kSectionLoss, u"2,5", u"2,50"},
        {system_column::kSectionLoss, u"-1", u"2,50"},
        {system_column::kBranch, u"B", u"B"},
    };
    for (const Case& edit : cases) {
        type(0, edit.column, edit.cell);
        EXPECT_EQ(row(0).at(static_cast<std::size_t>(edit.column)), edit.shown) << utf16ToUtf8(edit.cell);
    }
    EXPECT_EQ(window->system().branches[0].foot, FootDevice::FixedOrificeValve);
    EXPECT_FLOAT_EQ(window->system().branches[0].main.loss, 2.5f);
    EXPECT_TRUE(messages.shown.empty());

    // A pipe beside a typed loss is refused; with the loss emptied it is taken.
    type(0, system_column::kPipeLength, u"20");
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_FALSE(window->system().branches[0].main.pipe);
    type(0, system_column::kSectionLoss, u"");
    type(0, system_column::kPipeLength, u"20");
    type(0, system_column::kInnerDiameter, u"27,3");
    ASSERT_TRUE(window->system().branches[0].main.pipe);
    EXPECT_EQ(row(0).at(system_column::kSectionLoss), u"");
    type(0, system_column::kSectionLoss, u"1");
    EXPECT_EQ(messages.shown.size(), 2u);
    // Emptied back to their defaults, the pipe goes.
    type(0, system_column::kPipeLength, u"");
    type(0, system_column::kInnerDiameter, u"");
    EXPECT_FALSE(window->system().branches[0].main.pipe);
}

// A main pipe the losses cannot be computed from is named, not balanced.
TEST_F(SystemWindowTest, AnUnusableMainPipeIsReportedBeforeCalculating)
{
    type(0, system_column::kBranch, u"A");
    type(0, system_column::kPipeLength, u"20"); // no inner diameter
    window->onClick(kCalculateButton);
    EXPECT_FALSE(window->result());
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_NE(messages.shown[0].find(u"1 A"), std::u16string::npos);
}

// The system is saved as it is typed, and comes back as it was.
TEST_F(SystemWindowTest, TheSystemIsSavedAsTypedAndOpensAgain)
{
    typeExample();
    ASSERT_EQ(window->savedName(), std::optional<std::string>("System 1"));
    SystemStore store(db.handle(), errors);
    const std::optional<SavedSystem> saved = store.open("System 1");
    ASSERT_TRUE(saved);
    EXPECT_FLOAT_EQ(saved->settings.plantLoss, 10);
    ASSERT_EQ(saved->branches.size(), 2u);
    EXPECT_EQ(saved->branches[1].branchName, "B");
    EXPECT_EQ(saved->branches[1].foot, FootDevice::Controller);
    EXPECT_FLOAT_EQ(saved->branches[1].main.loss, 3);

    // Moved, the order along the main is saved too.
    table().selectedRow = 1;
    window->onClick(kMoveUpButton);
    EXPECT_EQ(store.open("System 1")->branches[0].branchName, "B");

    openWindow();
    EXPECT_TRUE(window->system().branches.empty());
    window->onClick(kOpenButton);
    EXPECT_EQ(window->savedName(), std::optional<std::string>("System 1"));
    EXPECT_EQ(row(0).at(system_column::kBranch), u"B");
    EXPECT_EQ(row(1).at(system_column::kBranch), u"A");
    EXPECT_EQ(window->controls()[kPlantLossField].text, u"10,00");
}

TEST_F(SystemWindowTest, RenameRefusesATakenNameAndDeleteStartsANewSystem)
{
    typeExample();
    openWindow();
    type(0, system_column::kBranch, u"C");
    ASSERT_EQ(window->savedName(), std::optional<std::string>("System 2"));

    typeField(kNameField, u"System 1");
    window->onClick(kRenameButton);
    ASSERT_EQ(messages.shown.size(), 1u);
    EXPECT_EQ(window->savedName(), std::optional<std::string>("System 2"));

    typeField(kNameField, u"Plant room");
    window->onClick(kRenameButton);
    EXPECT_EQ(window->savedName(), std::optional<std::string>("Plant room"));
    SystemStore store(db.handle(), errors);
    EXPECT_EQ(store.names(), (std::vector<std::string>{"Plant room", "System 1"}));

    window->controls()[kSavedList].currentIndex = 0;
    window->onClick(kDeleteButton);
    EXPECT_FALSE(window->savedName());
    EXPECT_TRUE(window->system().branches.empty());
    EXPECT_EQ(store.names(), std::vector<std::string>{"System 1"});
}

// The picked row's branch opens through the callback; what was changed
// there is read again from the saved system.
TEST_F(SystemWindowTest, OpenBranchHandsTheRowsBranchToTheCallback)
{
    typeExample();
    window->onClick(kOpenBranchButton); // no row picked
    EXPECT_TRUE(openedBranches.empty());
    table().selectedRow = 1;
    window->onClick(kOpenBranchButton);
    EXPECT_EQ(openedBranches, std::vector<std::string>{"B"});
}

} // namespace
