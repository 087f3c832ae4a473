// Saved systems: their branches by the saved branches, in main order, with
// the main's sections, feet and returns; a change in one transaction.

#include "db/branch_schema.h"
#include "db/system_store.h"
#include "tests/db/product_db_fixture.h"

namespace {

class SystemStoreTest : public ProductDbFixture {
protected:
    void SetUp() override
    {
        openWith(fixture::projectsSchema());
        ASSERT_TRUE(branches().ensureTables());
        ASSERT_TRUE(systems().ensureTables());
        for (const char* name : {"North", "East", "West"}) {
            Branch branch;
            branch.settings.name = name;
            branch.circuits = {{std::string(name) + " 1", 0.3f, 8, 1, BranchValveKind::VariableOrifice, std::nullopt,
                                std::nullopt, std::nullopt}};
            ASSERT_EQ(branches().save(branch), StoreResult::Done);
        }
    }

    BranchStore branches() { return BranchStore(db.handle(), errors); }
    SystemStore systems() { return SystemStore(db.handle(), errors); }
};

// Main order unlike the names' order; a pipe main, a reverse-return branch
// with a typed and a piped return.
SavedSystem plant(const std::string& name)
{
    SavedSystem system;
    system.settings = {name, 12.5f, {4.0f, 20.0f, 70.0f, 1.5f}};
    system.branches = {
        {"West", {4.0f, std::nullopt}, FootDevice::None, {}},
        {"North", {0.0f, PipeSection{12.0f, 53.1f, 0.05f, 2.5f}}, FootDevice::Controller, {}},
        {"East", {2.0f, std::nullopt}, FootDevice::VariableOrificeValve,
         {{0.5f, std::nullopt}, {0.0f, PipeSection{6.0f, 27.3f, 0.045f, 1.0f}}}},
    };
    return system;
}

void expectSame(const SavedSystem& read, const SavedSystem& written)
{
    EXPECT_EQ(read.settings.name, written.settings.name);
    EXPECT_EQ(read.settings.plantLoss, written.settings.plantLoss);
    EXPECT_EQ(read.settings.limits.fluidTemperature, written.settings.limits.fluidTemperature);
    EXPECT_EQ(read.settings.limits.velocityLimit, written.settings.limits.velocityLimit);
    EXPECT_EQ(read.settings.limits.noiseLimit, written.settings.limits.noiseLimit);
    EXPECT_EQ(read.settings.limits.minimumStaticDp, written.settings.limits.minimumStaticDp);
    ASSERT_EQ(read.branches.size(), written.branches.size());
    const auto samePipe = [](const std::optional<PipeSection>& a, const std::optional<PipeSection>& b) {
        ASSERT_EQ(a.has_value(), b.has_value());
        if (b) {
            EXPECT_EQ(a->lengthM, b->lengthM);
            EXPECT_EQ(a->innerDiameterMm, b->innerDiameterMm);
            EXPECT_EQ(a->roughnessMm, b->roughnessMm);
            EXPECT_EQ(a->zeta, b->zeta);
        }
    };
    for (std::size_t j = 0; j < read.branches.size(); ++j) {
        SCOPED_TRACE(j);
        EXPECT_EQ(read.branches[j].branchName, written.branches[j].branchName);
        EXPECT_EQ(read.branches[j].main.loss, written.branches[j].main.loss);
        samePipe(read.branches[j].main.pipe, written.branches[j].main.pipe);
        EXPECT_EQ(read.branches[j].foot, written.branches[j].foot);
        ASSERT_EQ(read.branches[j].returns.size(), written.branches[j].returns.size());
        for (std::size_t i = 0; i < read.branches[j].returns.size(); ++i) {
            EXPECT_EQ(read.branches[j].returns[i].loss, written.branches[j].returns[i].loss);
            samePipe(read.branches[j].returns[i].pipe, written.branches[j].returns[i].pipe);
        }
    }
}

TEST_F(SystemStoreTest, SavedSystemsReadBackExactlyInMainOrder)
{
    ASSERT_EQ(systems().save(plant("Plant B")), StoreResult::Done);
    ASSERT_EQ(systems().save(plant("Plant A")), StoreResult::Done);
    EXPECT_EQ(systems().names(), (std::vector<std::string>{"Plant A", "Plant B"}));
    expectSame(systems().open("Plant B").value(), plant("Plant B"));
    EXPECT_FALSE(systems().open("Plant C"));

    // Saving again under the name replaces it.
    SavedSystem shorter = plant("Plant B");
    shorter.branches.pop_back();
    shorter.settings.plantLoss = 3.0f;
    ASSERT_EQ(systems().save(shorter), StoreResult::Done);
    expectSame(systems().open("Plant B").value(), shorter);
    EXPECT_EQ(errors.str(), "");
}

// The system follows its branches: a renamed branch keeps its place, a
// deleted one leaves the system; the assembled system has the saved
// branches' circuits.
TEST_F(SystemStoreTest, ItsBranchesAreTheSavedBranches)
{
    ASSERT_EQ(systems().save(plant("Plant")), StoreResult::Done);
    ASSERT_EQ(branches().rename("North", "North riser"), StoreResult::Done);
    ASSERT_EQ(branches().remove("West"), StoreResult::Done);
    const SavedSystem saved = systems().open("Plant").value();
    ASSERT_EQ(saved.branches.size(), 2u);
    EXPECT_EQ(saved.branches[0].branchName, "North riser");
    EXPECT_EQ(saved.branches[1].branchName, "East");

    SystemStore systemStore = systems();
    BranchStore branchStore = branches();
    const HydronicSystem system = openSystem(systemStore, branchStore, "Plant").value();
    ASSERT_EQ(system.branches.size(), 2u);
    EXPECT_EQ(system.branches[0].branch.circuits.at(0).designation, "North 1");
    EXPECT_EQ(system.branches[0].foot, FootDevice::Controller);
    EXPECT_EQ(system.branches[1].returns.size(), 2u);
    EXPECT_EQ(system.settings.plantLoss, 12.5f);
}

TEST_F(SystemStoreTest, RefusalsLeaveTheSavedSystemAsItWas)
{
    ASSERT_EQ(systems().save(plant("Plant")), StoreResult::Done);
    ASSERT_EQ(systems().save(plant("Other")), StoreResult::Done);
    SavedSystem unknown = plant("Plant");
    unknown.branches[1].branchName = "South";
    unknown.settings.plantLoss = 99.0f;
    const struct {
        const char* name;
        StoreResult result, expected;
    } cases[] = {
        {"BranchNotSaved", systems().save(unknown), StoreResult::Missing},
        {"NoName", systems().save(plant("")), StoreResult::NoName},
        {"RenameToATakenName", systems().rename("Plant", "Other"), StoreResult::NameTaken},
        {"RenameToNothing", systems().rename("Plant", ""), StoreResult::NoName},
        {"RenameAMissingOne", systems().rename("Nothing", "New"), StoreResult::Missing},
        {"RemoveAMissingOne", systems().remove("Nothing"), StoreResult::Missing},
    };
    for (const auto& c : cases)
        EXPECT_EQ(c.result, c.expected) << c.name;
    expectSame(systems().open("Plant").value(), plant("Plant"));

    ASSERT_EQ(systems().rename("Plant", "Renamed"), StoreResult::Done);
    expectSame(systems().open("Renamed").value(), plant("Renamed"));
    ASSERT_EQ(systems().remove("Renamed"), StoreResult::Done);
    EXPECT_EQ(systems().names(), std::vector<std::string>{"Other"});
    EXPECT_EQ(fixture::queryText(file(), "SELECT count(*) FROM impianti_rami"), "3");
    EXPECT_EQ(fixture::queryText(file(), "SELECT count(*) FROM impianti_ritorni"), "2");
    // Tables made again keep their rows.
    EXPECT_TRUE(systems().ensureTables());
    expectSame(systems().open("Other").value(), plant("Other"));
}

} // namespace
