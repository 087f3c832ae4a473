#include "windows/dialogs/temperature_symbol.h"

std::u16string_view temperatureSymbol(std::size_t temperatureUnitIndex)
{
    return temperatureUnitIndex == 0 ? u"\u2103" : u"\u2109";
}
