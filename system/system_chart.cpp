#include "system/system_chart.h"

namespace {

// Title, duty point and legend above the bars.
constexpr BarRows kRows = {120.0, 28.0, 18.0};

} // namespace

StackedBarChart systemChart(const SystemResult& result)
{
    std::vector<std::vector<double>> segmentEnds;
    for (const SystemBranchResult& branch : result.branches) {
        const float takeOff = result.plantLoss + branch.mainUpTo;
        segmentEnds.push_back({result.plantLoss, takeOff, takeOff + branch.available - branch.foot.drop,
                               result.pumpHead});
    }
    return stackedBarChart(segmentEnds, result.pumpHead, result.indexBranch, kRows);
}
