// The value texts of the valve list as the views show them: another
// program's word, or a number no field can hold, is "---"; every text the
// window itself stores shows as stored. Only a number is a number: a stored
// "zz" exported as 0.00.

#include "valve_list/stored_value_text.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

struct StoredTextCase {
    const char* stored;
    const char* shown;
    float number; // NaN: none to compute with
};

TEST(StoredValueText, ShowsWhatCanBeShownAndNoNumberElse)
{
    const StoredTextCase cases[] = {
        {"2,50", "2,50", 2.5f},
        {"0,37", "0,37", 0.37f},
        {"OK", "OK", 0.0f}, // the check's verdict in the KV column
        {"KO", "KO", 0.0f},
        {"Info", "---", NAN}, // a word that only begins like "inf"
        {"zz", "---", NAN},
        {"3,7 mm", "---", NAN},
        {" 2.50 ", " 2.50 ", 2.5f},
        {"", "", 0.0f},
        {"---", "---", NAN},
        {"NaN", "---", NAN},
        {"nan", "---", NAN},
        {" -Infinity ", "---", NAN},
        {"inf", "---", NAN},
        {"+INF", "---", NAN},
        {"1e39", "---", NAN},   // beyond single precision
        {"-1e39", "---", NAN},
        {"1e30", "---", NAN},   // 31 digits, more than a field holds
        {"1234567890123,5", "---", NAN}, // "1234567954432,00" in single precision: 16 characters
    };
    for (const StoredTextCase& c : cases) {
        EXPECT_EQ(shownValueText(c.stored), c.shown) << c.stored;
        const float number = storedTextNumber(c.stored);
        if (std::isnan(c.number))
            EXPECT_TRUE(std::isnan(number)) << c.stored;
        else
            EXPECT_FLOAT_EQ(number, c.number) << c.stored;
    }
}

} // namespace
