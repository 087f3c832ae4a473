// The settings menu's balance-branch button: the branch window opens over
// the main window, and what it adds shows in the valve list at once.

#include "tests/windows/main/main_window_fixture.h"

#include "windows/branch/branch_window.h"
#include "windows/branch/branch_window_ids.h"
#include "windows/main/main_window_ids.h"

using namespace MainWindowId;

namespace {

TEST_F(MainWindowTest, TheBranchWindowOpensFromEveryPageAndFillsTheValveList)
{
    for (const auto& [workMode, view] : {std::pair{0, 0}, std::pair{1, 9}}) {
        goToPage(workMode, view);
        EXPECT_TRUE(control(kBalanceBranchButton).visible);
        EXPECT_EQ(text(kBalanceBranchButton), u"Strang abgleichen");
        EXPECT_EQ(control(kBalanceBranchButton).imageId, kBalanceBranchImage);
    }
    std::u16string caption;
    windows.answer = [&caption](WindowLogic& opened) {
        caption = opened.caption();
        auto& branch = dynamic_cast<BranchWindow&>(opened);
        ControlState& table = branch.controls()[BranchWindowId::kCircuitTable];
        const std::u16string cells[] = {u"Heizkreis 1", u"0,3", u"100", u"40", u"Arvelo Quarz"};
        for (int column = 0; column < 5; ++column) {
            table.rows.edit().at(0).cells.at(static_cast<std::size_t>(column)) = cells[column];
            branch.onCellChanged(BranchWindowId::kCircuitTable, 0, column);
        }
        branch.onClick(BranchWindowId::kCalculateButton);
        branch.onClick(BranchWindowId::kAddButton);
        return 0;
    };
    click(kBalanceBranchButton);
    EXPECT_EQ(windows.opened, 1);
    EXPECT_EQ(caption, u"Strang abgleichen");
    ASSERT_EQ(control(kValveList).rows.size(), 1u);
    EXPECT_EQ(control(kValveList).rows[0].cells[13], u"Heizkreis 1");
    EXPECT_EQ(messages.shown, (std::vector<std::u16string>{u"1 Ventile zur Ventilliste hinzugefügt."}));
}

} // namespace
