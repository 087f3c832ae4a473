#include "commissioning/branch_protocol_charts.h"

#include "branch/balance_branch.h"
#include "branch/branch_chart_svg.h"
#include "db/branch_store.h"
#include "db/product_db.h"

#include <algorithm>
#include <iostream>
#include <set>

std::vector<std::string> branchChartsOfValveList(const AppState& state, ProductDb& db)
{
    std::set<std::string> listed;
    for (const ProjectRow& row : state.projects)
        listed.insert(row.riferimento);
    BranchStore store(db.handle(), std::cerr);
    std::vector<std::string> charts;
    if (listed.empty() || !store.ensureTables())
        return charts;
    for (const std::string& name : store.names()) {
        const std::optional<Branch> branch = store.open(name);
        if (!branch || std::none_of(branch->circuits.begin(), branch->circuits.end(),
                                    [&listed](const BranchCircuit& c) { return listed.count(c.designation) > 0; }))
            continue;
        charts.push_back(branchChartSvg(state, *branch, balanceBranch(state, db, *branch)));
    }
    return charts;
}
