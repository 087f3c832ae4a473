#include "cli/printable_text.h"

#include <cstdint>
#include <cstdio>

namespace {

std::string hexEscape(const char* format, unsigned value)
{
    char escaped[8];
    std::snprintf(escaped, sizeof escaped, format, value);
    return escaped;
}

// Length of the valid UTF-8 sequence at text[i] (shortest form, no
// surrogates, at most U+10FFFF), 0 when there is none.
std::size_t sequenceLength(std::string_view text, std::size_t i, std::uint32_t& codePoint)
{
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    std::size_t length = 0;
    if (lead < 0x80) {
        codePoint = lead;
        return 1;
    }
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
        codePoint = lead & 0x1F;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        codePoint = lead & 0x0F;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        codePoint = lead & 0x07;
    } else {
        return 0;
    }
    if (i + length > text.size())
        return 0;
    for (std::size_t k = 1; k < length; ++k) {
        if ((byte(i + k) & 0xC0) != 0x80)
            return 0;
        codePoint = (codePoint << 6) | (byte(i + k) & 0x3F);
    }
    const std::uint32_t smallest[] = {0, 0, 0x80, 0x800, 0x10000};
    if (codePoint < smallest[length] || codePoint > 0x10FFFF || (codePoint >= 0xD800 && codePoint <= 0xDFFF))
        return 0;
    return length;
}

} // namespace

std::string printableText(std::string_view text)
{
    std::string shown;
    shown.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        std::uint32_t codePoint = 0;
        const std::size_t length = sequenceLength(text, i, codePoint);
        if (length == 0) {
            shown += hexEscape("\\x%02x", static_cast<unsigned char>(text[i]));
            ++i;
            continue;
        }
        if (codePoint < 0x20 || codePoint == 0x7F)
            shown += hexEscape("\\x%02x", codePoint);
        else if (codePoint >= 0x80 && codePoint < 0xA0)
            shown += hexEscape("\\u%04x", codePoint);
        else
            shown.append(text.substr(i, length));
        i += length;
    }
    return shown;
}
