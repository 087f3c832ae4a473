#include "branch/csv_lines.h"

#include "data/argument_text.h"
#include "data/bounded_line.h"
#include "data/utf8_field.h"

#include <map>

namespace {

const std::string kNotUtf8 = "the text is not UTF-8; save the file as UTF-8 (CSV UTF-8)";

// What keeps a header line from being read as the UTF-8 it should be.
std::string encodingProblem(const std::string& header)
{
    if (header.rfind("\xFF\xFE", 0) == 0 || header.rfind("\xFE\xFF", 0) == 0 ||
        header.find('\0') != std::string::npos)
        return "the file is UTF-16 (two bytes a letter); save it as UTF-8 (CSV UTF-8)";
    if (!isUtf8(header))
        return kNotUtf8;
    return {};
}

} // namespace

std::string readCsvLines(std::istream& in, const std::vector<const char*>& required,
                         const std::vector<const char*>& optional, const std::string& lineName,
                         const std::function<std::string(const CsvLine& line, std::size_t lineNumber)>& eachLine)
{
    const std::string tooLong = "longer than " + std::to_string(kMaxLineBytes) + " bytes; " + lineName + " is far shorter";
    std::string text;
    const LineRead header = readBoundedLine(in, text, false);
    if (header == LineRead::End)
        return "the file is empty (a header line is needed)";
    if (header == LineRead::TooLong)
        return "line 1: " + tooLong;
    if (text.rfind("\xEF\xBB\xBF", 0) == 0)
        text.erase(0, 3);
    if (std::string problem = encodingProblem(text); !problem.empty())
        return "line 1: " + problem;
    std::map<std::string, std::size_t> columns;
    if (std::string error = headerColumns(text, required, optional, columns); !error.empty())
        return "line 1: " + error;
    for (std::size_t lineNumber = 2;; ++lineNumber) {
        const LineRead read = readBoundedLine(in, text, false);
        if (read == LineRead::End)
            break;
        const std::string where = "line " + std::to_string(lineNumber) + ": ";
        if (read == LineRead::TooLong)
            return where + tooLong;
        if (!isUtf8(text))
            return where + kNotUtf8;
        if (trimmedText(text).empty())
            continue;
        std::vector<std::string> cells = trimmedCells(text);
        if (cells.size() > columns.size())
            return where + std::to_string(cells.size()) + " cells, but the header names " +
                   std::to_string(columns.size()) + " columns";
        if (std::string fault = eachLine(CsvLine(columns, std::move(cells)), lineNumber); !fault.empty())
            return where + fault;
    }
    return in.bad() ? "reading the file failed" : std::string();
}
