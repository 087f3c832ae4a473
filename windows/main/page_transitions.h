#pragma once

#include <cstdint>
#include <optional>

// Where a type button leads: the old page, the button and the work mode
// decide. Nothing when the button does not lead anywhere from that page
// (it is hidden there).
std::optional<std::int32_t> typeButtonTarget(std::int32_t oldView, int buttonId, std::int32_t workMode);
