#pragma once

#include "app/app_state.h"
#include "data/text_format.h"

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

// The results of a balance (a branch's circuits, a system's branches) as
// texts in the language and units in force: a table with a row per
// circuit or branch, and the pump's duty point. The windows, the command
// line and the protocol all show these.
struct BalanceTexts {
    std::vector<std::string> keys; // a fixed name per column, for JSON
    std::vector<std::u16string> headers;
    std::vector<std::vector<std::u16string>> rows;
    // Whether a column holds figures, and each figure as computed (in the
    // units in force) beside the text that rounds it; none in a cell of
    // words or an empty one.
    std::vector<bool> figureColumns;
    std::vector<std::vector<std::optional<float>>> figures;
    std::u16string pumpHeadCaption;  // "Pump head (kPa)"
    std::u16string pumpHeadValue;    // "35,00"
    float pumpHead = 0.0f;
    std::u16string totalFlowCaption; // "Total flow (l/s)": the pump's flow
    std::u16string totalFlowValue;
    float totalFlow = 0.0f;
    std::u16string indexCaption; // "Index circuit"
    std::u16string indexValue;   // "3 P3": number and name
    std::size_t indexRow = 0;
    // The line that says the head is not valid, naming the rows that keep
    // it from being one; empty otherwise.
    std::u16string incomplete;
};

// The unit a column's figures are in, shown in its header.
enum class UnitOf { None, Flow, Pressure, Velocity };

// A column of a results table: its fixed key, its header (a text with the
// unit's "%s") and its cell in a row made from Input: words, or a figure
// (none for an empty cell) that the table prints with resultNumber.
template <class Input>
struct ResultColumn {
    const char* key;
    int headerId;
    UnitOf unit;
    std::u16string (*words)(const Input&);
    std::optional<float> (*figure)(const Input&) = nullptr;
};

// A figure as our own results print it: at least three significant digits
// and two decimals (formatFigure), so that a flow of 0,0168 l/s reads
// 0,0168 and not 0,02.
std::u16string resultNumber(float value);

// The keys, the headers and a row per input of a table of those columns.
template <class Input>
void fillResultTable(BalanceTexts& texts, const AppState& state, const std::vector<const ResultColumn<Input>*>& columns,
                     const std::vector<Input>& inputs);

// The duty point: pump head and total flow in the units in force (already
// converted), the index line (a caption and the index row's name), and the
// incomplete line: incompleteTextId with the names of the rows listed.
struct DutyPointTexts {
    float pumpHead = 0.0f;
    float totalFlow = 0.0f;
    int indexCaptionId = 0;
    std::size_t indexRow = 0;
    int incompleteTextId = 0;
    const std::vector<std::size_t>& incompleteRows;
};
void fillDutyPoint(BalanceTexts& texts, const AppState& state, const DutyPointTexts& duty,
                   const std::vector<std::u16string>& rowNames);

// The label of a unit in force.
std::string unitLabel(const AppState& state, UnitOf unit);

template <class Input>
void fillResultTable(BalanceTexts& texts, const AppState& state, const std::vector<const ResultColumn<Input>*>& columns,
                     const std::vector<Input>& inputs)
{
    for (const ResultColumn<Input>* column : columns) {
        texts.keys.push_back(column->key);
        texts.headers.push_back(captionWithUnit(state.languageIndex, column->headerId, unitLabel(state, column->unit)));
    }
    for (const ResultColumn<Input>* column : columns)
        texts.figureColumns.push_back(column->figure != nullptr);
    for (const Input& input : inputs) {
        std::vector<std::u16string> row;
        std::vector<std::optional<float>> figures;
        for (const ResultColumn<Input>* column : columns) {
            figures.push_back(column->figure ? column->figure(input) : std::nullopt);
            row.push_back(column->figure ? (figures.back() ? resultNumber(*figures.back()) : u"") : column->words(input));
        }
        texts.rows.push_back(std::move(row));
        texts.figures.push_back(std::move(figures));
    }
}
