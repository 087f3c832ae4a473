// A program killed at any moment while it adds valves leaves a sound file
// holding every valve whose add had returned.

#include "tests/reliability/broken_catalogue.h"
#include "tests/reliability/child_process.h"
#include "tests/reliability/valve_list_check.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

#include <chrono>
#include <random>
#include <sstream>
#include <thread>

namespace {

constexpr int kKills = 200;
constexpr int kNumbersPerRun = 100000; // each run's designations are its own

TEST(ValveListKill, EveryReturnedAddSurvivesSigkill)
{
    TempFolder folder;
    writeReliabilityCatalogue(folder.path(), threeStoredValves());
    const auto database = folder.path() / "DB" / "mvd.db";

    const unsigned seed = std::random_device{}();
    std::mt19937 random(seed);
    // From before the first add to several adds in.
    std::uniform_int_distribution<int> moment(0, 80);
    std::multiset<std::string> returned{"Riser 1", "Riser 2", "Riser 3"};
    for (int kill = 0; kill < kKills; ++kill) {
        ChildProcess writer({REZU_VALVE_LIST_WRITER, database.string(), std::to_string(kill * kNumbersPerRun)});
        std::this_thread::sleep_for(std::chrono::milliseconds(moment(random)));
        writer.kill();
        std::istringstream numbers(writer.output());
        for (long number = 0; numbers >> number;)
            returned.insert("valve " + std::to_string(number));

        const ValveListFile file = inspectValveList(database);
        ASSERT_EQ(file.integrity, "ok") << "after kill " << kill << " (seed " << seed << ")";
        for (const std::string& designation : returned)
            ASSERT_EQ(file.designations.count(designation), 1u)
                << designation << " lost after kill " << kill << " (seed " << seed << ")";
    }
    RecordProperty("valves", static_cast<int>(returned.size()));
}

} // namespace
