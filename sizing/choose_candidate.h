#pragma once

#include "app/app_state.h"
#include "data/valve_models.h"

#include <cstdint>
#include <vector>

struct CandidateChoice {
    std::int32_t found = 0;
    ChosenRow chosen;
};

// The first row of the preferred model, else the first of the alternative
// model, else the first row; names compared byte for byte over the whole
// text. A row the user clicked wins while the new list still reaches its
// position. Every row type names its model field "model".
template <typename Row>
CandidateChoice chooseCandidate(const std::vector<Row>& rows, const ModelChoice& names, ChosenRow clicked)
{
    if (rows.empty())
        return {};
    const auto firstOf = [&rows](const std::string& name) -> ChosenRow {
        for (std::size_t i = 0; i < rows.size(); ++i)
            if (rows[i].model == name)
                return i;
        return std::nullopt;
    };
    ChosenRow chosen = firstOf(names.preferred);
    if (!chosen)
        chosen = firstOf(names.alternative);
    if (!chosen)
        chosen = 0;
    if (clicked && *clicked < rows.size())
        chosen = clicked;
    return {1, chosen};
}
