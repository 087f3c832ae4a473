#include "commissioning/branch_protocol_charts.h"

#include "branch/balance_branch.h"
#include "branch/branch_chart_svg.h"
#include "db/branch_store.h"
#include "db/product_db.h"
#include "db/system_store.h"
#include "system/balance_system.h"
#include "system/system_chart_svg.h"

#include <algorithm>
#include <iostream>
#include <set>

namespace {

bool hasListedValve(const Branch& branch, const std::set<std::string>& listed)
{
    return std::any_of(branch.circuits.begin(), branch.circuits.end(),
                       [&listed](const BranchCircuit& c) { return listed.count(c.designation) > 0; });
}

// The charts of the saved systems with a listed valve in one of their
// branches. A system without a valid pump head has no true chart to print.
std::vector<std::string> systemCharts(const AppState& state, ProductDb& db, BranchStore& branches,
                                      const std::set<std::string>& listed)
{
    SystemStore systems(db.handle(), std::cerr);
    std::vector<std::string> charts;
    if (!systems.ensureTables())
        return charts;
    for (const std::string& name : systems.names()) {
        const std::optional<HydronicSystem> system = openSystem(systems, branches, name);
        if (!system || std::none_of(system->branches.begin(), system->branches.end(),
                                    [&listed](const SystemBranch& b) { return hasListedValve(b.branch, listed); }))
            continue;
        const SystemResult result = balanceSystem(state, db, *system);
        if (result.complete)
            charts.push_back(systemChartSvg(state, *system, result));
    }
    return charts;
}

} // namespace

std::vector<std::string> branchChartsOfValveList(const AppState& state, ProductDb& db)
{
    std::set<std::string> listed;
    for (const ProjectRow& row : state.projects)
        listed.insert(row.riferimento);
    BranchStore store(db.handle(), std::cerr);
    if (listed.empty() || !store.ensureTables())
        return {};
    std::vector<std::string> charts = systemCharts(state, db, store, listed);
    for (const std::string& name : store.names()) {
        const std::optional<Branch> branch = store.open(name);
        if (branch && hasListedValve(*branch, listed))
            charts.push_back(branchChartSvg(state, *branch, balanceBranch(state, db, *branch)));
    }
    return charts;
}
