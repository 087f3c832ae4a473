#include "windows/dialogs/field_number_text.h"

#include <gtest/gtest.h>

#include <limits>

namespace {

TEST(FieldNumberText, ANumberThatFitsFifteenBytesIsShownWithTheDecimalComma)
{
    EXPECT_EQ(fieldNumberText(0.0f), "0,00");
    EXPECT_EQ(fieldNumberText(514.2857f), "514,29");
    EXPECT_EQ(fieldNumberText(123456790528.0f), "123456790528,00"); // exactly 15 bytes
}

// Below 1 the text keeps three significant digits: a flow of 0,01198 l/s
// written as 0,01 was 17 % low.
TEST(FieldNumberText, ASmallNumberKeepsThreeSignificantDigits)
{
    EXPECT_EQ(fieldNumberText(0.01198f), "0,0120");
    EXPECT_EQ(fieldNumberText(0.1198f), "0,120");
    EXPECT_EQ(fieldNumberText(1.198f), "1,20");
    EXPECT_FALSE(fieldNumberText(1e-20f)) << "three digits of it need more than 15 bytes";
}

TEST(FieldNumberText, NoNumberOrOneTooLongForTheFieldGivesNoText)
{
    EXPECT_FALSE(fieldNumberText(std::nullopt));
    EXPECT_FALSE(fieldNumberText(1234567954432.0f)) << "16 bytes would be cut or overflow the field";
    EXPECT_FALSE(fieldNumberText(-123456790528.0f));
    EXPECT_FALSE(fieldNumberText(std::numeric_limits<float>::infinity())) << "\"inf\" is short but no number";
    EXPECT_FALSE(fieldNumberText(std::numeric_limits<float>::quiet_NaN()));
}

} // namespace
