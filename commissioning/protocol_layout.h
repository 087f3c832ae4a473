#pragma once

#include <cstddef>
#include <vector>

// The arithmetic of the printed protocol's table, in millimetres.

// The 21 column widths across tableWidth, in the proportions of an A4
// landscape page: the list's 14 columns (the number wide enough for five
// digits), then the seven site columns wide enough to write in by hand.
std::vector<double> protocolColumnWidths(double tableWidth);
// The columns of the earlier readings (number, designation, date, dP, flow,
// deviation) and of the fitter's settings (designation, valve, presetting
// found, presetting to set) across tableWidth.
std::vector<double> earlierReadingsColumnWidths(double tableWidth);
std::vector<double> fitterColumnWidths(double tableWidth);

// A row holds its tallest cell (lines of wrapped text) with padding above
// and below, and is never lower than a hand can write in.
double protocolRowHeight(int mostLines, double lineHeight, double padding, double minimumHeight);

// The largest size up to baseSize at which every header's longest word fits
// its column, so that headers break between words only. Widths are those of
// the words at baseSize; a size is never below minimumSize.
double fittingFontSize(double baseSize, double minimumSize, const std::vector<double>& longestWordWidths,
                       const std::vector<double>& columnInnerWidths);

// The rows on one page: from first, count of them.
struct ProtocolPageRows {
    std::size_t first = 0;
    std::size_t count = 0;
};

// Fills pages in order with as many whole rows as fit in pageSpace; a row
// taller than a page gets a page of its own. No rows still make one page,
// with the headers alone. The closing block (summary and sign-off) follows
// the last row; where it does not fit below it, it gets a page of its own
// (count 0).
std::vector<ProtocolPageRows> protocolPages(const std::vector<double>& rowHeights, double pageSpace,
                                            double closingHeight = 0.0);

// Where a piece of the closing part (a line of the summary, the method, a
// sign-off text, the signatures) stands: on the page counted from the one
// the pieces start on, at top. Pieces follow one another from firstTop and
// move whole to the top of the next page when the page is full, so that a
// long text continues there instead of being cut.
struct PiecePlace {
    std::size_t page = 0;
    double top = 0.0;
};
std::vector<PiecePlace> flowPieces(const std::vector<double>& heights, double firstTop, double pageTop,
                                   double pageBottom);
