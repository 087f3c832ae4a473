#include "branch/branch_chart.h"

#include <algorithm>

bool hasControlValves(const BranchResult& result)
{
    return std::any_of(result.circuits.begin(), result.circuits.end(),
                       [](const CircuitResult& circuit) { return circuit.controlValveDp > 0.0f; });
}

StackedBarChart branchChart(const BranchResult& result)
{
    const bool controlValves = hasControlValves(result);
    std::vector<std::vector<double>> segmentEnds;
    for (const CircuitResult& circuit : result.circuits) {
        const double ownLossEnd = double{circuit.riserUpTo} + circuit.circuitLoss;
        std::vector<double> ends{circuit.riserUpTo, ownLossEnd};
        if (controlValves)
            ends.push_back(ownLossEnd + circuit.controlValveDp);
        ends.push_back(result.pumpHead);
        segmentEnds.push_back(std::move(ends));
    }
    // The title and the legend above the rows, the legend on two lines with
    // a control valve's entry; a row 24 high, its bar 16.
    return stackedBarChart(segmentEnds, result.pumpHead, result.indexCircuit,
                           {controlValves ? 116.0 : 96.0, 24.0, 16.0});
}
