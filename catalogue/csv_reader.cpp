#include "catalogue/csv_reader.h"

#include <fstream>
#include <sstream>

namespace {

// Length of the UTF-8 sequence starting at text[i], or 0 when it is malformed.
std::size_t utf8SequenceLength(std::string_view text, std::size_t i)
{
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = 0;
    unsigned minimum = 0;
    if (lead < 0x80)
        return 1;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        minimum = 0x10000;
    } else {
        return 0;
    }
    if (i + length > text.size())
        return 0;
    unsigned code = lead & (0xFFu >> (length + 1));
    for (std::size_t k = 1; k < length; ++k) {
        const auto next = static_cast<unsigned char>(text[i + k]);
        if ((next & 0xC0) != 0x80)
            return 0;
        code = (code << 6) | (next & 0x3Fu);
    }
    if (code < minimum || code > 0x10FFFF || (code >= 0xD800 && code <= 0xDFFF))
        return 0;
    return length;
}

// Line number (1-based) of the first malformed UTF-8 sequence, or 0.
int firstInvalidUtf8Line(std::string_view text)
{
    int line = 1;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = utf8SequenceLength(text, i);
        if (length == 0)
            return line;
        if (text[i] == '\n')
            ++line;
        i += length;
    }
    return 0;
}

bool isBlank(const CsvRecord& record)
{
    return record.fields.size() == 1 && record.fields[0].empty();
}

} // namespace

CsvDocument parseCsv(std::string_view text, char separator)
{
    CsvDocument document;
    constexpr std::string_view byteOrderMark = "\xEF\xBB\xBF";
    if (text.substr(0, byteOrderMark.size()) == byteOrderMark)
        text.remove_prefix(byteOrderMark.size());
    if (const int badLine = firstInvalidUtf8Line(text)) {
        document.error = "not valid UTF-8";
        document.errorLine = badLine;
        return document;
    }

    int line = 1;
    CsvRecord record{line, {std::string()}};
    bool quoted = false;      // inside a quoted field
    bool afterQuote = false;  // a quoted field just closed
    auto endRecord = [&] {
        if (!isBlank(record))
            document.records.push_back(std::move(record));
        record = CsvRecord{line, {std::string()}};
        afterQuote = false;
    };

    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        if (quoted) {
            if (c == '"' && i + 1 < text.size() && text[i + 1] == '"') {
                record.fields.back() += '"';
                ++i;
            } else if (c == '"') {
                quoted = false;
                afterQuote = true;
            } else {
                if (c == '\n')
                    ++line;
                record.fields.back() += c;
            }
            continue;
        }
        if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        if (c == '\n') {
            ++line;
            endRecord();
        } else if (c == separator) {
            record.fields.emplace_back();
            afterQuote = false;
        } else if (afterQuote) {
            document.error = "text after a closing quote";
            document.errorLine = line;
            return document;
        } else if (c == '"' && record.fields.back().empty()) {
            quoted = true;
        } else if (c == '"') {
            document.error = "quote inside an unquoted field";
            document.errorLine = line;
            return document;
        } else {
            record.fields.back() += c;
        }
    }
    if (quoted) {
        document.error = "quoted field not closed";
        document.errorLine = record.line;
        return document;
    }
    endRecord();
    return document;
}

CsvDocument readCsvFile(const std::filesystem::path& path, char separator)
{
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        CsvDocument document;
        document.error = "cannot be read";
        return document;
    }
    std::ostringstream contents;
    contents << in.rdbuf();
    return parseCsv(contents.str(), separator);
}
