#pragma once

#include "db/project_row.h"

#include <array>
#include <string>
#include <vector>

// One column of the valve list: its header (a text id) and width in pixels.
struct ValveListColumn {
    int headerTextId;
    int width;
};

inline constexpr std::array<ValveListColumn, 14> kValveListColumns{{
    {49, 40},  // No.
    {50, 80},  // Name/type
    {51, 80},  // Nominal size
    {52, 100}, // Material number
    {53, 70},  // dP
    {54, 70},  // Flow rate
    {55, 64},  // Fluid handled
    {56, 64},  // T Supply
    {57, 64},  // T Return
    {58, 64},  // Power
    {59, 64},  // Presetting
    {60, 40},  // KV value
    {61, 80},  // Opening (%)
    {62, 300}, // Designation
}};

// The 14 cells of a row in the order of kValveListColumns, in a language.
// A number with its unit reads "12,50 (kPa)"; a number that is exactly 0
// leaves its cell empty. Presetting, KV value and opening show as stored.
// A value no view can show (NaN, infinite, a text in a number column)
// reads "---".
std::vector<std::u16string> valveListCells(const ProjectRow& row, int languageIndex);
