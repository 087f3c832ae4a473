#include "commissioning/printable_text.h"

#include <gtest/gtest.h>

namespace {

struct Case {
    const char* name;
    std::u16string text;
    bool keepLineBreaks;
    std::u16string printed;
};

TEST(PrintableText, ControlCharactersReadAsBlanksAndLineBreaksAsAsked)
{
    const Case cases[] = {
        {"plain", u"Fluke 922, Nr. 12345", false, u"Fluke 922, Nr. 12345"},
        {"tab and bell", u"A\tB\aC", false, u"A B C"},
        {"delete and a C1 control", u"A\x7f" u"B\x85" u"C", false, u"A B C"},
        {"line breaks in a one-line field", u"Nord\r\nBau\n2\rOst", false, u"Nord Bau 2 Ost"},
        {"line breaks in the remarks", u"Nord\r\nBau\n2\rOst", true, u"Nord\nBau\n2\nOst"},
        {"letters beyond Latin stay", u"Зав. №12345 ✓", true, u"Зав. №12345 ✓"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(printableText(c.text, c.keepLineBreaks), c.printed) << c.name;
}

} // namespace
