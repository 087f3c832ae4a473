#include "db/branch_schema.h"
#include "db/branch_store.h"
#include "tests/db/product_db_fixture.h"

namespace {

class BranchStoreTest : public ProductDbFixture {
protected:
    void SetUp() override
    {
        openWith(fixture::projectsSchema());
        ASSERT_TRUE(store().ensureTables());
    }

    std::string count(const std::string& table) { return fixture::queryText(file(), "SELECT count(*) FROM " + table); }

    BranchStore store() { return BranchStore(db.handle(), errors); }
};

Branch riser(const std::string& name, std::vector<BranchCircuit> circuits)
{
    Branch branch;
    branch.settings = {name, {2.5f, 30.0f}};
    branch.circuits = std::move(circuits);
    return branch;
}

void expectSame(const Branch& read, const Branch& written)
{
    EXPECT_EQ(read.settings.name, written.settings.name);
    EXPECT_EQ(read.settings.limits.minimumStaticDp, written.settings.limits.minimumStaticDp);
    EXPECT_EQ(read.settings.limits.noiseLimit, written.settings.limits.noiseLimit);
    EXPECT_EQ(read.settings.limits.fluidTemperature, written.settings.limits.fluidTemperature);
    EXPECT_EQ(read.settings.limits.velocityLimit, written.settings.limits.velocityLimit);
    EXPECT_EQ(read.settings.limits.authorityLimit, written.settings.limits.authorityLimit);
    ASSERT_EQ(read.circuits.size(), written.circuits.size());
    for (std::size_t i = 0; i < read.circuits.size(); ++i) {
        EXPECT_EQ(read.circuits[i].designation, written.circuits[i].designation);
        EXPECT_EQ(read.circuits[i].flow, written.circuits[i].flow);
        EXPECT_EQ(read.circuits[i].circuitLoss, written.circuits[i].circuitLoss);
        EXPECT_EQ(read.circuits[i].riserLoss, written.circuits[i].riserLoss);
        EXPECT_EQ(read.circuits[i].kind, written.circuits[i].kind);
        ASSERT_EQ(read.circuits[i].heatLoad.has_value(), written.circuits[i].heatLoad.has_value());
        if (const auto& load = written.circuits[i].heatLoad) {
            EXPECT_EQ(read.circuits[i].heatLoad->power, load->power);
            EXPECT_EQ(read.circuits[i].heatLoad->powerUnit, load->powerUnit);
            EXPECT_EQ(read.circuits[i].heatLoad->supplyTemperature, load->supplyTemperature);
            EXPECT_EQ(read.circuits[i].heatLoad->returnTemperature, load->returnTemperature);
            EXPECT_EQ(read.circuits[i].heatLoad->temperatureUnit, load->temperatureUnit);
        }
        ASSERT_EQ(read.circuits[i].pipe.has_value(), written.circuits[i].pipe.has_value());
        if (const auto& pipe = written.circuits[i].pipe) {
            EXPECT_EQ(read.circuits[i].pipe->lengthM, pipe->lengthM);
            EXPECT_EQ(read.circuits[i].pipe->innerDiameterMm, pipe->innerDiameterMm);
            EXPECT_EQ(read.circuits[i].pipe->roughnessMm, pipe->roughnessMm);
            EXPECT_EQ(read.circuits[i].pipe->zeta, pipe->zeta);
        }
        EXPECT_EQ(read.circuits[i].controlValveKvs, written.circuits[i].controlValveKvs);
    }
}

const std::vector<BranchCircuit> kThree = {
    {"O'Neill \xE2\x80\x93 B\xC3\xBCro", 1.0f / 3.0f, 12.25f, 4.0f, BranchValveKind::VariableOrifice, std::nullopt,
     std::nullopt, std::nullopt},
    {"Zone 2", 0.125f, 8.0f, 0.1f, BranchValveKind::PressureIndependent,
     CircuitHeatLoad{20.9f, "kW", 70.0f, 60.0f, "C"}, std::nullopt, std::nullopt},
    {"Zone 3", 2.0f, 0.0f, 3.0f, BranchValveKind::FixedOrifice, std::nullopt, std::nullopt, std::nullopt},
};

// The circuits of kThree with a pipe section and a control valve each, in a
// branch whose pipe settings are not the defaults.
Branch piped(const std::string& name)
{
    Branch branch = riser(name, kThree);
    branch.settings.limits.fluidTemperature = 45.5f;
    branch.settings.limits.velocityLimit = 0.7f;
    branch.settings.limits.authorityLimit = 0.3f;
    branch.circuits[0].pipe = PipeSection{12.5f, 27.3f, 0.045f, 3.5f};
    branch.circuits[0].controlValveKvs = 2.5f;
    branch.circuits[2].pipe = PipeSection{4.0f, 53.1f, 0.0015f, 0.0f};
    return branch;
}

TEST_F(BranchStoreTest, SavedBranchesReadBackExactlyInOrderAndByName)
{
    const Branch first = riser("Riser B", kThree);
    const Branch second = riser("Riser A; DROP TABLE rami", {kThree[1]});
    ASSERT_EQ(store().save(first), StoreResult::Done);
    ASSERT_EQ(store().save(second), StoreResult::Done);
    EXPECT_EQ(store().names(), (std::vector<std::string>{"Riser A; DROP TABLE rami", "Riser B"}));
    expectSame(store().open("Riser B").value(), first);
    expectSame(store().open("Riser A; DROP TABLE rami").value(), second);
    EXPECT_FALSE(store().open("Riser C"));
    EXPECT_TRUE(errors.str().empty()) << errors.str();
}

TEST_F(BranchStoreTest, PipeSectionsControlValvesAndTheirSettingsReadBack)
{
    ASSERT_EQ(store().save(piped("Riser P")), StoreResult::Done);
    expectSame(store().open("Riser P").value(), piped("Riser P"));
    // Saved again without them, none is left behind.
    ASSERT_EQ(store().save(riser("Riser P", kThree)), StoreResult::Done);
    expectSame(store().open("Riser P").value(), riser("Riser P", kThree));
    EXPECT_TRUE(errors.str().empty()) << errors.str();
}

TEST_F(BranchStoreTest, SavingUnderTheSameNameReplacesTheBranch)
{
    ASSERT_EQ(store().save(riser("Riser A", kThree)), StoreResult::Done);
    Branch shorter = riser("Riser A", {kThree[2]});
    shorter.settings.limits.noiseLimit = 20.0f;
    ASSERT_EQ(store().save(shorter), StoreResult::Done);
    expectSame(store().open("Riser A").value(), shorter);
    EXPECT_EQ(count("rami"), "1");
    EXPECT_EQ(count("rami_circuiti"), "1");
    EXPECT_EQ(store().save(riser("", kThree)), StoreResult::NoName);
}

TEST_F(BranchStoreTest, RenameAndDelete)
{
    ASSERT_EQ(store().save(riser("Riser A", kThree)), StoreResult::Done);
    ASSERT_EQ(store().save(riser("Riser B", {kThree[0]})), StoreResult::Done);

    EXPECT_EQ(store().rename("Riser A", "Riser B"), StoreResult::NameTaken);
    EXPECT_EQ(store().rename("Riser C", "Riser D"), StoreResult::Missing);
    EXPECT_EQ(store().rename("Riser A", ""), StoreResult::NoName);
    EXPECT_EQ(store().open("Riser A").value().circuits.size(), 3u) << "a refused rename changes nothing";

    EXPECT_EQ(store().rename("Riser A", "Riser C"), StoreResult::Done);
    EXPECT_EQ(store().names(), (std::vector<std::string>{"Riser B", "Riser C"}));
    EXPECT_EQ(store().open("Riser C").value().circuits.size(), 3u);

    EXPECT_EQ(store().remove("Riser C"), StoreResult::Done);
    EXPECT_EQ(store().remove("Riser C"), StoreResult::Missing);
    EXPECT_EQ(store().names(), (std::vector<std::string>{"Riser B"}));
    EXPECT_EQ(count("rami_circuiti"), "1") << "the circuits go with their branch";
    EXPECT_TRUE(errors.str().empty()) << errors.str();
}

TEST_F(BranchStoreTest, AFailedSaveLeavesTheSavedBranchAsItWas)
{
    ASSERT_EQ(store().save(riser("Riser A", kThree)), StoreResult::Done);
    fixture::execute(file(), "CREATE TRIGGER refuse BEFORE INSERT ON rami_circuiti WHEN NEW.riferimento = 'bad'"
                             " BEGIN SELECT RAISE(ABORT, 'refused'); END;");
    Branch changed =
        riser("Riser A", {kThree[0], {"bad", 1.0f, 1.0f, 1.0f, BranchValveKind::FixedOrifice, std::nullopt,
                                      std::nullopt, std::nullopt}});
    changed.settings.limits.minimumStaticDp = 9.0f;
    EXPECT_EQ(store().save(changed), StoreResult::Failed);
    EXPECT_EQ(errors.str(), "SQL error Branch_Save: refused\n");
    expectSame(store().open("Riser A").value(), riser("Riser A", kThree));
}

TEST_F(BranchStoreTest, TablesAreCreatedOnceAndKeepTheirRows)
{
    ASSERT_EQ(store().save(riser("Riser A", kThree)), StoreResult::Done);
    EXPECT_TRUE(store().ensureTables());
    EXPECT_EQ(count("rami_circuiti"), "3");
    expectSame(store().open("Riser A").value(), riser("Riser A", kThree));
}

// A file saved before circuits kept their heat load and their pipes: its
// circuits read back as they were, without them, its branch with the
// default pipe settings, and the next save keeps them.
TEST_F(BranchStoreTest, TablesWithoutTheLaterColumnsGetThem)
{
    fixture::execute(file(), "DROP TABLE rami; DROP TABLE rami_circuiti;"
                             "CREATE TABLE rami (id INTEGER PRIMARY KEY, nome TEXT NOT NULL UNIQUE,"
                             " dp_min_statica REAL NOT NULL, limite_rumore REAL NOT NULL);"
                             "CREATE TABLE rami_circuiti (ramo INTEGER NOT NULL, ordine INTEGER NOT NULL,"
                             " riferimento TEXT NOT NULL, portata REAL NOT NULL, perdita_circuito REAL NOT NULL,"
                             " perdita_colonna REAL NOT NULL, tipo INTEGER NOT NULL, PRIMARY KEY (ramo, ordine));"
                             "INSERT INTO rami VALUES (1, 'Riser A', 2.5, 30);"
                             "INSERT INTO rami_circuiti VALUES (1, 0, 'Zone 3', 2, 0, 3, 0);");
    ASSERT_TRUE(store().ensureTables());
    expectSame(store().open("Riser A").value(), riser("Riser A", {kThree[2]}));
    ASSERT_EQ(store().save(piped("Riser A")), StoreResult::Done);
    expectSame(store().open("Riser A").value(), piped("Riser A"));
    EXPECT_TRUE(store().ensureTables()) << "the columns are added once";
    EXPECT_TRUE(errors.str().empty()) << errors.str();
}

} // namespace
