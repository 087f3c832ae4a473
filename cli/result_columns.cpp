#include "cli/result_columns.h"

#include "cli/view_names.h"

#include <cstdint>
#include <string_view>

namespace {

enum Column : std::size_t {
    DutyFlow,
    DutyDp,
    DutyPick,
    DutyFlowUnit,
    DutyPressureUnit,
    DutyFluid,
    Presetting,
    Kv,
    KvRequired,
    OpeningPercent,
    ResultFlow,
    ResultFlowUnit,
    DpMin,
    DpMinUnit,
    Verdict,
    MaterialNumber,
    NominalSize,
    Warnings,
};

constexpr std::array<std::string_view, kResultColumnCount> kColumnNames{
    "flow",         "dp",          "pick",          "flow_unit",       "pressure_unit", "fluid",
    "presetting",   "kv",          "kv_required",   "opening_percent", "result_flow",   "result_flow_unit",
    "dp_min",       "dp_min_unit", "verdict",       "material_number", "nominal_size",  "warnings",
};

// Where each result number goes, and the column that names its unit (a
// unit column is filled only beside its value).
struct NumberColumn {
    std::string_view name;
    std::size_t value;
    std::size_t unit;
};

constexpr std::size_t kNoColumn = kResultColumnCount;

constexpr std::array<NumberColumn, 6> kNumberColumns{{
    {"presetting", Presetting, kNoColumn},
    {"kv", Kv, kNoColumn},
    {"kv_required", KvRequired, kNoColumn},
    {"opening_percent", OpeningPercent, kNoColumn},
    {"flow", ResultFlow, ResultFlowUnit},
    {"dp_min", DpMin, DpMinUnit},
}};

constexpr std::int32_t kPicvCheckView = 9;

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
    cells[DutyFlow] = outcome.duty.flow;
    cells[DutyDp] = outcome.duty.dp;
    cells[DutyPick] = outcome.duty.pick ? std::to_string(*outcome.duty.pick) : std::string();
    cells[DutyFlowUnit] = outcome.flowUnit;
    cells[DutyPressureUnit] = outcome.pressureUnit;
    cells[DutyFluid] = std::to_string(outcome.duty.fluid);
    for (const SizeOutcome::Number& number : outcome.numbers)
        for (const NumberColumn& column : kNumberColumns)
            if (column.name == number.name) {
                cells[column.value] = number.text;
                if (column.unit != kNoColumn && !number.text.empty())
                    cells[column.unit] = number.unit;
            }
    // The check's verdict as the window shows it in its flow field.
    if (viewOfName(outcome.view) == kPicvCheckView)
        cells[Verdict] = outcome.result2;
    if (outcome.chosen) {
        cells[MaterialNumber] = outcome.candidates[*outcome.chosen].code;
        cells[NominalSize] = outcome.candidates[*outcome.chosen].size;
    }
    for (const std::string& warning : outcome.warnings)
        cells[Warnings] += (cells[Warnings].empty() ? "" : " | ") + warning;
    return cells;
}
