#include "valve_list/stored_value_text.h"

#include "data/number_text.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>

namespace {

constexpr std::string_view kNoNumber = "---";

// What C's own conversions and other programs write for not-a-number and
// infinity, in any case, with a sign or not.
constexpr std::array<std::string_view, 3> kNonFiniteWords{"nan", "inf", "infinity"};

bool isNonFiniteWord(std::string_view text)
{
    constexpr std::string_view kBlanks = " \t\r\n\v\f";
    const std::size_t first = text.find_first_not_of(kBlanks);
    if (first == std::string_view::npos)
        return false;
    std::string word(text.substr(first, text.find_last_not_of(kBlanks) - first + 1));
    if (word[0] == '+' || word[0] == '-')
        word.erase(0, 1);
    std::transform(word.begin(), word.end(), word.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    return std::find(kNonFiniteWords.begin(), kNonFiniteWords.end(), word) != kNonFiniteWords.end();
}

} // namespace

bool spellsUnshowableNumber(std::string_view stored)
{
    return isNonFiniteWord(stored) || formatResultNumber(parseCommaDecimal(stored)) == kNoNumber;
}

float storedTextNumber(std::string_view stored)
{
    return spellsUnshowableNumber(stored) ? NAN : parseCommaDecimal(stored);
}

std::string shownValueText(const std::string& stored)
{
    return stored != kNoNumber && spellsUnshowableNumber(stored) ? std::string(kNoNumber) : stored;
}
