#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string_view>

// The pictures of a catalogue row's image key: the small image of the
// candidate list and the large picture of the results panel (resource ids).
struct ImageKey {
    std::string_view key;
    int listImage;
    int picture;
};

inline constexpr std::size_t kImageKeyCount = 15;
extern const std::array<ImageKey, kImageKeyCount> kImageKeys;

// Index of a key in kImageKeys (compared byte for byte), if it is there.
std::optional<std::size_t> imageKeyIndex(std::string_view key);
