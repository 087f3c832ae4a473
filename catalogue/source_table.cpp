#include "catalogue/source_table.h"

#include <charconv>
#include <cmath>

namespace {

constexpr char kSeparator = ';';
constexpr std::size_t kTextLimit = 127; // the program keeps texts in 128-byte fields

} // namespace

SourceTable::SourceTable(const std::filesystem::path& directory, const std::string& fileName,
                         const std::vector<std::string>& columns, Problems& problems)
    : fileName_(fileName), problems_(problems)
{
    CsvDocument document = readCsvFile(directory / fileName, kSeparator);
    if (!document.error.empty()) {
        addProblem(problems_, {fileName_, document.errorLine}, document.error);
        return;
    }
    if (document.records.empty()) {
        addProblem(problems_, {fileName_, 1}, "no header line");
        return;
    }
    const CsvRecord& header = document.records.front();
    bool headerOk = true;
    for (std::size_t i = 0; i < header.fields.size(); ++i) {
        const std::string& name = header.fields[i];
        bool known = false;
        for (const auto& column : columns)
            known = known || column == name;
        if (!known) {
            addProblem(problems_, where(header), "unknown column '" + name + "'");
            headerOk = false;
        } else if (!columnIndex_.emplace(name, i).second) {
            addProblem(problems_, where(header), "column '" + name + "' appears twice");
            headerOk = false;
        }
    }
    for (const auto& column : columns) {
        if (columnIndex_.count(column) == 0) {
            addProblem(problems_, where(header), "missing column '" + column + "'");
            headerOk = false;
        }
    }
    if (!headerOk)
        return;
    for (std::size_t r = 1; r < document.records.size(); ++r) {
        CsvRecord& record = document.records[r];
        if (record.fields.size() != header.fields.size()) {
            addProblem(problems_, where(record),
                       std::to_string(record.fields.size()) + " fields where the header has " +
                           std::to_string(header.fields.size()));
            continue;
        }
        rows_.push_back(std::move(record));
    }
}

const std::string& SourceTable::field(const CsvRecord& row, const std::string& column) const
{
    return row.fields[columnIndex_.at(column)];
}

std::string SourceTable::text(const CsvRecord& row, const std::string& column) const
{
    const std::string& value = field(row, column);
    if (value.empty()) {
        addProblem(problems_, where(row), column + ": empty");
        return value;
    }
    if (value.size() > kTextLimit) {
        addProblem(problems_, where(row), column + ": longer than 127 bytes");
        return value;
    }
    for (const char c : value) {
        const auto byte = static_cast<unsigned char>(c);
        // The program pastes these texts into SQL literals and shows them byte
        // by byte, so they stay printable ASCII without quotes.
        if (byte < 0x20 || byte > 0x7E || c == '\'' || c == '"') {
            addProblem(problems_, where(row),
                       column + ": '" + value + "' holds a character other than printable ASCII "
                                        "without quotes");
            break;
        }
    }
    return value;
}

double SourceTable::number(const CsvRecord& row, const std::string& column) const
{
    const std::string& value = field(row, column);
    double result = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), result);
    if (value.empty() || error != std::errc() || end != value.data() + value.size() ||
        !std::isfinite(result)) {
        addProblem(problems_, where(row), column + ": '" + value + "' is not a number");
        return 0;
    }
    return result;
}

long long SourceTable::integer(const CsvRecord& row, const std::string& column) const
{
    const std::string& value = field(row, column);
    long long result = 0;
    const auto [end, error] = std::from_chars(value.data(), value.data() + value.size(), result);
    if (value.empty() || error != std::errc() || end != value.data() + value.size()) {
        addProblem(problems_, where(row), column + ": '" + value + "' is not a whole number");
        return 0;
    }
    return result;
}
