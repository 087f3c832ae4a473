#include "paint/premultiply_alpha.h"

std::uint8_t premultiplyChannel(std::uint8_t channel, std::uint8_t alpha, AlphaRounding rounding)
{
    const float factor = static_cast<float>(alpha) / 255.0f;
    const float product = static_cast<float>(channel) * factor;
    const int truncated = static_cast<int>(product);
    if (rounding == AlphaRounding::Round && product - static_cast<float>(truncated) > 0.5f)
        return static_cast<std::uint8_t>(truncated + 1);
    return static_cast<std::uint8_t>(truncated);
}

void premultiplyPixels(const std::uint32_t* source, std::uint32_t* target, std::size_t count,
                       AlphaRounding rounding)
{
    for (std::size_t i = 0; i < count; ++i) {
        const std::uint32_t pixel = source[i];
        const auto alpha = static_cast<std::uint8_t>(pixel >> 24);
        std::uint32_t result = static_cast<std::uint32_t>(alpha) << 24;
        for (int shift = 0; shift < 24; shift += 8) {
            const auto channel = static_cast<std::uint8_t>(pixel >> shift);
            result |= static_cast<std::uint32_t>(premultiplyChannel(channel, alpha, rounding)) << shift;
        }
        target[i] = result;
    }
}
