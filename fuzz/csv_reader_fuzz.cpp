// The catalogue's CSV reader on any text. Whatever it accepts must come
// back unchanged when written out again with every field quoted.
//
// Input: the first byte chooses the separator (odd: ',', even: ';'), the
// rest is the file.

#include "catalogue/csv_reader.h"
#include "fuzz/fuzz_check.h"

#include <cstdint>
#include <string>
#include <string_view>

namespace {

std::string quoted(const CsvDocument& document, char separator)
{
    std::string text;
    for (const CsvRecord& record : document.records) {
        for (std::size_t i = 0; i < record.fields.size(); ++i) {
            if (i > 0)
                text += separator;
            text += '"';
            for (char c : record.fields[i])
                text += c == '"' ? std::string("\"\"") : std::string(1, c);
            text += '"';
        }
        text += "\r\n";
    }
    return text;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    if (size == 0)
        return 0;
    const char separator = (data[0] & 1) ? ',' : ';';
    const std::string_view text(reinterpret_cast<const char*>(data) + 1, size - 1);
    const CsvDocument document = parseCsv(text, separator);
    if (!document.error.empty()) {
        FUZZ_CHECK(document.errorLine >= 1);
        return 0;
    }
    int lastLine = 0;
    for (const CsvRecord& record : document.records) {
        FUZZ_CHECK(record.line > lastLine); // one record per line at most, in order
        FUZZ_CHECK(!record.fields.empty());
        FUZZ_CHECK(!(record.fields.size() == 1 && record.fields[0].empty())); // blank lines are skipped
        lastLine = record.line;
    }
    const CsvDocument again = parseCsv(quoted(document, separator), separator);
    FUZZ_CHECK(again.error.empty());
    FUZZ_CHECK(again.records.size() == document.records.size());
    for (std::size_t i = 0; i < again.records.size(); ++i)
        FUZZ_CHECK(again.records[i].fields == document.records[i].fields);
    return 0;
}
