#include "branch/circuits_file.h"

#include "branch/circuit_row.h"
#include "branch/csv_lines.h"
#include "data/csv_cell.h"

#include <algorithm>
#include <locale>
#include <sstream>

namespace {

// A number as the file keeps it: the fewest digits that read back to the
// same single-precision value, with a decimal comma.
std::string fileNumber(float value)
{
    std::string text;
    for (int digits = 6; digits <= 9; ++digits) {
        std::ostringstream out;
        out.imbue(std::locale::classic());
        out.precision(digits);
        out << value;
        text = out.str();
        if (std::stof(text) == value)
            break;
    }
    std::replace(text.begin(), text.end(), '.', ',');
    return text;
}

} // namespace

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

std::string branchCircuitsFile(const Branch& branch)
{
    std::string file = "designation;flow;flow_unit;circuit_loss;pressure_unit;kind;riser_loss;pipe_length_m;"
                       "pipe_inner_diameter_mm;pipe_roughness_mm;pipe_zeta;control_valve_kvs\n";
    for (const BranchCircuit& circuit : branch.circuits) {
        file += csvCell(circuit.designation) + ';' + fileNumber(circuit.flow) + ";l/s;" +
                fileNumber(circuit.circuitLoss) + ";kPa;" + kindWord(circuit.kind) + ';';
        if (circuit.pipe)
            file += ';' + fileNumber(circuit.pipe->lengthM) + ';' + fileNumber(circuit.pipe->innerDiameterMm) + ';' +
                    fileNumber(circuit.pipe->roughnessMm) + ';' + fileNumber(circuit.pipe->zeta) + ';';
        else
            file += fileNumber(circuit.riserLoss) + ";;;;;";
        if (circuit.controlValveKvs)
            file += fileNumber(*circuit.controlValveKvs);
        file += '\n';
    }
    return file;
}
