#include "db/sql_format.h"

#include <charconv>

FixedDecimalText fixedDecimalText(double value)
{
    FixedDecimalText result{};
    const auto [end, error] =
        std::to_chars(result.text, result.text + sizeof result.text - 1, value, std::chars_format::fixed, 6);
    if (error == std::errc())
        *end = '\0'; // otherwise the text stays empty
    return result;
}

std::string withFixedDecimalsAsText(const char* format)
{
    std::string text(format);
    for (std::size_t i = 0; i + 1 < text.size(); ++i) {
        if (text[i] != '%')
            continue;
        if (text[i + 1] == 'f')
            text[i + 1] = 's';
        ++i; // past the conversion letter, or the second '%' of "%%"
    }
    return text;
}
