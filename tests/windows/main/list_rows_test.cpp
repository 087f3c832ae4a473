#include "windows/common/control_model.h"

#include <gtest/gtest.h>

namespace {

// A copy shares the rows until either side changes them; only then do the
// two differ, so "the very same rows" always means "equal rows".
TEST(ListRows, CopiesShareTheirRowsUntilOneChanges)
{
    ListRows logic;
    logic.push_back({-1, {u"1", u"Nord"}});
    ListRows shown = logic;
    EXPECT_TRUE(shown.sameAs(logic));

    logic.push_back({-1, {u"2", u"Süd"}});
    EXPECT_FALSE(shown.sameAs(logic));
    EXPECT_EQ(shown.size(), 1u);
    EXPECT_EQ(logic.size(), 2u);
    EXPECT_NE(shown, logic);

    shown = logic;
    logic.clear();
    EXPECT_EQ(shown.size(), 2u);
    EXPECT_TRUE(logic.empty());
    logic.push_back({-1, {u"1", u"Nord"}});
    logic.push_back({-1, {u"2", u"Süd"}});
    EXPECT_FALSE(shown.sameAs(logic));
    EXPECT_EQ(shown, logic) << "rebuilt alike, the rows are equal";
    EXPECT_EQ(shown[1].cells[1], u"Süd");
    EXPECT_EQ(ListRows(), ListRows(std::vector<ListRow>{}));
}

} // namespace
