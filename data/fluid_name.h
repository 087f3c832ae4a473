#pragma once

#include <cstdint>
#include <string_view>

// The name of a valve-list row's fluid in a language: water, then glycol
// 10 % to 50 %. A position outside the six fluids (a row written by another
// program) has no name rather than some unrelated text of the table.
std::u16string_view fluidName(std::uint8_t fluido, int languageIndex);
