#include "catalogue/csv_reader.h"

#include <gtest/gtest.h>

namespace {

using Fields = std::vector<std::string>;

struct ReadCase {
    const char* name;
    std::string text;
    std::vector<Fields> records;
    std::vector<int> lines;
};

void PrintTo(const ReadCase& c, std::ostream* out)
{
    *out << c.name;
}

class CsvReading : public ::testing::TestWithParam<ReadCase> {};

TEST_P(CsvReading, GivesFieldsAndStartLines)
{
    const ReadCase& c = GetParam();
    const CsvDocument document = parseCsv(c.text, ';');
    ASSERT_EQ(document.error, "");
    ASSERT_EQ(document.records.size(), c.records.size());
    for (std::size_t i = 0; i < c.records.size(); ++i) {
        EXPECT_EQ(document.records[i].fields, c.records[i]) << "record " << i;
        EXPECT_EQ(document.records[i].line, c.lines[i]) << "record " << i;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CsvReading,
    ::testing::Values(
        ReadCase{"plain", "a;b\n1;2\n", {{"a", "b"}, {"1", "2"}}, {1, 2}},
        ReadCase{"crlf_bom_no_final_newline", "\xEF\xBB\xBF" "a;b\r\n1;2",
                 {{"a", "b"}, {"1", "2"}}, {1, 2}},
        ReadCase{"quoted_separator_and_quote", "\"x;y\";\"say \"\"hi\"\"\";\"\"\n",
                 {{"x;y", "say \"hi\"", ""}}, {1}},
        ReadCase{"quoted_line_break_keeps_line_count", "\"two\nlines\";b\nnext;c\n",
                 {{"two\nlines", "b"}, {"next", "c"}}, {1, 3}},
        ReadCase{"blank_lines_skipped", "a\n\n\nb\n\n", {{"a"}, {"b"}}, {1, 4}},
        ReadCase{"empty_fields_kept", ";x;\n", {{"", "x", ""}}, {1}},
        ReadCase{"utf8_text", "Wasser \xC3\xA4;1\n", {{"Wasser \xC3\xA4", "1"}}, {1}}),
    [](const auto& info) { return std::string(info.param.name); });

struct ErrorCase {
    const char* name;
    std::string text;
    int line;
};

void PrintTo(const ErrorCase& c, std::ostream* out)
{
    *out << c.name;
}

class CsvErrors : public ::testing::TestWithParam<ErrorCase> {};

TEST_P(CsvErrors, NameTheLine)
{
    const ErrorCase& c = GetParam();
    const CsvDocument document = parseCsv(c.text, ';');
    EXPECT_NE(document.error, "");
    EXPECT_EQ(document.errorLine, c.line);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, CsvErrors,
    ::testing::Values(ErrorCase{"unclosed_quote", "a;b\nc;\"open\nmore\n", 2},
                      ErrorCase{"quote_inside_field", "a;b\nc;d\"e\n", 2},
                      ErrorCase{"text_after_closing_quote", "a\n\"b\"c\n", 2},
                      ErrorCase{"invalid_utf8", "a\nb\xC3(\n", 2},
                      ErrorCase{"overlong_utf8", "\xC0\xAF\n", 1}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
