#include "ui/main/commissioning_protocol.h"

#include "tests/ui/main/valve_list_rows.h"
#include "ui/main/valve_list_columns.h"

#include <gtest/gtest.h>

namespace {

constexpr int kGerman = 3;
constexpr int kRussian = 6;

TEST(CommissioningProtocol, RowsAreTheListViewsCellsFollowedByEmptySiteColumns)
{
    const std::vector<ProjectRow> rows = rowsOfEachKind();
    const CommissioningProtocol protocol = commissioningProtocol(u"Schule", u"Stadt", kGerman, rows, u"2025-03-14");
    ASSERT_EQ(protocol.headers.size(), 19u);
    EXPECT_EQ(protocol.headers.front(), u"Nr.");
    EXPECT_EQ(protocol.headers.back(), u"Unterschrift");
    ASSERT_EQ(protocol.rows.size(), rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        std::vector<std::u16string> expected = valveListCells(rows[i], kGerman);
        expected.resize(19);
        EXPECT_EQ(protocol.rows[i], expected) << i;
    }
    EXPECT_EQ(protocol.printedLine, u"Gedruckt am 2025-03-14");
}

TEST(CommissioningProtocol, PageCounterReadsInTheProtocolsLanguage)
{
    EXPECT_EQ(protocolPageCounter(kGerman, 2, 8), u"Seite 2 von 8");
    EXPECT_EQ(protocolPageCounter(kRussian, 10, 12), u"Страница 10 из 12");
}

} // namespace
