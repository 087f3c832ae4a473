#pragma once

#include "db/sqlite_handle.h"

#include <string>

// A number as C's printf("%f") writes it in the C locale: six decimals,
// rounded half to even on the exact binary value (0.0078125 -> "0.007812").
// SQLite's own "%f" rounds such ties up, and printf would follow the user's
// locale; to_chars does neither.
struct FixedDecimalText {
    char text[320]; // the longest double: 309 digits, sign, point, 6 decimals
};
FixedDecimalText fixedDecimalText(double value);

// The format with every plain "%f" turned into "%s" ("%%" stays as it is).
std::string withFixedDecimalsAsText(const char* format);

namespace sql_format_detail {

template <typename T>
T converted(T value) { return value; }
inline FixedDecimalText converted(double value) { return fixedDecimalText(value); }
inline FixedDecimalText converted(float value) { return fixedDecimalText(value); }

template <typename T>
T passed(const T& value) { return value; }
inline const char* passed(const FixedDecimalText& value) { return value.text; }

} // namespace sql_format_detail

// sqlite3_mprintf into a std::string, with the numbers of "%f" written as
// above. Use "%q" inside quotes for every text that comes from data or the
// user, so that a quote neither breaks nor changes the statement. Each
// number goes with a plain "%f"; the converted texts live until the whole
// call has returned.
template <typename... Args>
std::string sqlFormat(const char* format, Args... args)
{
    using namespace sql_format_detail;
    const std::string textFormat = withFixedDecimalsAsText(format);
    SqliteText text(sqlite3_mprintf(textFormat.c_str(), passed(converted(args))...));
    return text ? std::string(text.get()) : std::string();
}
