// arvelo-catalogue PATH [--source DIR]: writes the product catalogue into the
// SQLite file PATH, keeping the valve list it may already hold.

#include "catalogue/catalogue_builder.h"

#include <iostream>
#include <optional>
#include <string>

namespace {

constexpr const char* kUsage =
    "usage: arvelo-catalogue PATH [--source DIR]\n"
    "Writes the Arvelo product catalogue into the SQLite file PATH (normally DB/mvd.db),\n"
    "creating it when missing. An existing file keeps its valve list (table progetti).\n"
    "--source DIR  read the catalogue sources from DIR instead of ";

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
    const auto arguments = parseArguments(argc, argv);
    if (!arguments) {
        std::cerr << kUsage << defaultSourceDirectory().string() << "\n";
        return 2;
    }
    const BuildResult result = buildCatalogue(arguments->target, arguments->source);
    for (const auto& message : result.messages)
        (result.written ? std::cout : std::cerr) << "arvelo-catalogue: " << message << "\n";
    return result.written ? 0 : 1;
}
