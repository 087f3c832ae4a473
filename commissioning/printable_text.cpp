#include "commissioning/printable_text.h"

namespace {

bool isControl(char16_t c) { return c < 0x20 || (c >= 0x7f && c <= 0x9f); }

} // namespace

std::u16string printableText(std::u16string_view text, bool keepLineBreaks)
{
    std::u16string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t c = text[i];
        if (c == u'\r' && i + 1 < text.size() && text[i + 1] == u'\n')
            continue; // the LF that follows stands for both
        const bool lineBreak = c == u'\n' || c == u'\r';
        if (lineBreak && keepLineBreaks)
            out += u'\n';
        else
            out += isControl(c) ? u' ' : c;
    }
    return out;
}
