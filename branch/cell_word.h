#pragma once

#include "branch/circuit_row.h"
#include "data/argument_text.h"

#include <array>
#include <cstddef>
#include <string>

// A word a cell may hold, and what it stands for.
template <typename Value>
struct CellWord {
    const char* word;
    Value value;
};

// What the word in the column stands for, typed in any case; empty on
// success, else the message naming the words it may be (an empty word,
// allowed like any other, is not named).
template <typename Value, std::size_t Count>
std::string cellWord(const CsvLine& line, const char* column, const std::array<CellWord<Value>, Count>& words,
                     Value& value)
{
    std::string named;
    for (const CellWord<Value>& word : words) {
        if (equalsIgnoringCase(line[column], word.word)) {
            value = word.value;
            return {};
        }
        if (*word.word != '\0')
            named += (named.empty() ? "" : ", ") + std::string(word.word);
    }
    return std::string(column) + " '" + line[column] + "' is not one of " + named;
}
