#include "data/argument_text.h"

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

std::string trimmedText(std::string_view text)
{
    const std::size_t first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos)
        return {};
    const std::size_t last = text.find_last_not_of(" \t");
    return std::string(text.substr(first, last - first + 1));
}

bool equalsIgnoringCase(std::string_view a, std::string_view b)
{
    const auto lower = [](char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; };
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i)
        if (lower(a[i]) != lower(b[i]))
            return false;
    return true;
}
