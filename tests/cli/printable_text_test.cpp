#include "cli/locale_language.h"
#include "cli/printable_text.h"

#include <gtest/gtest.h>

namespace {

struct PrintableCase {
    std::string text;
    const char* shown;
};

TEST(PrintableText, EscapesWhatATerminalWouldObeyAndKeepsLetters)
{
    const PrintableCase cases[] = {
        {"view;flow", "view;flow"},
        {"Öffnung Расход", "Öffnung Расход"},
        {"\x1b[2J", "\\x1b[2J"},
        {"a\tb\r\n", "a\\x09b\\x0d\\x0a"},
        {"\x7f", "\\x7f"},
        {"\xC2\x9B" "31m", "\\u009b31m"},       // CSI in its UTF-8 form
        {"\x9B" "31m", "\\x9b31m"},             // CSI as a lone byte
        {"\xC2\xA0", "\xC2\xA0"},               // no-break space stays
        {"\xE2\x82", "\\xe2\\x82"},             // cut-off sequence
        {"\xC0\xAF", "\\xc0\\xaf"},             // overlong slash
        {"\xED\xA0\x80", "\\xed\\xa0\\x80"},    // surrogate
        {"\xF4\x90\x80\x80", "\\xf4\\x90\\x80\\x80"}, // beyond U+10FFFF
        {"\xF0\x9F\x94\xA7", "\xF0\x9F\x94\xA7"}, // a 4-byte character
        {std::string("a\0b", 3), "a\\x00b"},
    };
    for (const PrintableCase& c : cases)
        EXPECT_EQ(printableText(c.text), c.shown) << c.shown;
}

struct PrintableLocaleCase {
    const char* lcAll;
    const char* lcMessages;
    const char* lang;
    int language;
};

TEST(LocaleLanguage, TheFirstSetVariableChoosesOneOfTheSevenElseEnglish)
{
    const PrintableLocaleCase cases[] = {
        {nullptr, nullptr, nullptr, 1},
        {"", "", "", 1},
        {nullptr, nullptr, "it_IT.UTF-8", 0},
        {nullptr, nullptr, "es", 2},
        {nullptr, nullptr, "de_AT@euro", 3},
        {nullptr, "fr_CA.UTF-8", "de_DE.UTF-8", 4},
        {"sv_SE.UTF-8", "fr_FR", "de_DE", 5},
        {"", "ru_RU.UTF-8", "de_DE", 6},
        {"C", "ru_RU.UTF-8", nullptr, 1},
        {"POSIX", nullptr, nullptr, 1},
        {nullptr, nullptr, "pt_BR.UTF-8", 1},
        {nullptr, nullptr, "dex_DE", 1},
        {nullptr, nullptr, "C.UTF-8", 1},
    };
    for (const PrintableLocaleCase& c : cases)
        EXPECT_EQ(localeLanguage(c.lcAll, c.lcMessages, c.lang), c.language)
            << (c.lcAll ? c.lcAll : "-") << " " << (c.lcMessages ? c.lcMessages : "-") << " " << (c.lang ? c.lang : "-");
}

} // namespace
