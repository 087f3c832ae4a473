#include "cli/catalogue_search.h"

#include <system_error>

namespace fs = std::filesystem;

namespace {

fs::path catalogueBelow(const fs::path& folder) { return folder / "DB" / "mvd.db"; }

bool isSet(const char* variable) { return variable && *variable; }

} // namespace

std::vector<fs::path> catalogueCandidates(const char* workdir, const char* home)
{
    std::vector<fs::path> candidates;
    if (isSet(workdir))
        candidates.push_back(catalogueBelow(workdir));
    if (isSet(home))
        candidates.push_back(catalogueBelow(fs::path(home) / "ArveloRezu"));
    candidates.push_back(catalogueBelow(""));
    return candidates;
}

std::optional<fs::path> firstExistingCatalogue(const std::vector<fs::path>& candidates)
{
    for (const fs::path& candidate : candidates) {
        std::error_code error;
        if (fs::is_regular_file(candidate, error))
            return candidate;
    }
    return std::nullopt;
}

std::string noCatalogueMessage(const std::vector<fs::path>& candidates)
{
    std::string tried;
    for (const fs::path& candidate : candidates)
        tried += (tried.empty() ? "" : ", ") + candidate.string();
    // The launcher's folder comes first; the program makes it on its first start.
    return "no catalogue database found (tried " + tried + "); start arvelo-rezu once, or make one with "
           "'arvelo-catalogue " + candidates.front().string() + "', or name one with --db PATH";
}
