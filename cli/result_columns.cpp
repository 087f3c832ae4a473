#include "cli/result_columns.h"

#include "cli/view_names.h"

#include <cstdint>
#include <string_view>

namespace {

enum Column : std::size_t {
    Presetting,
    Kv,
    OpeningPercent,
    Flow,
    FlowUnit,
    DpMin,
    PressureUnit,
    Verdict,
    MaterialNumber,
    NominalSize,
};

constexpr std::array<std::string_view, kResultColumnCount> kColumnNames{
    "presetting",    "kv",      "opening_percent", "flow",         "flow_unit", "dp_min",
    "pressure_unit", "verdict", "material_number", "nominal_size",
};

constexpr std::size_t kNoColumn = kResultColumnCount;

// Where each view's result1 to result3 go; a field the view hides goes nowhere.
struct ViewColumns {
    std::int32_t view;
    std::array<std::size_t, 3> fields;
};

constexpr std::array<ViewColumns, 6> kViewColumns{{
    {3, {Presetting, Kv, OpeningPercent}},
    {4, {kNoColumn, Flow, kNoColumn}},
    {5, {Presetting, Kv, OpeningPercent}},
    {8, {Presetting, Flow, DpMin}},
    {9, {kNoColumn, Verdict, kNoColumn}},
    {10, {kNoColumn, kNoColumn, kNoColumn}},
}};

// A unit column is filled only beside the value it qualifies.
struct UnitColumn {
    std::size_t value;
    std::size_t unit;
    std::string SizeOutcome::*label;
};

constexpr std::array<UnitColumn, 2> kUnitColumns{{
    {Flow, FlowUnit, &SizeOutcome::flowUnit},
    {DpMin, PressureUnit, &SizeOutcome::pressureUnit},
}};

} // namespace

std::string resultColumnHeader()
{
    std::string header;
    for (const std::string_view name : kColumnNames)
        header += (header.empty() ? "" : ";") + std::string(name);
    return header;
}

std::array<std::string, kResultColumnCount> resultColumnCells(const SizeOutcome& outcome)
{
    std::array<std::string, kResultColumnCount> cells;
    const auto view = viewOfName(outcome.view);
    const std::array<const std::string*, 3> results{&outcome.result1, &outcome.result2, &outcome.result3};
    for (const ViewColumns& entry : kViewColumns)
        if (view == entry.view)
            for (std::size_t i = 0; i < results.size(); ++i)
                if (entry.fields[i] != kNoColumn)
                    cells[entry.fields[i]] = *results[i];
    for (const UnitColumn& unit : kUnitColumns)
        if (!cells[unit.value].empty())
            cells[unit.unit] = outcome.*unit.label;
    if (outcome.chosen) {
        cells[MaterialNumber] = outcome.candidates[*outcome.chosen].code;
        cells[NominalSize] = outcome.candidates[*outcome.chosen].size;
    }
    return cells;
}
