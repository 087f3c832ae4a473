#include "system/system_chart.h"

StackedBarChart systemChart(const SystemResult& result)
{
    std::vector<std::vector<double>> segmentEnds;
    for (const SystemBranchResult& branch : result.branches) {
        const float takeOff = result.plantLoss + branch.mainUpTo;
        segmentEnds.push_back(
            {result.plantLoss, takeOff, takeOff + branch.available - branch.foot.drop, result.pumpHead});
    }
    // The title, the duty point and the legend above the rows; a row 28 high, its bar 18.
    return stackedBarChart(segmentEnds, result.pumpHead, result.indexBranch, {120.0, 28.0, 18.0});
}
