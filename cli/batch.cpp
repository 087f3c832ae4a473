#include "cli/batch.h"

#include "data/argument_text.h"
#include "data/csv_fields.h"
#include "cli/printable_text.h"
#include "cli/outcome_output.h"
#include "cli/result_columns.h"
#include "cli/size_session.h"
#include "cli/text_lines.h"

#include <array>
#include <istream>
#include <ostream>

namespace {

struct Column {
    std::string_view name;
    std::string DutyTexts::*cell;
};

constexpr std::array<Column, 7> kColumns{{
    {"view", &DutyTexts::view},
    {"flow", &DutyTexts::flow},
    {"dp", &DutyTexts::dp},
    {"pick", &DutyTexts::pick},
    {"flow_unit", &DutyTexts::flowUnit},
    {"pressure_unit", &DutyTexts::pressureUnit},
    {"fluid", &DutyTexts::fluid},
}};

constexpr std::string_view kCsvHeader =
    "line;view;found;chosen;model;code;size;candidates;status;result1;result2;result3;details;error";

// The rest of a too long duty line is dropped: the next one is read on.
LineRead readLine(std::istream& in, std::string& line)
{
    return readBoundedLine(in, line, true);
}

std::string tooLongMessage()
{
    return "longer than " + std::to_string(kMaxDutyLineBytes) + " bytes; a duty line is far shorter";
}

bool startsWith(const std::string& text, std::string_view start) { return text.compare(0, start.size(), start) == 0; }

// The header's columns, by position; empty on error.
std::vector<const Column*> headerColumns(const std::string& header, std::string& error)
{
    std::vector<const Column*> columns;
    bool view = false;
    for (const std::string& cell : splitCsvLine(header)) {
        const std::string name = trimmedText(cell);
        const Column* found = nullptr;
        for (const Column& column : kColumns)
            if (equalsIgnoringCase(column.name, name))
                found = &column;
        if (!found) {
            error = "line 1: unknown column '" + name +
                    "' (columns: view, flow, dp, pick, flow_unit, pressure_unit, fluid)";
            return {};
        }
        for (const Column* earlier : columns)
            if (earlier == found) {
                error = "line 1: column '" + name + "' named twice";
                return {};
            }
        view = view || found->name == "view";
        columns.push_back(found);
    }
    if (!view)
        error = "line 1: the header names no view column";
    return view ? columns : std::vector<const Column*>{};
}

std::string errorLine(std::size_t lineNumber, const std::string& message, bool json)
{
    const std::string text = printableText("line " + std::to_string(lineNumber) + ": " + message);
    if (json)
        return jsonLine(nlohmann::ordered_json{{"line", lineNumber}, {"error", text}});
    return std::to_string(lineNumber) + std::string(13, ';') + csvCell(onOneLine(text)) +
           std::string(kResultColumnCount, ';');
}

std::string resultLine(std::size_t lineNumber, const SizeOutcome& outcome, bool json)
{
    if (json) {
        nlohmann::ordered_json object{{"line", lineNumber}};
        object.update(outcomeJson(outcome));
        return jsonLine(object);
    }
    const SizeOutcome::Candidate* chosen = outcome.chosen ? &outcome.candidates[*outcome.chosen] : nullptr;
    std::string line = std::to_string(lineNumber);
    for (const std::string& cell :
         {outcome.view, std::string(outcome.found ? "1" : "0"),
          outcome.chosen ? std::to_string(*outcome.chosen) : std::string(), chosen ? chosen->model : std::string(),
          chosen ? chosen->code : std::string(), chosen ? chosen->size : std::string(),
          std::to_string(outcome.candidates.size()), outcome.status, outcome.result1, outcome.result2,
          outcome.result3, outcome.details, std::string()})
        line += ";" + csvCell(onOneLine(cell));
    for (const std::string& cell : resultColumnCells(outcome))
        line += ";" + csvCell(onOneLine(cell));
    return line;
}

std::string dutyLine(std::size_t lineNumber, const std::string& line,
                                    const std::vector<const Column*>& columns, SizeSession& session,
                                    const DutyTexts& commandLine, const RunSettings& settings, bool json,
                                    bool& failed)
{
    failed = true;
    const std::vector<std::string> cells = splitCsvLine(line);
    if (cells.size() > columns.size())
        return errorLine(lineNumber,
                         std::to_string(cells.size()) + " cells, but the header names " +
                             std::to_string(columns.size()) + (columns.size() == 1 ? " column" : " columns"),
                         json);
    DutyTexts texts;
    for (std::size_t i = 0; i < cells.size(); ++i)
        texts.*(columns[i]->cell) = trimmedText(cells[i]);
    Duty duty;
    std::string error = resolveDuty(overlaid(commandLine, texts), duty);
    SizeOutcome outcome;
    if (error.empty())
        error = session.run(duty, settings, outcome);
    if (!error.empty())
        return errorLine(lineNumber, error, json);
    failed = false;
    return resultLine(lineNumber, outcome, json);
}

} // namespace

BatchReport runBatch(std::istream& in, std::ostream& out, SizeSession& session, const DutyTexts& commandLine,
                     const RunSettings& settings, bool json)
{
    BatchReport report;
    std::string header;
    const LineRead headerRead = readLine(in, header);
    if (headerRead == LineRead::End) {
        report.fatal = "the duty file is empty (it needs a header line)";
        return report;
    }
    // Windows programs save "Unicode text" as UTF-16: say so rather than
    // reporting an unknown column of NUL bytes.
    if (startsWith(header, "\xFF\xFE") || startsWith(header, "\xFE\xFF")) {
        report.fatal = "the duty file is UTF-16 (it starts with a UTF-16 byte-order mark); save it as UTF-8";
        return report;
    }
    if (headerRead == LineRead::TooLong) {
        report.fatal = "line 1: " + tooLongMessage();
        return report;
    }
    if (startsWith(header, "\xEF\xBB\xBF")) // spreadsheets start UTF-8 files with a byte-order mark
        header.erase(0, 3);
    const std::vector<const Column*> columns = headerColumns(header, report.fatal);
    if (columns.empty())
        return report;

    if (!json)
        out << kCsvHeader << ';' << resultColumnHeader() << '\n';
    std::string line;
    for (std::size_t lineNumber = 2;; ++lineNumber) {
        const LineRead read = readLine(in, line);
        if (read == LineRead::End)
            break;
        if (read == LineRead::Line && trimmedText(line).empty())
            continue;
        bool failed = true;
        out << (read == LineRead::TooLong
                    ? errorLine(lineNumber, tooLongMessage(), json)
                    : dutyLine(lineNumber, line, columns, session, commandLine, settings, json, failed))
            << '\n';
        ++report.duties;
        report.failed += failed ? 1 : 0;
    }
    return report;
}
