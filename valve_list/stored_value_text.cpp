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

// The words the program itself keeps in place of a number: the verdict of
// a pressure check in the KV column.
constexpr std::array<std::string_view, 2> kVerdictWords{"OK", "KO"};

bool isVerdictWord(std::string_view text)
{
    return std::find(kVerdictWords.begin(), kVerdictWords.end(), text) != kVerdictWords.end();
}

// A number as the window stores one: the whole text, blanks aside, with a
// decimal comma or point.
bool isWholeNumberText(std::string_view text)
{
    std::string pointed(text);
    std::replace(pointed.begin(), pointed.end(), ',', '.');
    return isWholeCDecimal(pointed);
}

} // namespace

bool spellsUnshowableNumber(std::string_view stored)
{
    return isNonFiniteWord(stored) || formatResultNumber(parseCommaDecimal(stored)) == kNoNumber;
}

float storedTextNumber(std::string_view stored)
{
    // The file has always read an empty text and the verdict words as 0.
    if (stored.empty() || isVerdictWord(stored))
        return 0.0f;
    return isWholeNumberText(stored) && !spellsUnshowableNumber(stored) ? parseCommaDecimal(stored) : NAN;
}

std::string shownValueText(const std::string& stored)
{
    const bool shown = stored.empty() || stored == kNoNumber || isVerdictWord(stored) ||
                       (isWholeNumberText(stored) && !spellsUnshowableNumber(stored));
    return shown ? stored : std::string(kNoNumber);
}
