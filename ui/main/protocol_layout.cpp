#include "ui/main/protocol_layout.h"

#include <algorithm>
#include <array>
#include <numeric>

namespace {

// Millimetres on a 277-mm table: No., type, size, material number, dP,
// flow, fluid, supply, return, power, presetting, Kv, opening, designation;
// then dP, setting and flow as measured, date, signature.
constexpr std::array<double, 19> kColumnWeights{7,  20, 11, 19, 14, 14, 14, 12, 12, 13,
                                                12, 10, 11, 32, 14, 13, 14, 11, 14};

} // namespace

std::vector<double> protocolColumnWidths(double tableWidth)
{
    const double total = std::accumulate(kColumnWeights.begin(), kColumnWeights.end(), 0.0);
    std::vector<double> widths;
    for (const double weight : kColumnWeights)
        widths.push_back(tableWidth * weight / total);
    return widths;
}

double protocolRowHeight(int mostLines, double lineHeight, double padding, double minimumHeight)
{
    return std::max(minimumHeight, std::max(mostLines, 1) * lineHeight + 2.0 * padding);
}

std::vector<ProtocolPageRows> protocolPages(const std::vector<double>& rowHeights, double pageSpace)
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
    return pages;
}
