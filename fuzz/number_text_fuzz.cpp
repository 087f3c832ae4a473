// The number texts on any bytes: the input filter of the numeric fields,
// reading a typed number and writing one.

#include "data/number_text.h"
#include "data/utf8_field.h"
#include "fuzz/fuzz_check.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>
#include <string_view>

namespace {

bool onlyDigitsAndCommas(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return (c >= '0' && c <= '9') || c == ','; });
}

// The field held `before` (at most 15 bytes) and now shows `typed`.
void checkFilter(const std::string& before, std::string_view typed)
{
    std::string stored = before;
    const NumericEdit edit = acceptNumericText(stored, typed);
    const std::string candidate = truncateUtf8(typed, kNumericFieldLength);
    std::string commas = candidate;
    std::replace(commas.begin(), commas.end(), '.', ',');
    FUZZ_CHECK(stored.size() <= kNumericFieldLength);
    if (candidate == before) {
        FUZZ_CHECK(!edit.storedChanged && !edit.resetField && stored == before);
    } else if (candidate.size() < before.size()) {
        // Deleting always works; a point shown becomes the comma.
        FUZZ_CHECK(edit.storedChanged && stored == commas && edit.resetField == (commas != candidate));
    } else {
        const bool numeric = onlyDigitsAndCommas(commas);
        FUZZ_CHECK(edit.resetField);
        FUZZ_CHECK(edit.storedChanged == (numeric && commas != before));
        FUZZ_CHECK(stored == (numeric ? commas : before));
    }
    // Putting stored back into the field reports a change that ends there.
    std::string again = stored;
    const NumericEdit second = acceptNumericText(again, stored);
    FUZZ_CHECK(!second.storedChanged && !second.resetField && again == stored);
}

void checkParse(std::string_view text)
{
    const float value = parseCommaDecimal(text);
    FUZZ_CHECK(!std::isnan(value));
    // What the filter lets into a field always reads as a plain number.
    if (text.size() <= kNumericFieldLength && onlyDigitsAndCommas(text))
        FUZZ_CHECK(std::isfinite(value) && value >= 0.0f && value <= 1e15f);
}

void checkFormat(float value)
{
    if (!std::isfinite(value))
        return;
    const std::string text = formatCommaDecimal(value);
    FUZZ_CHECK(text.size() >= 4);
    FUZZ_CHECK(text.find('.') == std::string::npos);
    const std::size_t comma = text.find(',');
    FUZZ_CHECK(comma != std::string::npos && comma + 3 == text.size());
    if (value >= 0.0f && value < 1e12f)
        FUZZ_CHECK(text.size() <= kNumericFieldLength);
    const float back = parseCommaDecimal(text);
    FUZZ_CHECK(std::fabs(back - value) <= 0.0051f + std::fabs(value) * 1e-6f);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    checkParse(bytes);
    // "stored\ntyped": what the field held and what it shows now.
    const std::size_t split = bytes.find('\n');
    if (split != std::string_view::npos)
        checkFilter(truncateUtf8(bytes.substr(0, split), kNumericFieldLength), bytes.substr(split + 1));
    else
        checkFilter(std::string(), bytes);
    if (size >= sizeof(float)) {
        float value = 0.0f;
        std::memcpy(&value, data, sizeof value);
        checkFormat(value);
    }
    checkFormat(parseCommaDecimal(bytes));
    return 0;
}
