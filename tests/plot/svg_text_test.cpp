#include "plot/svg_text.h"

#include <gtest/gtest.h>

#include <sstream>

namespace {

TEST(SvgText, EscapesMarkupAndBlanksControlCharacters)
{
    const struct {
        const char* text;
        const char* escaped;
    } cases[] = {
        {"A&B <Nord> \"1\"", "A&amp;B &lt;Nord&gt; &quot;1&quot;"},
        {"Strang\nNord\r\t2", "Strang Nord  2"},
        {"bell\x07 esc\x1b[2J del\x7f", "bell  esc [2J del "},
        {"Förderhöhe – Шкаф", "Förderhöhe – Шкаф"},
        {"", ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(svgEscaped(c.text), c.escaped) << c.text;
}

TEST(SvgText, LongTextsAreShortenedByCharactersNotBytes)
{
    const struct {
        const char* text;
        std::size_t maxCharacters;
        const char* shortened;
    } cases[] = {
        {"Zone 12", 7, "Zone 12"},
        {"Zone 12", 6, "Zone \u2026"},
        {"Шкаф 3", 6, "Шкаф 3"},
        {"Шкаф 3 этаж", 5, "Шкаф\u2026"},
        {"Büro", 1, "\u2026"},
        {"Büro", 0, ""},
        {"", 3, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(shortenedText(c.text, c.maxCharacters), c.shortened) << c.text << " / " << c.maxCharacters;
}

TEST(SvgText, TickTextsCarryTheDecimalsOfTheirStep)
{
    const struct {
        double value;
        double step;
        const char* text;
    } cases[] = {
        {2.5, 0.5, "2,5"}, {10.0, 5.0, "10"}, {0.25, 0.05, "0,25"}, {1e-12, 0.1, "0,0"}, {-0.2, 0.1, "-0,2"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(svgTickText(c.value, c.step), c.text) << c.value << " / " << c.step;
}

TEST(SvgText, TextElementsEscapeTheirContent)
{
    std::ostringstream out;
    appendSvgText(out, 1.0, 2.345, "end", "a<b", " class=\"x\"");
    EXPECT_EQ(out.str(), "<text x=\"1.00\" y=\"2.35\" text-anchor=\"end\" class=\"x\">a&lt;b</text>\n");
}

} // namespace
