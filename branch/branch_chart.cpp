#include "branch/branch_chart.h"

namespace {

// Title and legend above the bars.
constexpr BarRows kRows = {96.0, 24.0, 16.0};

} // namespace

StackedBarChart branchChart(const BranchResult& result)
{
    std::vector<std::vector<double>> segmentEnds;
    for (const CircuitResult& circuit : result.circuits) {
        const double riserEnd = circuit.riserUpTo;
        segmentEnds.push_back({riserEnd, riserEnd + circuit.circuitLoss, result.pumpHead});
    }
    return stackedBarChart(segmentEnds, result.pumpHead, result.indexCircuit, kRows);
}
