#include "cli/branch_csv.h"

#include "cli/argument_text.h"
#include "cli/bounded_line.h"
#include "cli/circuit_row.h"

#include <map>

std::string readBranchCircuits(std::istream& in, const AppState& state, Branch& branch)
{
    branch.circuits.clear();
    const std::string tooLong =
        "longer than " + std::to_string(kMaxLineBytes) + " bytes; a circuit line is far shorter";
    std::string text;
    const LineRead header = readBoundedLine(in, text, false);
    if (header == LineRead::End)
        return "the file is empty (a header line is needed)";
    if (header == LineRead::TooLong)
        return "line 1: " + tooLong;
    if (text.rfind("\xEF\xBB\xBF", 0) == 0)
        text.erase(0, 3);
    std::map<std::string, std::size_t> columns;
    if (std::string error = headerColumns(text, kCircuitColumns, kCircuitOptionalColumns, columns); !error.empty())
        return "line 1: " + error;
    std::string error;
    for (std::size_t lineNumber = 2; error.empty(); ++lineNumber) {
        const LineRead read = readBoundedLine(in, text, false);
        if (read == LineRead::End)
            break;
        const std::string where = "line " + std::to_string(lineNumber) + ": ";
        if (read == LineRead::TooLong) {
            error = where + tooLong;
            break;
        }
        if (trimmedText(text).empty())
            continue;
        if (branch.circuits.size() == kMaxBranchCircuits) {
            error = where + "more than " + std::to_string(kMaxBranchCircuits) + " circuits; split the branch";
            break;
        }
        std::vector<std::string> cells = trimmedCells(text);
        if (cells.size() > columns.size()) {
            error = where + std::to_string(cells.size()) + " cells, but the header names " +
                    std::to_string(columns.size()) + " columns";
            break;
        }
        BranchCircuit circuit;
        if (std::string fault = circuitOf(CsvLine(columns, std::move(cells)), state, circuit); !fault.empty())
            error = where + fault;
        else
            branch.circuits.push_back(std::move(circuit));
    }
    if (error.empty() && in.bad())
        error = "reading the file failed";
    if (error.empty() && branch.circuits.empty())
        error = "no circuits below the header";
    if (!error.empty())
        branch.circuits.clear();
    return error;
}
