#include "windows/common/cell_number.h"

#include "data/number_text.h"
#include "data/text_format.h"

#include <cmath>

std::optional<float> cellNumber(const std::u16string& cell)
{
    const std::string text = utf16ToUtf8(cell);
    if (text.find_first_of("0123456789") == std::string::npos || text.find('-') != std::string::npos)
        return std::nullopt;
    const float value = parseCommaDecimal(text);
    return std::isfinite(value) ? std::optional<float>(value) : std::nullopt;
}
