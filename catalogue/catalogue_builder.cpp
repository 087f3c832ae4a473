#include "catalogue/catalogue_builder.h"

#include "catalogue/catalogue_file.h"
#include "catalogue/catalogue_tables.h"
#include "catalogue/catalogue_validator.h"
#include "catalogue/table_loaders.h"

#include <fstream>
#include <optional>
#include <sstream>

namespace {

std::optional<std::string> readText(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return std::nullopt;
    std::ostringstream contents;
    contents << in.rdbuf();
    return contents.str();
}

} // namespace

std::filesystem::path defaultSourceDirectory()
{
    // Installed, the sources lie at a fixed place relative to the program, so
    // any prefix works; run from the build folder, they are the source tree's.
    std::error_code error;
    const auto program = std::filesystem::read_symlink("/proc/self/exe", error);
    if (!error) {
        const auto installed = program.parent_path() / ARVELO_CATALOGUE_INSTALLED_DIR;
        if (std::filesystem::is_directory(installed, error))
            return installed.lexically_normal();
    }
    return ARVELO_CATALOGUE_SOURCE_DIR;
}

BuildResult buildCatalogue(const std::filesystem::path& target,
                           const std::filesystem::path& sourceDirectory)
{
    Problems problems;
    const CatalogueSources sources = loadCatalogueSources(sourceDirectory, problems);
    for (auto& problem : validateCatalogue(sources))
        problems.push_back(std::move(problem));
    const std::vector<TableData> tables = catalogueTables(sources, problems);

    const auto catalogueSchema = readText(sourceDirectory / "catalogue_schema.sql");
    const auto progettiSchema = readText(sourceDirectory / "progetti_schema.sql");
    if (!catalogueSchema)
        problems.push_back("catalogue_schema.sql: cannot be read");
    if (!progettiSchema)
        problems.push_back("progetti_schema.sql: cannot be read");

    if (!problems.empty()) {
        problems.push_back(std::to_string(problems.size()) + " problem" +
                           (problems.size() == 1 ? "" : "s") + " in the sources in " +
                           sourceDirectory.string() + "; " + target.string() + " left unchanged");
        return {false, problems};
    }
    const WriteResult result =
        writeCatalogueFile(target, tables, *catalogueSchema, *progettiSchema);
    return {result.written, {result.message}};
}
