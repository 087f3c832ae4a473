#include "cli/branch_tables.h"

#include "app/unit_conversion.h"
#include "data/csv_cell.h"
#include "data/figure_text.h"
#include "data/text_format.h"

#include <algorithm>
#include <cmath>

std::string alignedRows(const AlignedTable& table)
{
    std::vector<std::size_t> order;
    for (const std::string& key : table.first)
        if (const auto at = std::find(table.keys.begin(), table.keys.end(), key); at != table.keys.end())
            order.push_back(static_cast<std::size_t>(at - table.keys.begin()));
    for (std::size_t c = 0; c < table.keys.size(); ++c)
        if (std::find(order.begin(), order.end(), c) == order.end())
            order.push_back(c);
    std::vector<std::vector<std::u16string>> lines{table.headers};
    lines.front()[0] = u"  " + lines.front()[0];
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        lines.push_back(table.rows[r]);
        lines.back()[0] = (table.marked && r == *table.marked ? u"* " : u"  ") + lines.back()[0];
    }
    std::vector<std::size_t> widths(table.keys.size(), 0);
    for (const auto& line : lines)
        for (std::size_t c = 0; c < line.size() && c < widths.size(); ++c)
            widths[c] = std::max(widths[c], line[c].size());
    std::string out;
    for (const auto& line : lines) {
        std::u16string text;
        for (const std::size_t c : order) {
            const std::u16string cell = c < line.size() ? line[c] : u"";
            text += cell + std::u16string(widths[c] - cell.size() + 2, u' ');
        }
        while (!text.empty() && text.back() == u' ')
            text.pop_back();
        out += utf16ToUtf8(text) + '\n';
    }
    return out;
}

std::string branchAlignedRows(const BranchResultTexts& texts)
{
    const bool complete = texts.incomplete.empty();
    return alignedRows({texts.keys, texts.headers, texts.rows,
                        {"number", "designation", "model", "nominal_size", "presetting", "valve_dp", "warnings"},
                        complete ? std::optional<std::size_t>(texts.indexRow) : std::nullopt});
}

std::string branchAlignedText(const BranchResultTexts& texts)
{
    std::string out = branchAlignedRows(texts) + '\n';
    if (!texts.incomplete.empty())
        return out + utf16ToUtf8(texts.incomplete) + '\n';
    for (const auto& [caption, value] : {std::pair{texts.totalFlowCaption, texts.totalFlowValue},
                                         {texts.pumpHeadCaption, texts.pumpHeadValue},
                                         {texts.indexCaption, texts.indexValue}})
        out += utf16ToUtf8(caption) + ": " + utf16ToUtf8(value) + '\n';
    return out;
}

std::string branchTableText(const BranchResultTexts& texts)
{
    std::string out;
    const auto line = [&out](const std::vector<std::u16string>& cells) { out += semicolonLine(cells); };
    line(texts.headers);
    for (const auto& row : texts.rows)
        line(row);
    if (!texts.incomplete.empty()) {
        line({texts.incomplete});
        return out;
    }
    line({texts.pumpHeadCaption, texts.pumpHeadValue});
    line({texts.totalFlowCaption, texts.totalFlowValue});
    line({texts.indexCaption, texts.indexValue});
    return out;
}

std::string semicolonLine(const std::vector<std::u16string>& cells)
{
    std::string line;
    for (std::size_t i = 0; i < cells.size(); ++i)
        line += (i ? ";" : "") + csvCell(utf16ToUtf8(cells[i]));
    return line + '\n';
}

nlohmann::ordered_json jsonRow(const BalanceTexts& texts, std::size_t row)
{
    nlohmann::ordered_json json;
    nlohmann::ordered_json shown;
    const std::vector<std::u16string>& cells = texts.rows[row];
    for (std::size_t c = 0; c < texts.keys.size(); ++c) {
        if (!texts.figureColumns[c]) {
            json[texts.keys[c]] = utf16ToUtf8(cells[c]);
            continue;
        }
        json[texts.keys[c]] = jsonFigure(texts.figures[row][c]);
        shown[texts.keys[c]] = utf16ToUtf8(cells[c]);
    }
    json["texts"] = std::move(shown);
    return json;
}

nlohmann::ordered_json jsonFigure(std::optional<float> value)
{
    if (!value || !std::isfinite(*value))
        return nullptr;
    return sixDigitValue(*value);
}

nlohmann::ordered_json branchTableJson(const AppState& state, const Branch& branch, const BranchResult& result,
                                 const BranchResultTexts& texts)
{
    nlohmann::ordered_json json;
    json["name"] = branch.settings.name;
    json["flow_unit"] = flowUnitLabel(state);
    json["pressure_unit"] = pressureUnitLabel(state);
    json["complete"] = result.complete;
    json["pump_head"] = result.complete ? jsonFigure(texts.pumpHead) : nlohmann::ordered_json(nullptr);
    json["pump_head_text"] = result.complete ? utf16ToUtf8(texts.pumpHeadValue) : std::string();
    json["pump_head_caption"] = utf16ToUtf8(texts.pumpHeadCaption);
    json["total_flow"] = jsonFigure(texts.totalFlow);
    json["total_flow_text"] = utf16ToUtf8(texts.totalFlowValue);
    json["total_flow_caption"] = utf16ToUtf8(texts.totalFlowCaption);
    json["index_circuit"] = result.complete ? nlohmann::ordered_json(result.indexCircuit + 1) : nullptr;
    json["index_caption"] = utf16ToUtf8(texts.indexCaption);
    json["incomplete"] = utf16ToUtf8(texts.incomplete);
    json["unsized"] = nlohmann::ordered_json::array();
    for (const std::size_t i : result.unsized)
        json["unsized"].push_back(i + 1);
    json["headers"] = nlohmann::ordered_json::array();
    for (const auto& header : texts.headers)
        json["headers"].push_back(utf16ToUtf8(header));
    json["circuits"] = nlohmann::ordered_json::array();
    for (std::size_t i = 0; i < texts.rows.size(); ++i) {
        nlohmann::ordered_json circuit = jsonRow(texts, i);
        circuit["found"] = result.circuits[i].valve.found;
        circuit["kv_required"] = branch.circuits[i].kind == BranchValveKind::PressureIndependent
                                     ? nlohmann::ordered_json(nullptr)
                                     : jsonFigure(result.circuits[i].valve.requiredKv);
        circuit["index"] = result.complete && i == result.indexCircuit;
        circuit["warning_list"] = nlohmann::ordered_json::array();
        for (const BranchWarning warning : result.circuits[i].warnings)
            circuit["warning_list"].push_back(
                utf16ToUtf8(warningText(state, warning, branch.settings, result.circuits[i].valve)));
        json["circuits"].push_back(std::move(circuit));
    }
    return json;
}


