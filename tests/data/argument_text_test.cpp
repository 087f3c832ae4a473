#include "data/argument_text.h"
#include "data/ranged_number.h"
#include "data/utf8_field.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(CaseKey, NamesDifferingOnlyInCaseAreOne)
{
    const struct {
        const char* a;
        const char* b;
    } same[] = {
        {"Nord", "NORD"}, {"Süd", "SÜD"}, {"Östra", "östra"}, {"Север", "СЕВЕР"}, {"Ёлка", "ёЛКА"},
        {"Łódź", "ŁÓDŹ"}, {"Ÿ", "ÿ"},     {"Strang 3", "strang 3"},
    };
    for (const auto& c : same)
        EXPECT_EQ(caseKey(c.a), caseKey(c.b)) << c.a << " / " << c.b;
    EXPECT_NE(caseKey("Nord"), caseKey("Nord "));
    EXPECT_NE(caseKey("×"), caseKey("÷")) << "signs are no letters";
    EXPECT_EQ(caseKey("straße"), "straße");
}

TEST(IsUtf8, TellsWellFormedTextFromOtherEncodings)
{
    const struct {
        std::string text;
        bool utf8;
    } cases[] = {
        {"", true},
        {"Süd;Север;🚰", true},
        {"S\xFC" "d", false},             // Latin-1
        {"\xC3", false},                  // cut short
        {"\xC0\xAF", false},              // overlong
        {"\xE0\x80\xAF", false},          // overlong
        {"\xED\xA0\x80", false},          // a surrogate
        {"\xF4\x90\x80\x80", false},      // beyond U+10FFFF
        {"\x80", false},                  // a stray continuation byte
    };
    for (const auto& c : cases)
        EXPECT_EQ(isUtf8(c.text), c.utf8) << c.text;
}

// A spreadsheet writes large and small numbers with an exponent.
TEST(RangedNumber, TakesAnExponentAndSaysTheFormOfANumber)
{
    const struct {
        const char* text;
        float value;
    } numbers[] = {{"1e2", 100.0f}, {"1,5E+02", 150.0f}, {"2.5e-1", 0.25f}, {"12,5", 12.5f}};
    for (const auto& c : numbers) {
        float value = 0.0f;
        EXPECT_EQ(rangedNumber("flow", c.text, NumberRange::Positive, value), "") << c.text;
        EXPECT_FLOAT_EQ(value, c.value) << c.text;
    }
    for (const char* text : {"1e", "e2", "1e+", "1,5e2,1", "ten"}) {
        float value = 0.0f;
        EXPECT_EQ(rangedNumber("flow", text, NumberRange::Positive, value),
                  "flow '" + std::string(text) + "' is not a number (digits with a decimal comma or point, as 12,5 or "
                                                 "1,5E+02)");
    }
}

} // namespace
