// arvelo-catalogue PATH [--source DIR]: writes the product catalogue into the
// SQLite file PATH, keeping the valve list it may already hold.

#include "app/program_version.h"
#include "catalogue/catalogue_builder.h"

#include <cstring>
#include <iostream>
#include <optional>
#include <string>

namespace {

constexpr const char* kUsage = "arvelo-catalogue PATH [--source DIR]\n";

constexpr const char* kHelp =
    "\n"
    "Writes the Arvelo product catalogue into the SQLite file PATH (normally DB/mvd.db in\n"
    "the working folder of Arvelo Rezu), creating the file and its folders when missing.\n"
    "An existing file keeps its valve list (table progetti): only the catalogue tables\n"
    "are written anew, in one transaction.\n"
    "\n"
    "Options:\n"
    "  --source DIR  read the catalogue sources (five CSV files and two SQL schemas)\n"
    "                from DIR instead of those installed with the program, in\n"
    "                share/arvelo-rezu/catalogue of its prefix (run from a build\n"
    "                folder: the catalogue/ folder of its source tree)\n"
    "  -h, --help    print this help and exit\n"
    "  --version     print the version and exit\n"
    "\n"
    "Exit status:\n"
    "  0  written\n"
    "  1  refused, the file left unchanged: a problem in the sources (every one is\n"
    "     listed), or PATH is no catalogue whose valve list can be kept\n"
    "  2  wrong arguments\n";

struct Arguments {
    std::string target;
    std::filesystem::path source = defaultSourceDirectory();
};

std::optional<Arguments> parseArguments(int argc, char** argv)
{
    Arguments arguments;
    for (int i = 1; i < argc; ++i) {
        const std::string argument = argv[i];
        if (argument == "--source" && i + 1 < argc)
            arguments.source = argv[++i];
        else if (argument.empty() || argument[0] == '-' || !arguments.target.empty())
            return std::nullopt;
        else
            arguments.target = argument;
    }
    if (arguments.target.empty())
        return std::nullopt;
    return arguments;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::cout << "Usage: " << kUsage << kHelp;
        return 0;
    }
    if (argc == 2 && std::strcmp(argv[1], "--version") == 0) {
        std::cout << "arvelo-catalogue " << kProgramVersion << "\n";
        return 0;
    }
    const auto arguments = parseArguments(argc, argv);
    if (!arguments) {
        std::cerr << "usage: " << kUsage << "Try 'arvelo-catalogue --help' for more information.\n";
        return 2;
    }
    const BuildResult result = buildCatalogue(arguments->target, arguments->source);
    for (const auto& message : result.messages)
        (result.written ? std::cout : std::cerr) << "arvelo-catalogue: " << message << "\n";
    return result.written ? 0 : 1;
}
