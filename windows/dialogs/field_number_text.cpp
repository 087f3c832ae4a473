#include "windows/dialogs/field_number_text.h"

#include "data/figure_text.h"
#include "data/number_text.h"

#include <cmath>

std::optional<std::string> fieldNumberText(std::optional<float> value)
{
    if (!value || !std::isfinite(*value))
        return std::nullopt;
    std::string text = formatFigure(*value);
    if (text.size() > kNumericFieldLength)
        return std::nullopt;
    return text;
}
