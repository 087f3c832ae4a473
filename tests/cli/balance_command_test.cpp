// The steps arvelo-size branch and arvelo-size system take alike, run as a
// user would: each command answers its help, and refuses in its own words,
// with one line and before balancing, what it cannot balance.

#include "tests/cli/cli_catalogue.h"
#include "tests/support/command_run.h"
#include "tests/support/file_bytes.h"
#include "tests/support/temp_folder.h"

#include <gtest/gtest.h>

namespace {

class BalanceCommand : public testing::Test {
protected:
    void SetUp() override
    {
        writeCliCatalogue(folder.path());
        std::filesystem::create_directory(folder.path() / "folder");
        const struct {
            const char* name;
            const char* bytes;
        } files[] = {
            {"branch.csv", "designation;flow;flow_unit;circuit_loss;riser_loss;pressure_unit;kind\n"
                           "R1;0,5;l/s;10;4;kPa;fixed\n"},
            {"system.csv", "branch;kind;designation;flow;flow_unit;circuit_loss;pressure_unit;riser_loss\n"
                           "A;main;;;;;kPa;4\n"
                           "A;variable;A1;0,3;l/s;8;kPa;1\n"},
            {"branch-pipes.csv",
             "designation;flow;flow_unit;circuit_loss;pressure_unit;kind;pipe_length_m;pipe_inner_diameter_mm\n"
             "R1;0,5;l/s;10;kPa;fixed;20;41,9\n"},
            // The only pipe is a return section.
            {"system-pipes.csv", "branch;kind;designation;flow;flow_unit;circuit_loss;pressure_unit;riser_loss;"
                                 "return_pipe_length_m;return_pipe_inner_diameter_mm\n"
                                 "A;main;;;;;kPa;4;;\n"
                                 "A;variable;A1;0,3;l/s;8;kPa;1;10;36\n"},
        };
        for (const auto& file : files)
            writeFile(folder.path() / file.name, file.bytes);
    }

    // Runs the command in English on the catalogue of the test's folder.
    CommandRun run(const std::string& command, const std::string& arguments)
    {
        return runCommandIn(folder.path(),
                            "env -u REZU_WORKDIR HOME='" + folder.path().string() + "' LC_ALL=C '" ARVELO_SIZE_PATH
                            "' " + command + " " + arguments,
                            folder.path() / "stderr.txt");
    }

    TempFolder folder;
};

TEST_F(BalanceCommand, RefusesWhatItCannotBalanceWithOneLineInItsOwnWords)
{
    const std::string water = "pipe sections are computed for water (--fluid 0) only: no trustworthy viscosity of "
                              "this fluid is known here; give ";
    const struct {
        const char* command;
        const char* arguments;
        std::string message;
    } cases[] = {
        {"branch", "branch.csv --colour", "The following argument was not expected: --colour"},
        {"system", "system.csv --colour", "The following argument was not expected: --colour"},
        {"branch", "branch.csv --min-dp 30", "--min-dp 30 is above --noise-limit 25: every static valve would whistle"},
        {"system", "system.csv --min-dp 30", "--min-dp 30 is above --noise-limit 25: every static valve would whistle"},
        {"branch", "folder", "folder is a folder, not a circuits file"},
        {"system", "folder", "folder is a folder, not a system file"},
        {"branch", "missing.csv", "cannot read the circuits file missing.csv"},
        {"system", "missing.csv", "cannot read the system file missing.csv"},
        {"branch", "branch.csv --db none.db", "no catalogue database at none.db"},
        {"system", "system.csv --db none.db", "no catalogue database at none.db"},
        {"branch", "branch-pipes.csv --fluid 3", "branch-pipes.csv: " + water + "riser_loss instead"},
        {"system", "system-pipes.csv --fluid 3", "system-pipes.csv: " + water + "riser_loss and return_loss instead"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.command) + " " + c.arguments);
        const CommandRun result = run(c.command, std::string(c.arguments) + " --svg chart.svg");
        EXPECT_EQ(result.status, 1);
        EXPECT_EQ(result.err, "arvelo-size " + std::string(c.command) + ": " + c.message + "\n");
        EXPECT_EQ(result.out, "");
        EXPECT_FALSE(std::filesystem::exists(folder.path() / "chart.svg"));
    }
}

TEST_F(BalanceCommand, AnswersItsHelpWithoutReadingAFile)
{
    const struct {
        const char* command;
        const char* usage;
        const char* footer;
    } cases[] = {
        {"branch", "Usage: arvelo-size branch [OPTIONS] file\n", "\nCircuits file:\n"},
        {"system", "Usage: arvelo-size system [OPTIONS] file\n", "\nSystem file:\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.command);
        const CommandRun result = run(c.command, "missing.csv --help");
        EXPECT_EQ(result.status, 0);
        EXPECT_NE(result.out.find(c.usage), std::string::npos) << result.out;
        EXPECT_NE(result.out.find(c.footer), std::string::npos) << result.out;
        EXPECT_EQ(result.err, "");
    }
}

} // namespace
