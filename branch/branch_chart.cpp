#include "branch/branch_chart.h"

StackedBarChart branchChart(const BranchResult& result)
{
    std::vector<std::vector<double>> segmentEnds;
    for (const CircuitResult& circuit : result.circuits)
        segmentEnds.push_back({circuit.riserUpTo, double{circuit.riserUpTo} + circuit.circuitLoss, result.pumpHead});
    // The title and the legend above the rows; a row 24 high, its bar 16.
    return stackedBarChart(segmentEnds, result.pumpHead, result.indexCircuit, {96.0, 24.0, 16.0});
}
