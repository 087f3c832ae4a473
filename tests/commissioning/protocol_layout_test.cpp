#include "commissioning/protocol_layout.h"

#include <gtest/gtest.h>

#include <numeric>

namespace {

TEST(ProtocolLayout, ColumnsFillTheTableAndLeaveRoomToWrite)
{
    const std::vector<double> widths = protocolColumnWidths(277.0);
    ASSERT_EQ(widths.size(), 21u);
    EXPECT_NEAR(std::accumulate(widths.begin(), widths.end(), 0.0), 277.0, 1e-9);
    // The designation is the widest column; every site column takes a
    // handwritten date or signature.
    EXPECT_EQ(std::max_element(widths.begin(), widths.end()) - widths.begin(), 13);
    for (std::size_t column = 14; column < 21; ++column)
        EXPECT_GE(widths[column], 10.0) << column;
}

TEST(ProtocolLayout, TheNumberColumnHoldsFiveDigits)
{
    // At 6,5 points (2,29 mm) Roboto's digits are 0,562 em wide: five take
    // 5 x 0,562 x 2,29 = 6,45 mm, with 1 mm of padding either side 8,45 mm.
    EXPECT_GE(protocolColumnWidths(277.0).front(), 8.45);
}

TEST(ProtocolLayout, ClosingPiecesFollowTheRowsAndContinueOnTheNextPage)
{
    struct Case {
        const char* name;
        std::vector<double> heights;
        double firstTop;
        std::vector<std::pair<std::size_t, double>> places;
    };
    // Pages from 30 to 100.
    const Case cases[] = {
        {"below the rows", {10.0, 20.0}, 60.0, {{0, 60.0}, {0, 70.0}}},
        {"exactly to the bottom", {10.0, 30.0}, 60.0, {{0, 60.0}, {0, 70.0}}},
        {"the rest on the next page", {10.0, 20.0, 15.0, 5.0}, 60.0, {{0, 60.0}, {0, 70.0}, {1, 30.0}, {1, 45.0}}},
        {"a full page first", {10.0}, 95.0, {{1, 30.0}}},
        {"over several pages", {40.0, 40.0, 40.0}, 30.0, {{0, 30.0}, {1, 30.0}, {2, 30.0}}},
        // A piece taller than a page stands at the top of one, never on an
        // empty page before it.
        {"taller than a page", {90.0, 10.0}, 30.0, {{0, 30.0}, {1, 30.0}}},
    };
    for (const Case& c : cases) {
        std::vector<std::pair<std::size_t, double>> places;
        for (const PiecePlace& place : flowPieces(c.heights, c.firstTop, 30.0, 100.0))
            places.emplace_back(place.page, place.top);
        EXPECT_EQ(places, c.places) << c.name;
    }
}

TEST(ProtocolLayout, RowsHoldTheirTallestCellButStayWritable)
{
    EXPECT_DOUBLE_EQ(protocolRowHeight(1, 3.0, 1.0, 9.0), 9.0);
    EXPECT_DOUBLE_EQ(protocolRowHeight(4, 3.0, 1.0, 9.0), 14.0);
    EXPECT_DOUBLE_EQ(protocolRowHeight(0, 3.0, 1.0, 2.0), 5.0);
}

TEST(ProtocolLayout, HeaderFontShrinksUntilTheLongestWordFits)
{
    // Words that fit keep the base size; the tightest column sets it.
    EXPECT_DOUBLE_EQ(fittingFontSize(6.5, 4.0, {8.0, 9.0}, {10.0, 10.0}), 6.5);
    EXPECT_DOUBLE_EQ(fittingFontSize(6.5, 4.0, {12.0, 13.0}, {10.0, 10.0}), 5.0);
    EXPECT_DOUBLE_EQ(fittingFontSize(6.5, 4.0, {40.0}, {10.0}), 4.0);
}

struct PagesCase {
    const char* name;
    std::vector<double> heights;
    double space;
    std::vector<std::pair<std::size_t, std::size_t>> pages;
    double closing = 0.0;
};

TEST(ProtocolLayout, PagesTakeWholeRowsInOrder)
{
    const PagesCase cases[] = {
        {"no rows", {}, 100.0, {{0, 0}}},
        {"exactly full", {50.0, 50.0}, 100.0, {{0, 2}}},
        {"one more", {50.0, 50.0, 10.0}, 100.0, {{0, 2}, {2, 1}}},
        {"tall row moves on whole", {40.0, 40.0, 30.0, 40.0}, 100.0, {{0, 2}, {2, 2}}},
        {"row taller than a page", {20.0, 150.0, 20.0}, 100.0, {{0, 1}, {1, 1}, {2, 1}}},
        {"closing block below the rows", {30.0, 30.0}, 100.0, {{0, 2}}, 40.0},
        {"closing block on a page of its own", {30.0, 30.0}, 100.0, {{0, 2}, {2, 0}}, 41.0},
        {"closing block with no rows", {}, 100.0, {{0, 0}}, 60.0},
    };
    for (const PagesCase& c : cases) {
        std::vector<std::pair<std::size_t, std::size_t>> pages;
        for (const ProtocolPageRows& page : protocolPages(c.heights, c.space, c.closing))
            pages.emplace_back(page.first, page.count);
        EXPECT_EQ(pages, c.pages) << c.name;
    }
}

} // namespace
