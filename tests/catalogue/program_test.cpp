#include "catalogue_test_support.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <sys/wait.h>

namespace fs = std::filesystem;

namespace {

struct Outcome {
    int exitCode = -1;
    std::string out;
    std::string err;
};

// Runs the built arvelo-catalogue with `arguments` (already shell-quoted).
Outcome runProgram(const TempFolder& folder, const std::string& arguments)
{
    const fs::path out = folder.path() / "stdout.txt";
    const fs::path err = folder.path() / "stderr.txt";
    const std::string command = std::string("'") + ARVELO_CATALOGUE_PROGRAM + "' " + arguments +
                                " >'" + out.string() + "' 2>'" + err.string() + "'";
    const int status = std::system(command.c_str());
    return {WIFEXITED(status) ? WEXITSTATUS(status) : -1, fileBytes(out), fileBytes(err)};
}

std::string quoted(const fs::path& path)
{
    return "'" + path.string() + "'";
}

TEST(Program, WithoutAPathShowsHowToCallIt)
{
    TempFolder folder;
    const Outcome outcome = runProgram(folder, "");
    EXPECT_EQ(outcome.exitCode, 2);
    EXPECT_EQ(outcome.err.rfind("usage: arvelo-catalogue PATH", 0), 0u) << outcome.err;
}

TEST(Program, BuildsFromItsOwnSourcesWithoutFurtherArguments)
{
    TempFolder folder;
    const fs::path target = folder.path() / "DB" / "mvd.db";
    const Outcome outcome = runProgram(folder, quoted(target));
    EXPECT_EQ(outcome.exitCode, 0) << outcome.err;
    EXPECT_NE(outcome.out.find("created the catalogue"), std::string::npos) << outcome.out;
    EXPECT_EQ(outcome.err, "");
    EXPECT_TRUE(fs::exists(target));
}

TEST(Program, RefusesAFileThatIsNoDatabaseInOneLine)
{
    TempFolder folder;
    const fs::path target = folder.path() / "mvd.db";
    writeFile(target, "not a database\n");
    const Outcome outcome = runProgram(folder, quoted(target));
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_EQ(outcome.err, "arvelo-catalogue: " + target.string() +
                               " is not an SQLite database; left unchanged\n");
    EXPECT_EQ(fileBytes(target), "not a database\n");
}

TEST(Program, ReadsSourcesFromTheGivenFolderAndNamesTheFlawedLine)
{
    TempFolder folder;
    copySources(folder.path());
    writeFile(folder.path() / "fluidi.csv",
              "numero;densita_relativa;calore_specifico;densita;nome\n0;1.000;4182;998;Acqua\n");
    const fs::path target = folder.path() / "mvd.db";
    const Outcome outcome =
        runProgram(folder, quoted(target) + " --source " + quoted(folder.path()));
    EXPECT_EQ(outcome.exitCode, 1);
    EXPECT_EQ(outcome.err.rfind("arvelo-catalogue: fluidi.csv:1: 1 fluids where 6 are needed\n", 0),
              0u)
        << outcome.err;
    EXPECT_FALSE(fs::exists(target));
}

TEST(Program, AnswersHelpAndVersionOnStandardOutput)
{
    const struct {
        const char* argument;
        const char* outputStart;
    } cases[] = {
        {"--help", "Usage: arvelo-catalogue PATH [--source DIR]\n"},
        {"-h", "Usage: arvelo-catalogue PATH [--source DIR]\n"},
        {"--version", "arvelo-catalogue 2.02.15\n"},
    };
    for (const auto& c : cases) {
        TempFolder folder;
        const Outcome outcome = runProgram(folder, c.argument);
        EXPECT_EQ(outcome.exitCode, 0) << c.argument;
        EXPECT_EQ(outcome.out.rfind(c.outputStart, 0), 0u) << c.argument << ": " << outcome.out;
        EXPECT_EQ(outcome.err, "") << c.argument;
    }
}

} // namespace
