#include "paint/premultiply_alpha.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>

namespace {

struct ChannelCase {
    int channel;
    int alpha;
    int truncated;
    int rounded;
};

class PremultiplyChannel : public testing::TestWithParam<ChannelCase> {};

TEST_P(PremultiplyChannel, TruncatesForButtonsAndRoundsForPictures)
{
    const ChannelCase& c = GetParam();
    const auto channel = static_cast<std::uint8_t>(c.channel);
    const auto alpha = static_cast<std::uint8_t>(c.alpha);
    EXPECT_EQ(premultiplyChannel(channel, alpha, AlphaRounding::Truncate), c.truncated);
    EXPECT_EQ(premultiplyChannel(channel, alpha, AlphaRounding::Round), c.rounded);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PremultiplyChannel,
    testing::Values(
        // Alpha 128: f = 0.50196.
        ChannelCase{255, 128, 128, 128}, ChannelCase{1, 128, 0, 1}, ChannelCase{2, 128, 1, 1},
        ChannelCase{3, 128, 1, 2},
        ChannelCase{0, 128, 0, 0},
        // Opaque and fully transparent pixels.
        ChannelCase{200, 255, 200, 200}, ChannelCase{255, 255, 255, 255}, ChannelCase{255, 0, 0, 0},
        // 25.098, 180.39 and 187.25: below one half either way.
        ChannelCase{100, 64, 25, 25}, ChannelCase{230, 200, 180, 180}, ChannelCase{250, 191, 187, 187},
        // 254 * 127 / 255 = 126.50 - just above one half in single precision.
        ChannelCase{254, 127, 126, 127}));

TEST(PremultiplyPixels, KeepsAlphaAndTreatsEveryColourChannel)
{
    // 0xAARRGGBB: red, green and blue at alpha 128, one opaque and one clear pixel.
    const std::array<std::uint32_t, 3> source{0x80FF0103u, 0xFF102030u, 0x00FFFFFFu};
    std::array<std::uint32_t, 3> target{};
    premultiplyPixels(source.data(), target.data(), source.size(), AlphaRounding::Truncate);
    EXPECT_EQ(target[0], 0x80800001u);
    EXPECT_EQ(target[1], 0xFF102030u);
    EXPECT_EQ(target[2], 0x00000000u);

    premultiplyPixels(source.data(), target.data(), source.size(), AlphaRounding::Round);
    EXPECT_EQ(target[0], 0x80800102u);
}

} // namespace
