#include "data/number_text.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <string>

namespace {

struct FormatCase {
    float value;
    const char* text;
};

class FormatCommaDecimal : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatCommaDecimal, WritesTwoDecimalsWithComma)
{
    EXPECT_EQ(formatCommaDecimal(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, FormatCommaDecimal,
                         testing::Values(FormatCase{1.5f, "1,50"}, FormatCase{20.0f, "20,00"},
                                         FormatCase{0.4321f, "0,43"}, FormatCase{1234.5f, "1234,50"},
                                         FormatCase{0.0f, "0,00"}, FormatCase{-1.25f, "-1,25"},
                                         FormatCase{3.7f, "3,70"}, FormatCase{46.25f, "46,25"},
                                         // 1.005 is 1.00499999... as a float: rounds down like printf.
                                         FormatCase{1.005f, "1,00"}, FormatCase{5.6921f, "5,69"},
                                         // Like printf: callers show their no-result state instead.
                                         FormatCase{std::numeric_limits<float>::infinity(), " inf"}));

class FormatResultNumber : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatResultNumber, ShowsWhatFitsAFieldAndNoValueOtherwise)
{
    EXPECT_EQ(formatResultNumber(GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Values, FormatResultNumber,
                         testing::Values(FormatCase{1.5f, "1,50"}, FormatCase{-1.25f, "-1,25"},
                                         FormatCase{999999999999.0f, "999999995904,00"},
                                         FormatCase{-99999999999.0f, "-99999997952,00"},
                                         FormatCase{2e12f, "---"}, FormatCase{-1e12f, "---"},
                                         FormatCase{std::numeric_limits<float>::infinity(), "---"},
                                         FormatCase{-std::numeric_limits<float>::infinity(), "---"},
                                         FormatCase{std::numeric_limits<float>::quiet_NaN(), "---"}));

TEST(FormatPointDecimal, PadsToFourCharactersLikePrintf)
{
    EXPECT_EQ(formatPointDecimal(1.5), "1.50");
    EXPECT_EQ(formatPointDecimal(0.0), "0.00");
    EXPECT_EQ(formatPointDecimal(-0.5), "-0.50");
    // 2.675 is 2.67499999... in binary: rounded from its exact value, as printf does.
    EXPECT_EQ(formatPointDecimal(2.675), "2.67");
}

struct ParseCase {
    std::string text;
    float value;
};

class ParseCommaDecimal : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseCommaDecimal, ReadsLongestLeadingNumber)
{
    const float value = parseCommaDecimal(GetParam().text);
    EXPECT_FLOAT_EQ(value, GetParam().value);
    EXPECT_EQ(std::signbit(value), std::signbit(GetParam().value)) << "the sign of a zero or infinity";
}

constexpr float kInfinity = std::numeric_limits<float>::infinity();

INSTANTIATE_TEST_SUITE_P(Texts, ParseCommaDecimal,
                         testing::Values(ParseCase{"12,5", 12.5f}, ParseCase{"1,2,3", 1.2f}, ParseCase{"", 0.0f},
                                         ParseCase{",", 0.0f}, ParseCase{",5", 0.5f}, ParseCase{"5,", 5.0f},
                                         ParseCase{"  -1,25", -1.25f}, ParseCase{"+3", 3.0f},
                                         ParseCase{"1,5e2", 150.0f}, ParseCase{"2e", 2.0f},
                                         ParseCase{"abc", 0.0f}, ParseCase{"7x", 7.0f},
                                         ParseCase{"0,00", 0.0f}, ParseCase{"100,00", 100.0f},
                                         // A decimal point is read too (typed on the command line).
                                         ParseCase{"0.5", 0.5f}, ParseCase{"OK", 0.0f},
                                         // Too small for a double, or only for a float: a signed 0.
                                         ParseCase{"1e-400", 0.0f}, ParseCase{"-1e-400", -0.0f},
                                         ParseCase{"-0," + std::string(60, '0') + "1", -0.0f},
                                         ParseCase{"0," + std::string(400, '0') + "1", 0.0f},
                                         ParseCase{"1" + std::string(400, '0') + "e-500", 0.0f},
                                         // Too large: infinite, even with a negative exponent.
                                         ParseCase{"1e400", kInfinity}, ParseCase{"-1e39", -kInfinity},
                                         ParseCase{std::string(400, '9'), kInfinity},
                                         ParseCase{"0," + std::string(100, '0') + "1e500", kInfinity},
                                         ParseCase{"1" + std::string(400, '0') + "e-50", kInfinity},
                                         // Up to halfway past the largest float, rounding stays finite.
                                         ParseCase{"3,4028235e38", std::numeric_limits<float>::max()},
                                         ParseCase{"3,4028236e38", kInfinity}));

TEST(ParseCommaDecimal, DoesNotDependOnTheCLocale)
{
    // Qt switches the C locale to the user's; a German locale must not make
    // "1,5" or the database's "1.5" read differently.
    const std::string previous = std::setlocale(LC_NUMERIC, nullptr);
    if (!std::setlocale(LC_NUMERIC, "de_DE.UTF-8"))
        GTEST_SKIP() << "no German locale installed";
    EXPECT_FLOAT_EQ(parseCommaDecimal("1,5"), 1.5f);
    EXPECT_DOUBLE_EQ(parseCDouble("1.5"), 1.5);
    EXPECT_EQ(formatCommaDecimal(1.5f), "1,50");
    std::setlocale(LC_NUMERIC, previous.c_str());
}

// A number column of the valve list holds a number or text that is none.
TEST(IsWholeCDecimal, OnlyAWholeDecimalNumberIsOne)
{
    for (const char* number : {"0.8", "0.800000", " -1.0e+39 ", "1e999", "+.5", "7.", "12"})
        EXPECT_TRUE(isWholeCDecimal(number)) << number;
    for (const char* none : {"", " ", "NaN", "Inf", "-inf", "Infinity", "12 l/s", "0,8", "1e", ".", "-", "0x10"})
        EXPECT_FALSE(isWholeCDecimal(none)) << none;
}

TEST(ParseCInteger, BehavesLikeAtoi)
{
    EXPECT_EQ(parseCInteger("42"), 42);
    EXPECT_EQ(parseCInteger(" -7"), -7);
    EXPECT_EQ(parseCInteger("12.9"), 12);
    EXPECT_EQ(parseCInteger("x"), 0);
    EXPECT_EQ(parseCInteger(""), 0);
}

struct FilterCase {
    const char* name;
    const char* stored;
    const char* typed;
    const char* storedAfter;
    bool changed;
    bool reset;
};

class AcceptNumericText : public testing::TestWithParam<FilterCase> {};

TEST_P(AcceptNumericText, KeepsFieldToDigitsAndCommas)
{
    const FilterCase& c = GetParam();
    std::string stored = c.stored;
    const NumericEdit edit = acceptNumericText(stored, c.typed);
    EXPECT_EQ(stored, c.storedAfter);
    EXPECT_EQ(edit.storedChanged, c.changed);
    EXPECT_EQ(edit.resetField, c.reset);
}

INSTANTIATE_TEST_SUITE_P(
    Keystrokes, AcceptNumericText,
    testing::Values(FilterCase{"unchanged", "12", "12", "12", false, false},
                    FilterCase{"digit_appended", "1", "15", "15", true, true},
                    FilterCase{"comma_appended", "1", "1,", "1,", true, true},
                    FilterCase{"letter_rejected", "12", "12a", "12", false, true},
                    FilterCase{"point_becomes_comma", "12", "12.", "12,", true, true},
                    FilterCase{"pasted_point_number", "", "0.5", "0,5", true, true},
                    FilterCase{"point_over_same_comma", "1,5", "1.5", "1,5", false, true},
                    FilterCase{"point_in_shorter_text", "12,5", ".", ",", true, true},
                    FilterCase{"minus_rejected", "", "-", "", false, true},
                    FilterCase{"same_length_letter", "12", "1x", "12", false, true},
                    FilterCase{"same_length_digits", "12", "13", "13", true, true},
                    FilterCase{"deleting_is_accepted", "12,5", "12,", "12,", true, false},
                    FilterCase{"shorter_taken_unchecked", "12,5", "x", "x", true, false},
                    FilterCase{"emptied", "12,5", "", "", true, false},
                    FilterCase{"non_ascii_rejected", "1", "1\xC3\xA9", "1", false, true},
                    FilterCase{"cut_to_fifteen", "", "1234567890123456", "123456789012345", true, true}),
    [](const testing::TestParamInfo<FilterCase>& info) { return std::string(info.param.name); });

// Typed key by key, as the field sees it: "0.5" was "05", a tenfold flow.
TEST(AcceptNumericText, TypingKeyByKeyKeepsTheDecimalMark)
{
    for (const auto& [keys, kept] : {std::pair{"1,5", "1,5"}, std::pair{"0.5", "0,5"}, std::pair{"12.75", "12,75"}}) {
        std::string stored;
        std::string field;
        for (char key : std::string(keys)) {
            field.push_back(key);
            acceptNumericText(stored, field);
            field = stored; // the caller puts stored back into the field
        }
        EXPECT_EQ(stored, kept) << keys;
    }
}

TEST(AcceptNumericText, ResetFieldPassesSecondTimeWithoutChange)
{
    std::string stored = "12";
    acceptNumericText(stored, "12a");
    const NumericEdit second = acceptNumericText(stored, stored);
    EXPECT_FALSE(second.storedChanged);
    EXPECT_FALSE(second.resetField);
}

} // namespace
