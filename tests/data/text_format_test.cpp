#include "data/text_format.h"
#include "data/utf8_field.h"

#include <gtest/gtest.h>

namespace {

TEST(FormatText, FillsPlaceholdersInOrderAndKeepsOtherPercentSigns)
{
    EXPECT_EQ(formatText(u"Flow rate (%s)", {u"l/s"}), u"Flow rate (l/s)");
    EXPECT_EQ(formatText(u"%s - %s", {u"0,10", u"0,50"}), u"0,10 - 0,50");
    EXPECT_EQ(formatText(u"Opening (%)", {}), u"Opening (%)");
    EXPECT_EQ(formatText(u"Water and glycol 10%", {u"x"}), u"Water and glycol 10%");
    EXPECT_EQ(formatText(u"a %s b %s", {u"1"}), u"a 1 b ");
}

TEST(Utf8, RoundTripsAllPlanes)
{
    const std::u16string text = u"Größe Ø ДУ 15 \u00A0 \U0001F527";
    EXPECT_EQ(utf8ToUtf16(utf16ToUtf8(text)), text);
    EXPECT_EQ(utf16ToUtf8(u"Pусский"), "P\xD1\x83\xD1\x81\xD1\x81\xD0\xBA\xD0\xB8\xD0\xB9");
}

TEST(Utf8, InvalidBytesBecomeReplacementCharacters)
{
    EXPECT_EQ(utf8ToUtf16("a\xFF" "b"), u"a\uFFFDb");
    EXPECT_EQ(utf8ToUtf16("\xC3"), u"\uFFFD");        // cut sequence
    EXPECT_EQ(utf8ToUtf16("\xC0\xAF"), u"\uFFFD\uFFFD"); // overlong slash
}

struct TruncateCase {
    const char* text;
    std::size_t maxBytes;
    const char* expected;
};

TEST(TruncateUtf8, NeverSplitsACharacter)
{
    const TruncateCase cases[] = {
        {"abc", 5, "abc"},
        {"abcdef", 3, "abc"},
        {"a\xC3\xA9", 2, "a"},                 // é would be split
        {"a\xC3\xA9", 3, "a\xC3\xA9"},
        {"\xE2\x82\xAC\xE2\x82\xAC", 4, "\xE2\x82\xAC"}, // two euro signs
        {"", 0, ""},
    };
    for (const auto& c : cases)
        EXPECT_EQ(truncateUtf8(c.text, c.maxBytes), c.expected) << c.text << " / " << c.maxBytes;
}

} // namespace
