#pragma once

#include "app/app_state.h"
#include "branch/balance_branch.h"
#include "branch/branch_result_texts.h"

#include <nlohmann/json.hpp>

#include <optional>
#include <string>
#include <vector>

// A balanced branch as the command line writes it.

// A table of texts to align: the columns under first come first (in that
// order), then the others; the marked row gets a "*" before it.
struct AlignedTable {
    const std::vector<std::string>& keys;
    const std::vector<std::u16string>& headers;
    const std::vector<std::vector<std::u16string>>& rows;
    std::vector<std::string> first;
    std::optional<std::size_t> marked;
};

// The header and the rows, each column as wide as its widest cell.
std::string alignedRows(const AlignedTable& table);

// A branch's circuits so aligned, the index circuit marked while the result
// is complete.
std::string branchAlignedRows(const BranchResultTexts& texts);

// The aligned table an engineer reads: what to set first (designation,
// valve, DN, presetting, the valve's dP, warnings), then the rest; the index
// circuit marked *; then the total flow, the pump head and the index circuit,
// or why the result is incomplete.
std::string branchAlignedText(const BranchResultTexts& texts);

// The same as semicolon-separated lines.
std::string branchTableText(const BranchResultTexts& texts);

// The cells as one semicolon-separated line, each quoted where it must be.
std::string semicolonLine(const std::vector<std::u16string>& cells);

// Numbers under the keys, the texts as shown beside them.
nlohmann::ordered_json branchTableJson(const AppState& state, const Branch& branch, const BranchResult& result,
                                       const BranchResultTexts& texts);

// A row of a results table under its keys: the words as texts, each figure
// as its number, with its text as shown under "texts".
nlohmann::ordered_json jsonRow(const BalanceTexts& texts, std::size_t row);

// A figure as a program reading it wants it: the value computed, to six
// significant digits rather than rounded as the text shows it; null for no
// figure or one that is not a finite number.
nlohmann::ordered_json jsonFigure(std::optional<float> value);
