#pragma once

#include <cstddef>
#include <vector>

// The arithmetic of the printed protocol's table, in millimetres.

// The 19 column widths across tableWidth, in the proportions of an A4
// landscape page: the list's 14 columns, then the five site columns wide
// enough to write in by hand.
std::vector<double> protocolColumnWidths(double tableWidth);

// A row holds its tallest cell (lines of wrapped text) with padding above
// and below, and is never lower than a hand can write in.
double protocolRowHeight(int mostLines, double lineHeight, double padding, double minimumHeight);

// The rows on one page: from first, count of them.
struct ProtocolPageRows {
    std::size_t first = 0;
    std::size_t count = 0;
};

// Fills pages in order with as many whole rows as fit in pageSpace; a row
// taller than a page gets a page of its own. No rows still make one page,
// with the headers alone.
std::vector<ProtocolPageRows> protocolPages(const std::vector<double>& rowHeights, double pageSpace);
