#include "cli/command_line.h"

#include <CLI/CLI.hpp>

namespace {

struct OptionAdder {
    CLI::App& app;
    const CommandOption& option;

    void operator()(std::string* text) const
    {
        CLI::Option* added = app.add_option(option.name, *text, option.help);
        if (option.required)
            added->required();
    }
    void operator()(bool* on) const { app.add_flag(option.name, *on, option.help); }
};

} // namespace

ParsedCommandLine parseCommandLine(const CommandLine& line, int argc, char** argv)
{
    CLI::App app{line.description, line.name};
    app.footer(line.footer);
    for (const CommandOption& option : line.options)
        std::visit(OptionAdder{app, option}, option.value);
    ParsedCommandLine parsed;
    try {
        app.parse(argc, argv);
    } catch (const CLI::Success& help) {
        parsed.helped = true;
        parsed.status = app.exit(help);
    } catch (const CLI::ParseError& error) {
        parsed.error = error.what();
    }
    return parsed;
}
