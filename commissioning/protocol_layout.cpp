#include "commissioning/protocol_layout.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace {

// Millimetres on a 277-mm table: No., type, size, material number, dP,
// flow, fluid, supply, return, power, presetting, Kv, opening, designation;
// then dP, setting and flow as measured, deviation, result, date, signature.
// Five digits at the cells' 6,5 points take 6,5 mm and the padding 2 more;
// the result holds the longest word of the presetting to set.
constexpr std::array<double, 21> kColumnWeights{9, 14, 10, 16, 11, 14, 10, 11, 10, 10, 13,
                                                9, 10, 21, 13, 12, 14, 12, 20, 15, 10};
constexpr std::array<double, 8> kEarlierReadingsWeights{9, 50, 20, 25, 20, 25, 20, 30};
constexpr std::array<double, 4> kFitterWeights{60, 60, 30, 50};

template <std::size_t N>
std::vector<double> widthsOf(const std::array<double, N>& weights, double tableWidth)
{
    const double total = std::accumulate(weights.begin(), weights.end(), 0.0);
    std::vector<double> widths;
    for (const double weight : weights)
        widths.push_back(tableWidth * weight / total);
    return widths;
}

} // namespace

std::vector<double> protocolColumnWidths(double tableWidth) { return widthsOf(kColumnWeights, tableWidth); }

std::vector<double> earlierReadingsColumnWidths(double tableWidth)
{
    return widthsOf(kEarlierReadingsWeights, tableWidth);
}

std::vector<double> fitterColumnWidths(double tableWidth) { return widthsOf(kFitterWeights, tableWidth); }

std::vector<PiecePlace> flowPieces(const std::vector<double>& heights, double firstTop, double pageTop,
                                   double pageBottom)
{
    std::vector<PiecePlace> places;
    PiecePlace next{0, firstTop};
    for (const double height : heights) {
        if (next.top + height > pageBottom && next.top > pageTop)
            next = {next.page + 1, pageTop};
        places.push_back(next);
        next.top += height;
    }
    return places;
}

double protocolRowHeight(int mostLines, double lineHeight, double padding, double minimumHeight)
{
    return std::max(minimumHeight, std::max(mostLines, 1) * lineHeight + 2.0 * padding);
}

double fittingFontSize(double baseSize, double minimumSize, const std::vector<double>& longestWordWidths,
                       const std::vector<double>& columnInnerWidths)
{
    double size = baseSize;
    for (std::size_t i = 0; i < longestWordWidths.size() && i < columnInnerWidths.size(); ++i)
        if (longestWordWidths[i] > columnInnerWidths[i])
            size = std::min(size, baseSize * columnInnerWidths[i] / longestWordWidths[i]);
    return std::max(size, minimumSize);
}

std::vector<ProtocolPageRows> protocolPages(const std::vector<double>& rowHeights, double pageSpace,
                                            double closingHeight)
{
    std::vector<ProtocolPageRows> pages{{0, 0}};
    double used = 0.0;
    for (std::size_t row = 0; row < rowHeights.size(); ++row) {
        if (pages.back().count > 0 && used + rowHeights[row] > pageSpace) {
            pages.push_back({row, 0});
            used = 0.0;
        }
        used += rowHeights[row];
        ++pages.back().count;
    }
    if (closingHeight > 0.0 && used + closingHeight > pageSpace)
        pages.push_back({rowHeights.size(), 0});
    return pages;
}
