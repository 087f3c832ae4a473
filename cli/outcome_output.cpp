#include "cli/outcome_output.h"

#include "cli/comma_number.h"
#include "cli/text_lines.h"

#include <sstream>

namespace {

nlohmann::ordered_json numberOrNull(const std::string& text)
{
    const std::optional<double> value = commaNumber(text);
    return value ? nlohmann::ordered_json(*value) : nlohmann::ordered_json(nullptr);
}

nlohmann::ordered_json dutyJson(const SizeOutcome& outcome)
{
    const SizeOutcome::Echo& duty = outcome.duty;
    nlohmann::ordered_json object;
    object["view"] = outcome.view;
    object["flow"] = numberOrNull(duty.flow);
    object["flow_unit"] = outcome.flowUnit;
    object["dp"] = numberOrNull(duty.dp);
    object["pressure_unit"] = outcome.pressureUnit;
    object["fluid"] = duty.fluid;
    object["fluid_name"] = duty.fluidName;
    object["pick"] = duty.pick ? nlohmann::ordered_json(*duty.pick) : nlohmann::ordered_json(nullptr);
    return object;
}

} // namespace

nlohmann::ordered_json outcomeJson(const SizeOutcome& outcome)
{
    nlohmann::ordered_json object;
    object["view"] = outcome.view;
    object["found"] = outcome.found;
    object["chosen"] = outcome.chosen ? nlohmann::ordered_json(*outcome.chosen) : nlohmann::ordered_json(nullptr);
    object["candidates"] = nlohmann::ordered_json::array();
    for (const SizeOutcome::Candidate& candidate : outcome.candidates)
        object["candidates"].push_back({{"model", candidate.model}, {"code", candidate.code}, {"size", candidate.size}});
    object["status"] = outcome.status;
    object["result1"] = outcome.result1;
    object["result2"] = outcome.result2;
    object["result3"] = outcome.result3;
    object["details"] = outcome.details;
    object["fields"] = nlohmann::ordered_json::array();
    for (const SizeOutcome::Field& field : outcome.fields)
        object["fields"].push_back({{"label", field.label}, {"value", field.value}});

    object["duty"] = dutyJson(outcome);
    object["results"] = nlohmann::ordered_json::object();
    for (const SizeOutcome::Number& number : outcome.numbers)
        object["results"][number.name] = {
            {"value", number.value ? nlohmann::ordered_json(*number.value) : nlohmann::ordered_json(nullptr)},
            {"unit", number.unit}};
    object["verdict"] = outcome.verdict;
    object["warnings"] = outcome.warnings;
    object["details_lines"] = nonEmptyLines(outcome.details);
    return object;
}

std::string jsonLine(const nlohmann::ordered_json& object)
{
    // Catalogue texts are UTF-8 already; a stray invalid byte must not abort.
    return object.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

namespace {

// The details as "caption: value" lines: a line ending in ':' is the
// caption of the line after it.
std::vector<std::string> detailPairs(const std::string& details)
{
    std::vector<std::string> pairs;
    const std::vector<std::string> lines = nonEmptyLines(details);
    for (std::size_t i = 0; i < lines.size(); ++i) {
        const bool caption = lines[i].back() == ':' && i + 1 < lines.size() && lines[i + 1].back() != ':';
        pairs.push_back(caption ? lines[i] + " " + lines[i + 1] : lines[i]);
        i += caption ? 1 : 0;
    }
    return pairs;
}

} // namespace

std::string outcomeText(const SizeOutcome& outcome)
{
    std::ostringstream out;
    out << outcome.duty.heading << " (" << outcome.view << ")\n";
    for (const SizeOutcome::Field& line : outcome.duty.lines)
        out << "  " << line.label << ": " << line.value << '\n';
    out << '\n';
    for (std::size_t i = 0; i < outcome.candidates.size(); ++i) {
        const SizeOutcome::Candidate& row = outcome.candidates[i];
        out << (outcome.chosen == i ? "* " : "  ") << i << "  " << row.model << " | " << row.code << " | "
            << row.size << '\n';
    }
    if (!outcome.candidates.empty())
        out << '\n';
    if (outcome.chosen) {
        out << outcome.status << ": " << outcome.candidates[*outcome.chosen].model << '\n';
        for (const std::string& pair : detailPairs(outcome.details))
            out << "  " << pair << '\n';
    }
    for (const SizeOutcome::Field& line : outcome.report)
        out << line.label << ": " << line.value << '\n';
    out << '\n' << outcome.verdict << '\n';
    for (const std::string& warning : outcome.warnings)
        out << warning << '\n';
    return out.str();
}
