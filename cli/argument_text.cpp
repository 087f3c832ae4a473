#include "cli/argument_text.h"

#include <charconv>

bool isNumberText(std::string_view text)
{
    bool digit = false;
    bool mark = false;
    for (const char c : text) {
        if (c >= '0' && c <= '9') {
            digit = true;
        } else if ((c == ',' || c == '.') && !mark) {
            mark = true;
        } else {
            return false;
        }
    }
    return digit;
}

std::optional<std::size_t> parseIndexText(std::string_view text, std::size_t maxValue)
{
    if (text.empty())
        return std::nullopt;
    for (const char c : text)
        if (c < '0' || c > '9')
            return std::nullopt;
    std::size_t value = 0;
    const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
    if (error != std::errc() || end != text.data() + text.size() || value > maxValue)
        return std::nullopt;
    return value;
}
