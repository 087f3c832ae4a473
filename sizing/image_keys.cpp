#include "sizing/image_keys.h"

// Index order is the order of the candidate list's image list.
const std::array<ImageKey, kImageKeyCount> kImageKeys{{
    {"arvelo_tesa_nodo", 218, 205},
    {"arvelo_tesa", 219, 204},
    {"arvelo_nodo", 220, 206},
    {"arvelo_nodog", 221, 207},
    {"arvelo", 222, 203},
    {"mstatra_b", 223, 208},
    {"mstatra_b1", 224, 209},
    {"mstatra_bf", 225, 210},
    {"mstatra_a", 226, 211},
    {"mstatra_af", 227, 212},
    {"mflumen_b", 228, 213},
    {"mflumen_b1", 229, 214},
    {"mflumen_bf", 230, 215},
    {"mflumen_a", 231, 216},
    {"mquarz", 232, 217},
}};

std::optional<std::size_t> imageKeyIndex(std::string_view key)
{
    for (std::size_t i = 0; i < kImageKeys.size(); ++i)
        if (kImageKeys[i].key == key)
            return i;
    return std::nullopt;
}
