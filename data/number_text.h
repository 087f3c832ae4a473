#pragma once

#include <cstdint>
#include <string>
#include <string_view>

// Numbers as the user types and reads them: decimal comma, two decimals.
// Everything here is locale independent: the Qt application object switches
// the C locale to the user's, and printf/strtod would then follow it.

// "%4.2f" with every '.' replaced by ','. 1.5 -> "1,50", -1.25 -> "-1,25".
// Like printf, infinity and NaN give " inf" and " nan": no result to show.
std::string formatCommaDecimal(float value);

// A calculated number as a 15-character field shows it: formatCommaDecimal,
// or "---" (no value) when it is not a finite number or its text would not
// fit, as a broken catalogue can make it (a full opening of 0, a flow range
// beyond single precision).
std::string formatResultNumber(float value);

// The same text with the decimal point kept ("%4.2f"), for the export file.
std::string formatPointDecimal(double value);

// Reads the longest leading decimal number (blanks skipped, optional sign,
// digits, optional fraction, optional exponent) with ',' or '.' as decimal
// mark and narrows it to single precision; 0 when there is none.
// "12,5" -> 12.5, "1,2,3" -> 1.2, "" -> 0, "," -> 0. As in C, a number too
// small for a float reads as 0 with its sign and one too large as infinity,
// which callers must not show or compute with.
float parseCommaDecimal(std::string_view text);

// C-locale conversions of database column texts: atof and atoi semantics
// restricted to decimal numbers (no hex, inf or nan).
double parseCDouble(std::string_view text);
// Whether the whole text, blanks around it aside, is one such decimal
// number: "0.8", " -1.0e+39 " are; "", "NaN", "Inf", "12 l/s" are not.
bool isWholeCDecimal(std::string_view text);

// Rounds to single precision, to infinity beyond the float range.
float narrowToFloat(double value);
std::int64_t parseCInteger(std::string_view text);

// A numeric input field holds at most this many bytes of text.
inline constexpr std::size_t kNumericFieldLength = 15;

struct NumericEdit {
    bool storedChanged = false; // stored took over the typed text
    bool resetField = false;    // the caller puts stored back into the field,
                                // focuses it and moves the caret to the end
};

// The numeric input filter. typed is the field's new text (UTF-8); only its
// first 15 bytes count, and every '.' in them is read as the decimal comma.
// Shorter texts are taken unchecked (deleting always works); longer or
// equally long different texts are taken only when they hold nothing but
// digits and commas, and in both of those cases the field is re-set from
// stored; so is a shorter text whose point became a comma.
NumericEdit acceptNumericText(std::string& stored, std::string_view typed);
