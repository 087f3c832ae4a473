#include "windows/main/page_transitions.h"

#include "windows/main/main_window_ids.h"

#include <algorithm>
#include <array>

namespace {

struct TypeTransition {
    int button;
    std::array<std::int32_t, 4> from; // pages the button leads away from; 0 pads
    std::int32_t sizing;              // target with work mode 0
    std::int32_t commissioning;       // target with work mode 1; 0 none
};

// The second type buttons have no commissioning page: they are hidden then.
constexpr std::array<TypeTransition, 4> kTransitions{{
    {MainWindowId::kFirstTypeButton, {2, 3, 4, 5}, 3, 4},
    {MainWindowId::kFirstTypeButton, {7, 8, 9, 10}, 8, 9},
    {MainWindowId::kSecondTypeButton, {2, 3, 5, 0}, 5, 0},
    {MainWindowId::kSecondTypeButton, {7, 8, 10, 0}, 10, 0},
}};

} // namespace

std::optional<std::int32_t> typeButtonTarget(std::int32_t oldView, int buttonId, std::int32_t workMode)
{
    for (const TypeTransition& transition : kTransitions) {
        if (transition.button != buttonId || oldView == 0)
            continue;
        if (std::find(transition.from.begin(), transition.from.end(), oldView) == transition.from.end())
            continue;
        const std::int32_t target = workMode == 0 ? transition.sizing : transition.commissioning;
        if (target != 0)
            return target;
    }
    return std::nullopt;
}
