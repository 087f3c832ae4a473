#pragma once

#include <cstdint>

// A colour as the windows use it: 8 bits per channel.
struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    bool operator==(const Rgb& other) const
    {
        return red == other.red && green == other.green && blue == other.blue;
    }
    bool operator!=(const Rgb& other) const { return !(*this == other); }
};

inline constexpr Rgb kTextBlack{0, 0, 0};
// A missing result or an insufficient pressure.
inline constexpr Rgb kTextRed{222, 12, 33};
