#include "data/valve_models.h"

#include <algorithm>

namespace {

const std::array<std::vector<std::string>, kValveKindCount> kModels = {{
    {"Arvelo Quarz"},
    {"Arvelo", "Arvelo Nodo", "Arvelo Tesa", "Arvelo Nodo Tesa"},
    {"Arvelo Flumen-A", "Arvelo Flumen-B"},
    {"Arvelo Statra-A", "Arvelo Statra-B"},
}};

const std::vector<std::string> kNoModels;

} // namespace

const std::vector<std::string>& modelNamesOfKind(int kind)
{
    if (kind < 0 || kind >= kValveKindCount)
        return kNoModels;
    return kModels[static_cast<std::size_t>(kind)];
}

std::optional<std::size_t> modelPosition(int kind, const std::string& name)
{
    const auto& names = modelNamesOfKind(kind);
    const auto found = std::find(names.begin(), names.end(), name);
    if (found == names.end())
        return std::nullopt;
    return static_cast<std::size_t>(found - names.begin());
}

ModelNames defaultModelNames()
{
    return {{
        {"Arvelo Quarz", "Arvelo Quarz"},
        {"Arvelo", "Arvelo Nodo"},
        {"Arvelo Flumen-A", "Arvelo Flumen-B"},
        {"Arvelo Statra-A", "Arvelo Statra-B"},
    }};
}
