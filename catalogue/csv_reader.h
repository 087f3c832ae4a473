#pragma once

#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

// One record of a CSV file with the line on which it starts (1 = first line).
struct CsvRecord {
    int line = 0;
    std::vector<std::string> fields;
};

struct CsvDocument {
    std::vector<CsvRecord> records; // the header is records[0]
    std::string error;              // empty when the text was read whole
    int errorLine = 0;
};

// Reads CSV text as spreadsheets write it: fields separated by `separator`,
// optionally enclosed in double quotes (a doubled quote stands for one quote,
// and a quoted field may hold separators and line breaks), LF or CR LF line
// ends, an optional UTF-8 byte-order mark. Blank lines are skipped. The text
// must be valid UTF-8.
CsvDocument parseCsv(std::string_view text, char separator);

CsvDocument readCsvFile(const std::filesystem::path& path, char separator);
