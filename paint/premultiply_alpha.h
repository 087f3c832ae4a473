#pragma once

#include <cstddef>
#include <cstdint>

// Premultiplication of straight-alpha pixels for source-over drawing. Each
// colour channel c becomes c * (A / 255) in single precision, A unchanged.
// The button cuts the product off toward zero; the picture control rounds
// it, a remainder of exactly one half rounding down.
enum class AlphaRounding { Truncate, Round };

std::uint8_t premultiplyChannel(std::uint8_t channel, std::uint8_t alpha, AlphaRounding rounding);

// Pixels as 32-bit values 0xAARRGGBB (blue in the lowest byte), from
// straight alpha in source to premultiplied in target; both hold count pixels.
void premultiplyPixels(const std::uint32_t* source, std::uint32_t* target, std::size_t count,
                       AlphaRounding rounding);
