#include "data/argument_text.h"

#include "data/text_format.h"

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

namespace {

// The small letter of a capital of the scripts caseKey folds.
char16_t smallLetter(char16_t c)
{
    const auto pairs = [c](char16_t from, char16_t to, bool evenIsCapital) {
        return c >= from && c <= to && ((c % 2 == 0) == evenIsCapital);
    };
    if ((c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7) || (c >= 0x391 && c <= 0x3AB && c != 0x3A2) ||
        (c >= 0x410 && c <= 0x42F))
        return static_cast<char16_t>(c + 32);
    if (c >= 0x400 && c <= 0x40F)
        return static_cast<char16_t>(c + 80);
    if (pairs(0x100, 0x137, true) || pairs(0x139, 0x148, false) || pairs(0x14A, 0x177, true) ||
        pairs(0x179, 0x17E, false))
        return static_cast<char16_t>(c + 1);
    if (c == 0x178)
        return 0xFF; // Ÿ
    return c;
}

} // namespace

std::string caseKey(std::string_view utf8)
{
    std::u16string text = utf8ToUtf16(utf8);
    for (char16_t& c : text)
        c = smallLetter(c);
    return utf16ToUtf8(text);
}
