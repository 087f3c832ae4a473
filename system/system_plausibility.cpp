#include "system/system_plausibility.h"

#include "app/unit_conversion.h"
#include "branch/branch_plausibility.h"
#include "branch/plausible_figures.h"

namespace {

std::string branchPlace(const HydronicSystem& system, std::size_t j)
{
    return placeOf({}, "branch", j, system.branches[j].branch.settings.name);
}

} // namespace

std::string implausibleSystemInput(const HydronicSystem& system)
{
    if (std::string line = aboveLimit("system", "plant loss", system.settings.plantLoss, "kPa", kMostLoss);
        !line.empty())
        return line;
    for (std::size_t j = 0; j < system.branches.size(); ++j) {
        const SystemBranch& branch = system.branches[j];
        const std::string place = branchPlace(system, j);
        if (!branch.main.pipe)
            if (std::string line = aboveLimit(place, "main section loss", branch.main.loss, "kPa", kMostLoss);
                !line.empty())
                return line;
        for (std::size_t i = 0; i < branch.returns.size(); ++i) {
            if (branch.returns[i].pipe)
                continue;
            const std::string where = place + ", return section " + std::to_string(i + 1);
            if (std::string line = aboveLimit(where, "loss", branch.returns[i].loss, "kPa", kMostLoss); !line.empty())
                return line;
        }
        if (std::string line = implausibleCircuits(branch.branch, place); !line.empty())
            return line;
    }
    return {};
}

std::string implausibleSystemResult(const AppState& state, const HydronicSystem& system, const SystemResult& result)
{
    const float toKpa = pressureFactor(state);
    for (std::size_t j = 0; j < result.branches.size() && j < system.branches.size(); ++j) {
        const SystemBranchResult& branch = result.branches[j];
        const std::string place = branchPlace(system, j);
        std::string line = firstLine({
            branch.mainSection ? aboveLimit(place + ", main section", "velocity", branch.mainSection->velocity, "m/s",
                                            kMostVelocity)
                               : std::string(),
            aboveLimit(place, "main section loss", toKpa * branch.mainLoss, "kPa", kMostLoss),
            aboveLimit(place, "foot device drop", toKpa * branch.foot.drop, "kPa", kMostLoss),
            implausibleBranchResult(state, system.branches[j].branch, branch.branch, place),
        });
        if (!line.empty())
            return line;
    }
    return aboveLimit("system", "pump head", toKpa * result.pumpHead, "kPa", kMostLoss);
}
