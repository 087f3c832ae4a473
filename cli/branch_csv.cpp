#include "cli/branch_csv.h"

#include "cli/circuit_row.h"
#include "cli/csv_lines.h"

std::string readBranchCircuits(std::istream& in, const AppState& state, Branch& branch)
{
    branch.circuits.clear();
    std::string error = readCsvLines(in, kCircuitColumns, kCircuitOptionalColumns, "a circuit line",
                                     [&](const CsvLine& line, std::size_t) {
                                         if (branch.circuits.size() == kMaxBranchCircuits)
                                             return "more than " + std::to_string(kMaxBranchCircuits) +
                                                    " circuits; split the branch";
                                         BranchCircuit circuit;
                                         std::string fault = circuitOf(line, state, circuit);
                                         if (fault.empty())
                                             branch.circuits.push_back(std::move(circuit));
                                         return fault;
                                     });
    if (error.empty() && branch.circuits.empty())
        error = "no circuits below the header";
    if (!error.empty())
        branch.circuits.clear();
    return error;
}
