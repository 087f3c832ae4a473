#include "cli/outcome_output.h"

#include <sstream>

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
    return object;
}

std::string jsonLine(const nlohmann::ordered_json& object)
{
    // Catalogue texts are UTF-8 already; a stray invalid byte must not abort.
    return object.dump(-1, ' ', false, nlohmann::ordered_json::error_handler_t::replace);
}

namespace {

// The panel's line breaks (CR LF) as the terminal's, each line indented.
std::string indentedLines(const std::string& text)
{
    std::string out = "  ";
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        out += text[i];
        if (text[i] == '\n')
            out += "  ";
    }
    return out;
}

} // namespace

std::string outcomeText(const SizeOutcome& outcome)
{
    std::ostringstream out;
    out << "view: " << outcome.view << '\n';
    out << "candidates: " << outcome.candidates.size() << '\n';
    for (std::size_t i = 0; i < outcome.candidates.size(); ++i) {
        const SizeOutcome::Candidate& row = outcome.candidates[i];
        out << (outcome.chosen == i ? "* " : "  ") << i << "  " << row.model << " | " << row.code << " | "
            << row.size << '\n';
    }
    out << "status: " << outcome.status << '\n';
    for (const SizeOutcome::Field& field : outcome.fields)
        out << field.label << ": " << field.value << '\n';
    out << "details:\n" << indentedLines(outcome.details) << '\n';
    return out.str();
}
