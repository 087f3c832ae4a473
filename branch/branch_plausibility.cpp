#include "branch/branch_plausibility.h"

#include "app/unit_conversion.h"
#include "branch/plausible_figures.h"

std::string firstLine(std::initializer_list<std::string> lines)
{
    for (const std::string& line : lines)
        if (!line.empty())
            return line;
    return {};
}

std::string placeOf(const std::string& within, const char* noun, std::size_t index, const std::string& name)
{
    return (within.empty() ? "" : within + ", ") + noun + " " + std::to_string(index + 1) + " (" + name + ")";
}

std::string implausibleCircuits(const Branch& branch, const std::string& branchPlace)
{
    for (std::size_t i = 0; i < branch.circuits.size(); ++i) {
        const BranchCircuit& circuit = branch.circuits[i];
        const std::string where = placeOf(branchPlace, "circuit", i, circuit.designation);
        std::string line = firstLine({
            aboveLimit(where, "circuit loss", circuit.circuitLoss, "kPa", kMostCircuitLoss),
            circuit.pipe ? std::string() : aboveLimit(where, "riser loss", circuit.riserLoss, "kPa", kMostLoss),
            circuit.controlValveKvs ? belowLimit(where, "control valve Kvs", *circuit.controlValveKvs, "m3/h", kLeastKvs)
                                    : std::string(),
        });
        if (!line.empty())
            return line;
    }
    return {};
}

std::string implausibleBranchResult(const AppState& state, const Branch& branch, const BranchResult& result,
                                    const std::string& branchPlace)
{
    const float toKpa = pressureFactor(state);
    for (std::size_t i = 0; i < result.circuits.size() && i < branch.circuits.size(); ++i) {
        const CircuitResult& circuit = result.circuits[i];
        const std::string where = placeOf(branchPlace, "circuit", i, branch.circuits[i].designation);
        const auto velocity = [&where](const std::optional<SectionResult>& section, const char* name) {
            return section ? aboveLimit(where + ", " + name, "velocity", section->velocity, "m/s", kMostVelocity)
                           : std::string();
        };
        std::string line = firstLine({
            velocity(circuit.section, "riser section"),
            velocity(circuit.returnSection, "return section"),
            aboveLimit(where, "riser loss", toKpa * circuit.riserLoss, "kPa", kMostLoss),
            aboveLimit(where, "return loss", toKpa * circuit.returnLoss, "kPa", kMostLoss),
            aboveLimit(where, "control valve drop", toKpa * circuit.controlValveDp, "kPa", kMostLoss),
            aboveLimit(where, "balancing valve drop", toKpa * circuit.valveDp, "kPa", kMostLoss),
        });
        if (!line.empty())
            return line;
    }
    // On its own a branch's head is its pump's; in a system, what its take-off gives it.
    if (branchPlace.empty())
        return aboveLimit("branch", "pump head", toKpa * result.pumpHead, "kPa", kMostLoss);
    return aboveLimit(branchPlace, "head", toKpa * result.pumpHead, "kPa", kMostLoss);
}
