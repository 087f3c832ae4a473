#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// A number as typed in the window: digits with at most one decimal comma
// (a decimal point is accepted too), at least one digit, nothing else.
bool isNumberText(std::string_view text);

// A whole number 0 to maxValue written with digits only.
std::optional<std::size_t> parseIndexText(std::string_view text, std::size_t maxValue);

// The text without surrounding blanks and tabs, as a spreadsheet cell or an
// argument pasted with spaces is meant.
std::string trimmedText(std::string_view text);

// Labels and names as typed by hand: "L/S" is "l/s", "View" is "view".
// Only ASCII letters are folded; the labels have no others.
bool equalsIgnoringCase(std::string_view a, std::string_view b);

// A name by which names differing only in case are one: "Nord", "NORD" and
// "nord", "Süd" and "SÜD", "Север" and "СЕВЕР" give the same key. The
// letters of the program's seven languages (Latin, Latin-1, Latin
// Extended-A, Greek, Cyrillic) are folded; other characters stay.
std::string caseKey(std::string_view utf8);
