#include "tests/sizing/sizing_fixture.h"

namespace {

std::string statra(const char* code, const char* model, const char* dpMin, const char* dpMax)
{
    return "INSERT INTO dpcv VALUES ('" + std::string(model) + "', 0.2, 2.0, " + dpMin + ", " + dpMax + ", '" + code +
           "', 'DN 50', 'mstatra_b');";
}

using DpcvSelection = SizingTest;

TEST_F(DpcvSelection, FlowAndBranchPressureMustBothBeCovered)
{
    startWith(statra("AS-1", "Arvelo Statra-A", "5", "25") + statra("AS-2", "Arvelo Statra-A", "20", "40"));
    calculate(10, "1", "300"); // 30 kPa: only the 20-40 range
    ASSERT_EQ(state.dpcvRows.size(), 1u);
    EXPECT_EQ(state.dpcvRows[0].technicalCode, "AS-2");
    EXPECT_EQ(shown().status, u"Type series");
    EXPECT_EQ(shown().details, u"Mat. N.:\r\n\r\nAS-2\r\n\r\n\r\nNominal size:\r\n\r\nDN 50\r\n\r\n\r\n"
                               u"Flow range(l/s):\r\n\r\n0,20 - 2,00");
    calculate(10, "3", "300"); // flow beyond 2 l/s
    EXPECT_EQ(state.dpcvFound, 0);
    EXPECT_EQ(shown().status, u"No type series\u00A0/ nominal size available");
    EXPECT_EQ(shown().statusColour, kTextRed);
}

struct ControllerChoiceCase {
    const char* name;
    std::string rows;
    std::size_t chosen;
};

TEST_F(DpcvSelection, ChoosesByPreferredThenAlternativeModel)
{
    const ControllerChoiceCase cases[] = {
        {"only a third model", statra("AS-1", "Other", "5", "25") + statra("AS-2", "Other", "5", "25"), 0},
        {"alternative after others",
         statra("AS-1", "Other", "5", "25") + statra("AS-2", "Arvelo Statra-B", "5", "25") +
             statra("AS-3", "Arvelo Statra-B", "5", "25"),
         1},
        {"preferred after the alternative",
         statra("AS-1", "Arvelo Statra-B", "5", "25") + statra("AS-2", "Arvelo Statra-A", "5", "25"), 1},
    };
    startWith("");
    for (const ControllerChoiceCase& c : cases) {
        restart("DELETE FROM dpcv;" + c.rows);
        calculate(10, "1", "100");
        EXPECT_EQ(state.dpcvChosen, c.chosen) << c.name;
    }
}

} // namespace
