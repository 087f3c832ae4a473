#pragma once

#include <cstddef>
#include <string_view>

// The dialogs show the degree signs instead of the temperature table's
// labels: U+2103 for degrees Celsius (index 0), U+2109 otherwise.
std::u16string_view temperatureSymbol(std::size_t temperatureUnitIndex);
