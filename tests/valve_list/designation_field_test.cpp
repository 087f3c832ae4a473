#include "valve_list/designation_field.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string repeated(const std::string& text, int times)
{
    std::string result;
    for (int i = 0; i < times; ++i)
        result += text;
    return result;
}

struct DesignationCase {
    const char* name;
    std::string typed;
    std::string kept;
};

TEST(DesignationField, KeepsAtMost127BytesAndNeverHalfACharacter)
{
    const std::string emoji = "\xF0\x9F\x94\xA5";        // 4 bytes
    const std::string cjkExtensionB = "\xF0\xA0\x80\x80"; // U+20000, 4 bytes
    const DesignationCase cases[] = {
        {"short", " Pump's \"room\"; 1 ", " Pump's \"room\"; 1 "},
        {"exactly full", std::string(127, 'a'), std::string(127, 'a')},
        {"one byte over", std::string(128, 'a'), std::string(127, 'a')},
        {"emoji across the limit", std::string(125, 'a') + emoji, std::string(125, 'a')},
        {"emoji ending at the limit", std::string(123, 'a') + emoji + "b", std::string(123, 'a') + emoji},
        {"extension B across the limit", std::string(124, 'a') + cjkExtensionB + cjkExtensionB,
         std::string(124, 'a')},
        {"two-byte letters", repeated("\xC3\xBC", 64), repeated("\xC3\xBC", 63)},
    };
    for (const DesignationCase& c : cases)
        EXPECT_EQ(fittedDesignation(c.typed), c.kept) << c.name;
}

TEST(DesignationField, TakesAKeystrokeWhileTheDesignationFits)
{
    EXPECT_TRUE(designationFits(u""));
    EXPECT_TRUE(designationFits(std::u16string(127, u'a')));
    EXPECT_FALSE(designationFits(std::u16string(128, u'a')));
    EXPECT_TRUE(designationFits(std::u16string(125, u'a') + u"ü"));  // 127 bytes
    EXPECT_FALSE(designationFits(std::u16string(126, u'a') + u"ü")); // 128 bytes
    EXPECT_FALSE(designationFits(std::u16string(124, u'a') + u"\U0001F525")); // 128 bytes
}

} // namespace
