#include "valve_list/valve_list_export.h"

#include "data/text_format.h"
#include "files/export_failure_text.h"
#include "tests/support/file_bytes.h"
#include "tests/support/languages.h"
#include "tests/valve_list/valve_list_rows.h"

#include <gtest/gtest.h>

#include <cmath>

#include <algorithm>
#include <string>
#include <vector>

namespace {

std::string expectedFile(const std::string& name)
{
    return fileBytes(std::filesystem::path(REZU_EXPECTED_EXPORTS) / name);
}

// The records of the file as a spreadsheet reads them: the byte-order mark
// is no part of the first field, a quoted field may hold line breaks, so
// records end only at a CR LF outside quotes. Quotes are dropped.
std::vector<std::vector<std::string>> records(const std::string& text)
{
    std::vector<std::vector<std::string>> result(1, std::vector<std::string>(1));
    bool quoted = false;
    for (std::size_t i = text.rfind("\xEF\xBB\xBF", 0) == 0 ? 3 : 0; i < text.size(); ++i) {
        const char c = text[i];
        if (c == '"')
            quoted = !quoted; // a doubled quote toggles twice
        if (!quoted && c == ';') {
            result.back().emplace_back();
        } else if (!quoted && c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') {
            result.emplace_back(1);
            ++i;
        } else if (c != '"') {
            result.back().back() += c;
        }
    }
    result.pop_back(); // after the last line end
    return result;
}

struct ExportCase {
    const char* file;
    int language;
    std::u16string project;
    std::u16string customer;
    std::vector<ProjectRow> rows;
};

TEST(ValveListExport, BytesAreExactlyTheExpectedFile)
{
    const ExportCase cases[] = {
        {"export_english.csv", kEnglish, u"Klinikum Nord", u"Müller GmbH", rowsOfEachKind()},
        {"export_russian.csv", kRussian, u"Клиника", u"ООО Тепло", rowsOfEachKind()},
        {"export_empty.csv", kEnglish, u"Klinikum Nord", u"Müller GmbH", {}},
    };
    for (const ExportCase& c : cases) {
        const std::string expected = expectedFile(c.file);
        ASSERT_FALSE(expected.empty()) << c.file;
        EXPECT_EQ(valveListExport(c.project, c.customer, c.language, c.rows), expected) << c.file;
    }
}

TEST(ValveListExport, EveryHeaderAndRowLineHasNineteenFields)
{
    const auto lines = records(valveListExport(u"P", u"C", kGerman, rowsOfEachKind()));
    ASSERT_EQ(lines.size(), 4u + 1u + rowsOfEachKind().size());
    for (std::size_t i = 4; i < lines.size(); ++i)
        EXPECT_EQ(lines[i].size(), 19u) << "line " << i + 1;
}

TEST(ValveListExport, DifferentialPressureControllerRowWritesZerosForItsMissingResults)
{
    const ProjectRow controller = rowsOfEachKind()[3];
    ASSERT_TRUE(controller.presetting.empty() && controller.kv.empty() && controller.apertura.empty());
    const auto lines = records(valveListExport(u"P", u"C", kEnglish, {controller}));
    const std::vector<std::string> fields = lines.back();
    ASSERT_EQ(fields.size(), 19u);
    EXPECT_EQ(fields[10], "0.00 (-)");
    EXPECT_EQ(fields[11], "0.00 (m3/h)");
    EXPECT_EQ(fields[12], "0.00");
}

TEST(ValveListExport, SemicolonQuoteAndLineBreakStayInOneQuotedField)
{
    ProjectRow row = rowsOfEachKind()[0];
    row.riferimento = "Pump \"A\"; floor 2\r\nleft";
    const std::string bytes = valveListExport(u"Nord; Bau \"2\"", u"Müller GmbH", kEnglish, {row});
    EXPECT_EQ(bytes, expectedFile("export_quoted.csv"));

    const auto lines = records(bytes);
    ASSERT_EQ(lines.size(), 6u);
    EXPECT_EQ(lines[0], std::vector<std::string>{"Project:Nord; Bau 2"});
    ASSERT_EQ(lines[5].size(), 19u);
    EXPECT_EQ(lines[5][13], "Pump A; floor 2\r\nleft");
}

TEST(ValveListExport, AMeasuredValveCarriesItsMeasurementInTheSiteFields)
{
    const std::vector<ProjectRow> rows = rowsOfEachKind();
    MeasurementRow measured;
    measured.posizione = rows[1].posizione;
    measured.riferimento = rows[1].riferimento;
    measured.dP = 12.5f;
    measured.muP = "kPa";
    measured.setting = "2,50";
    measured.flow = 0.245f;
    measured.muQ = "l/s";
    measured.date = "2026-12-10";
    // Same number, other designation: another valve's measurement.
    MeasurementRow stranger = measured;
    stranger.riferimento = "elsewhere";
    stranger.posizione = rows[0].posizione;

    const std::string plain = valveListExport(u"P", u"C", kEnglish, rows);
    const std::string bytes = valveListExport(u"P", u"C", kEnglish, rows, {measured, stranger});
    const auto lines = records(bytes);
    const auto plainLines = records(plain);
    ASSERT_EQ(lines.size(), plainLines.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (i == 6) // the second valve's line
            continue;
        EXPECT_EQ(lines[i], plainLines[i]) << "line " << i + 1;
    }
    const std::vector<std::string> site(lines[6].begin() + 14, lines[6].end());
    // The measured flow with three significant digits, as the protocol
    // prints it: 0,245 l/s, not 0,25.
    EXPECT_EQ(site, (std::vector<std::string>{"12.50 (kPa)", "2.50", "0.245 (l/s)", "2026-12-10", ""}));
    EXPECT_TRUE(std::equal(lines[6].begin(), lines[6].begin() + 14, plainLines[6].begin()));
}

TEST(ValveListExport, VeryLongNamesGoIntoTheFileWhole)
{
    const std::u16string project(5000, u'Ж');
    const std::u16string customer = std::u16string(3000, u'x') + u"🔥";
    const std::string bytes = valveListExport(project, customer, kEnglish, {});
    EXPECT_NE(bytes.find("Project:" + utf16ToUtf8(project) + "\r\n\r\nCustomer:" + utf16ToUtf8(customer) + "\r\n\r\n"),
              std::string::npos);
}

TEST(ValveListExport, FailureMessageNamesTheFileAndTheReason)
{
    EXPECT_EQ(utf16ToUtf8(exportFailureText(kEnglish, "/home/anna/Export/Liste.csv", "Permission denied")),
              "The file /home/anna/Export/Liste.csv could not be saved: Permission denied");
    EXPECT_EQ(utf16ToUtf8(exportFailureText(kRussian, "Export/Список.csv", "No space left on device")),
              "Не удалось сохранить файл Export/Список.csv: No space left on device");
}

} // namespace

namespace {

// What another program stored as no number, and a NULL, export as no
// number: a presetting "zz" was 0.00, a NULL temperature "0.00 (C)".
TEST(ValveListExport, ValuesThatAreNoNumberExportAsNoNumber)
{
    ProjectRow row = rowsOfEachKind().front();
    row.presetting = "zz";
    row.t_mandata = NAN; // the list reads a NULL so
    const std::vector<std::vector<std::string>> lines =
        records(valveListExport(u"Klinikum Nord", u"Müller GmbH", kEnglish, {row}, {}));
    ASSERT_EQ(lines.size(), 6u);
    const std::vector<std::string>& fields = lines[5];
    EXPECT_EQ(fields[10], "--- (-)");
    EXPECT_EQ(fields[7], "--- (" + row.muTemp + ")");
}

} // namespace
