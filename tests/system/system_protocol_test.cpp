// The commissioning protocol's chart pages: a saved system with a listed
// valve prints its chart and duty point before the branch pages.

#include "commissioning/branch_protocol_charts.h"
#include "db/system_store.h"
#include "tests/system/system_fixture.h"

namespace {

using SystemProtocol = SystemTest;

TEST_F(SystemProtocol, ASystemWithAListedValveComesBeforeTheBranchPages)
{
    BranchStore branches(db.handle(), errors);
    ASSERT_TRUE(branches.ensureTables());
    const struct {
        const char* name;
        BranchCircuit circuit;
    } saved[] = {{"Branch A", circuit("A1", 0.3f, 8, 1, BranchValveKind::VariableOrifice)},
                 {"Branch B", circuit("B1", 0.4f, 15, 3, BranchValveKind::VariableOrifice)},
                 {"Branch C", circuit("C1", 0.2f, 9, 1, BranchValveKind::VariableOrifice)}};
    for (const auto& s : saved) {
        Branch branch;
        branch.settings.name = s.name;
        branch.circuits = {s.circuit};
        ASSERT_EQ(branches.save(branch), StoreResult::Done);
    }
    SystemStore systems(db.handle(), errors);
    ASSERT_TRUE(systems.ensureTables());
    SavedSystem plant;
    plant.settings.name = "Plant";
    plant.settings.plantLoss = 10;
    plant.branches = {{"Branch A", {4, std::nullopt}, FootDevice::None, {}},
                      {"Branch B", {3, std::nullopt}, FootDevice::Controller, {}}};
    ASSERT_EQ(systems.save(plant), StoreResult::Done);

    const struct {
        const char* listed;
        std::vector<std::string> titles;
    } cases[] = {
        {"B1", {"Balance system – Plant", "Branch – Branch B"}},
        {"C1", {"Branch – Branch C"}}, // a branch of no system
        {"elsewhere", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.listed);
        ProjectRow row;
        row.posizione = 1;
        row.riferimento = c.listed;
        state.projects = {row};
        const std::vector<std::string> charts = branchChartsOfValveList(state, db);
        ASSERT_EQ(charts.size(), c.titles.size());
        for (std::size_t i = 0; i < charts.size(); ++i)
            EXPECT_NE(charts[i].find(c.titles[i]), std::string::npos) << i;
    }
    // The system's page carries its duty point: B needs 3 + 15 + 12,96 =
    // 30,96 kPa behind AS-040-03, whose least drop at 0,4 l/s is
    // 20 x (0,4 / 1,24)^2 = 2,0812; pump head 10 + 3 + 4 + 30,96 + 2,0812 = 50,04.
    state.projects[0].riferimento = "B1";
    const std::string page = branchChartsOfValveList(state, db).at(0);
    EXPECT_NE(page.find("Pump head (kPa) 50,04"), std::string::npos);
    EXPECT_NE(page.find("Total flow (l/s) 0,70"), std::string::npos);
}

} // namespace
