// The printed commissioning protocol, read back by poppler's pdftotext and
// pdfinfo as any PDF reader would read it.

#include "data/text_format.h"
#include "tests/support/command_output.h"
#include "tests/support/temp_folder.h"
#include "commissioning/commissioning_protocol.h"
#include "commissioning/valve_facts.h"
#include "files/write_file_atomically.h"
#include "qt/host/qt_protocol_printer.h"

#include <QApplication>
#include <QProgressDialog>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

// Text as a reader extracts it, without blanks and line breaks, and with
// the typesetter's ligatures spelt out again.
std::string withoutSpaces(const std::string& text)
{
    std::string out;
    for (const char c : text)
        if (c != ' ' && c != '\n' && c != '\r' && c != '\f' && c != '\t')
            out += c;
    using Ligature = std::pair<std::string, std::string>;
    for (const auto& [ligature, letters] : {Ligature{"\xEF\xAC\x80", "ff"}, Ligature{"\xEF\xAC\x81", "fi"},
                                            Ligature{"\xEF\xAC\x82", "fl"}, Ligature{"\xEF\xAC\x83", "ffi"},
                                            Ligature{"\xEF\xAC\x84", "ffl"}})
        for (std::size_t at = out.find(ligature); at != std::string::npos; at = out.find(ligature, at))
            out.replace(at, ligature.size(), letters);
    return out;
}

constexpr std::size_t kResultColumn = 14 + 4;

std::vector<std::string> words(const std::string& text)
{
    std::vector<std::string> result;
    std::string word;
    for (const char c : text + " ") {
        if (c == ' ' || c == '\n') {
            if (!word.empty())
                result.push_back(word);
            word.clear();
        } else {
            word += c;
        }
    }
    return result;
}

// 120 valves; one designation of four-byte characters, one of 127 bytes
// without a space, which must wrap inside its cell.
std::vector<ProjectRow> manyValves()
{
    std::vector<ProjectRow> rows;
    for (int i = 1; i <= 120; ++i) {
        ProjectRow row;
        row.posizione = static_cast<std::uint16_t>(i);
        row.nome_tipo = "Arvelo Quarz";
        row.dimensione = "DN 25";
        row.numero_di_materiale = "AR11-025-01";
        row.dP = 100.0f;
        row.portata = 0.5f;
        row.muP = "mbar";
        row.muQ = "l/s";
        row.presetting = "3,70";
        row.kv = "5,70";
        row.apertura = "46,25";
        row.riferimento = "Heizkreis " + std::to_string(i) + " Ost";
        rows.push_back(row);
    }
    rows[6].riferimento = "Bad \xF0\x9D\x90\x80\xF0\x9D\x90\x81 Strang 7";
    rows[41].riferimento = "Lueftungsregister" + std::string(127 - 17 - 3, 'X') + "042";
    return rows;
}

struct LanguageCase {
    int language;
    const char* pageCounter; // with the page and the count
};

// Every third valve measured, a tenth of its design flow too high.
std::vector<MeasurementRow> someMeasurements(const std::vector<ProjectRow>& rows)
{
    std::vector<MeasurementRow> measurements;
    for (std::size_t i = 0; i < rows.size(); i += 3) {
        MeasurementRow measured;
        measured.posizione = rows[i].posizione;
        measured.riferimento = rows[i].riferimento;
        measured.dP = 98.0f;
        measured.muP = "mbar";
        measured.setting = "3,70";
        measured.flow = i % 2 ? 0.62f : 0.53f;
        measured.muQ = "l/s";
        measured.date = "2026-12-10";
        measurements.push_back(measured);
    }
    return measurements;
}

TEST(ProtocolPdf, EveryPageRepeatsTheHeadersAndEveryDesignationCanBeFound)
{
    const std::vector<ProjectRow> rows = manyValves();
    const std::vector<MeasurementRow> measurements = someMeasurements(rows);
    ASSERT_EQ(rows[41].riferimento.size(), 127u);
    const LanguageCase cases[] = {{3, "Seite %d von %d"}, {6, "Страница %d из %d"}};
    for (const LanguageCase& c : cases) {
        TempFolder folder;
        const std::filesystem::path file = folder.path() / "protocol.pdf";
        QtProtocolPrinter printer;
        const CommissioningProtocol protocol =
            commissioningProtocol(u"Schule Nord " + std::u16string(300, u'W'), u"Stadtwerke", c.language, rows,
                                  measurements, u"2025-03-14");
        ASSERT_FALSE(writeFileAtomically(file, printer.protocolPdf(protocol).value()));
        if (const char* keep = std::getenv("REZU_KEEP_PROTOCOL"))
            std::filesystem::copy_file(file, std::string(keep) + std::to_string(c.language) + ".pdf",
                                       std::filesystem::copy_options::overwrite_existing);

        const std::string info = commandOutput("pdfinfo '" + file.string() + "'");
        int pages = 0;
        std::sscanf(info.c_str() + info.find("Pages:"), "Pages: %d", &pages);
        // 120 valves on rows a hand can write in: about sixteen a page.
        EXPECT_GE(pages, 6) << info;
        EXPECT_LE(pages, 10) << info;
        EXPECT_NE(info.find("Title:           " + utf16ToUtf8(protocol.title)), std::string::npos) << info;
        EXPECT_NE(info.find("Page size:       842 x 595 pts (A4)"), std::string::npos) << info; // landscape
        EXPECT_NE(commandOutput("pdffonts '" + file.string() + "'").find("Roboto"), std::string::npos);

        for (int page = 1; page <= pages; ++page) {
            const std::string text = commandOutput("pdftotext -enc UTF-8 -f " + std::to_string(page) + " -l " +
                                                   std::to_string(page) + " '" + file.string() + "' -");
            char counter[64];
            std::snprintf(counter, sizeof counter, c.pageCounter, page, pages);
            EXPECT_NE(text.find(counter), std::string::npos) << c.language << " page " << page;
            // The long project name ends in an ellipsis before the counter;
            // a page of valves repeats the table's headers.
            const std::u16string projectStart = protocol.projectLine.substr(0, protocol.projectLine.find(u'W') + 10);
            const bool valves = text.find("AR11-025-01") != std::string::npos;
            EXPECT_TRUE(valves || page == pages) << c.language << " page " << page;
            for (const std::u16string* line : {&protocol.headers.front(), &protocol.headers.back(), &projectStart,
                                               &protocol.title})
                EXPECT_TRUE(text.find(utf16ToUtf8(*line)) != std::string::npos ||
                            (!valves && line != &projectStart && line != &protocol.title))
                    << c.language << " page " << page << ": " << utf16ToUtf8(*line);
        }
        const std::string all = withoutSpaces(commandOutput("pdftotext -enc UTF-8 '" + file.string() + "' -"));
        for (std::size_t i = 0; i < rows.size(); ++i) {
            if (i == 6)
                continue;
            EXPECT_NE(all.find(withoutSpaces(rows[i].riferimento)), std::string::npos) << rows[i].riferimento;
        }
        // Qt's PDF writer maps no character beyond the first 65536 back to
        // text: the four-byte letters are drawn (in a fallback face, embedded)
        // but a reader extracts only the rest of that designation.
        EXPECT_NE(all.find("Bad"), std::string::npos);
        EXPECT_NE(all.find("Strang7"), std::string::npos);
        EXPECT_NE(commandOutput("pdffonts '" + file.string() + "'").find("Math"), std::string::npos);

        // The summary and the sign-off close the last page; the banner is
        // embedded once however many pages show it.
        const std::string lastPage = commandOutput("pdftotext -enc UTF-8 -f " + std::to_string(pages) + " -l " +
                                                   std::to_string(pages) + " '" + file.string() + "' -");
        EXPECT_NE(withoutSpaces(lastPage).find(withoutSpaces(utf16ToUtf8(protocol.summaryLine))), std::string::npos)
            << lastPage;
        for (const auto& field : protocol.signOffFields)
            EXPECT_NE(lastPage.find(utf16ToUtf8(field.first)), std::string::npos) << utf16ToUtf8(field.first);
        for (const ProtocolSignature& signature : protocol.signatures)
            EXPECT_NE(lastPage.find(utf16ToUtf8(signature.party)), std::string::npos);
        const std::string images = commandOutput("pdfimages -list '" + file.string() + "' | awk '$3 == \"image\" { print $11 }' | sort -u");
        EXPECT_EQ(std::count(images.begin(), images.end(), '\n'), 1) << images;
    }
}

// A fixed orifice whose handwheel gives Kv = 2 x (presetting - 0,4) on a
// scale from 0,5 to 4,0.
ValveFacts straightCurveValve()
{
    ValveFacts orifice;
    orifice.kind = MeasuredKind::FixedOrifice;
    orifice.kvs = 8.0f;
    orifice.hasCurve = true;
    for (int i = 0; i < 36; ++i)
        orifice.curve.values[i] = 0.2f * static_cast<float>(i + 1);
    orifice.presetStart = 0.5f;
    orifice.presetStep = 0.1f;
    return orifice;
}

// In every language, each word of the headers and of the result column
// stands whole on the page: the headers shrink to fit rather than break a
// word, and the columns are wide enough for the words of a result.
TEST(ProtocolPdf, HeadersAndResultsBreakBetweenWordsInEveryLanguage)
{
    const std::vector<ProjectRow> valves = manyValves();
    const std::vector<ProjectRow> rows(valves.begin(), valves.begin() + 3);
    std::vector<MeasurementRow> measurements = someMeasurements(rows);
    measurements.push_back(measurements.front());
    measurements.back().posizione = rows[1].posizione;
    measurements.back().riferimento = rows[1].riferimento;
    measurements.back().verdict = MeasurementVerdict::Insufficient;
    for (int language = 0; language < 7; ++language) {
        TempFolder folder;
        const std::filesystem::path file = folder.path() / "protocol.pdf";
        // The second valve failed on its pressure: its result names the
        // presetting to set too.
        const CommissioningProtocol protocol = commissioningProtocol(u"Schule", u"Stadt", language, rows,
                                                                     measurements, u"2026-12-10", {},
                                                                     {{"AR11-025-01", straightCurveValve()}});
        ASSERT_FALSE(protocol.fitterSettings.rows.empty());
        ASSERT_FALSE(writeFileAtomically(file, QtProtocolPrinter().protocolPdf(protocol).value()));
        const std::string page = withoutSpaces(commandOutput("pdftotext -enc UTF-8 -f 1 -l 1 '" + file.string() + "' -"));
        std::vector<std::u16string> texts = protocol.headers;
        texts.push_back(protocol.rows[0][kResultColumn]);
        texts.push_back(protocol.rows[1][kResultColumn]);
        for (const std::u16string& text : texts)
            for (const std::string& word : words(utf16ToUtf8(text)))
                EXPECT_NE(page.find(word), std::string::npos) << language << ": " << word;
    }
}

} // namespace

namespace {

// Whether a page, rendered by poppler, shows the colour somewhere.
bool pageShowsColour(const std::filesystem::path& file, int page, int red, int green, int blue)
{
    const std::string ppm = commandOutput("pdftoppm -f " + std::to_string(page) + " -l " + std::to_string(page) +
                                          " -r 30 '" + file.string() + "'");
    // "P6\n<width> <height>\n255\n" and then the pixels.
    std::size_t start = 0;
    for (int lines = 0; lines < 3 && start != std::string::npos; ++lines)
        start = ppm.find('\n', start) + 1;
    for (std::size_t i = start; i + 2 < ppm.size(); i += 3) {
        const auto near = [](unsigned char byte, int wanted) { return std::abs(byte - wanted) <= 12; };
        if (near(static_cast<unsigned char>(ppm[i]), red) && near(static_cast<unsigned char>(ppm[i + 1]), green) &&
            near(static_cast<unsigned char>(ppm[i + 2]), blue))
            return true;
    }
    return false;
}

// A long protocol shows its progress; its Cancel abandons the document.
TEST(ProtocolPdf, ALongProtocolCanBeCancelledInItsProgressDialog)
{
    std::vector<ProjectRow> rows;
    while (rows.size() < 3000)
        for (const ProjectRow& row : manyValves())
            rows.push_back(row);
    const CommissioningProtocol protocol = commissioningProtocol(u"Schule Nord", u"Stadtwerke", 3, rows, {}, u"2026-12-10");
    bool seen = false;
    QTimer cancelling;
    QObject::connect(&cancelling, &QTimer::timeout, [&seen] {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* progress = qobject_cast<QProgressDialog*>(window); progress && progress->isVisible()) {
                seen = true;
                progress->cancel();
            }
    });
    cancelling.start(20);
    EXPECT_FALSE(QtProtocolPrinter(true).protocolPdf(protocol).has_value());
    EXPECT_TRUE(seen);
    // Without the dialog the same protocol is printed whole.
    cancelling.stop();
    EXPECT_TRUE(QtProtocolPrinter(false).protocolPdf(protocol).has_value());
}

TEST(ProtocolPdf, ChartsFollowTheTableOnPagesOfTheirOwn)
{
    std::vector<ProjectRow> rows = manyValves();
    rows.resize(3);
    CommissioningProtocol protocol = commissioningProtocol(u"Schule Nord", u"Stadtwerke", 3, rows, {}, u"2025-03-14");
    // A bar in the chart's circuit blue.
    const std::string chart = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
                              "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"400\" height=\"200\">"
                              "<rect x=\"10\" y=\"10\" width=\"300\" height=\"40\" fill=\"#1f5fa8\"/></svg>";
    protocol.charts = {chart, chart};
    TempFolder folder;
    const std::filesystem::path file = folder.path() / "protocol.pdf";
    QtProtocolPrinter printer;
    ASSERT_FALSE(writeFileAtomically(file, printer.protocolPdf(protocol).value()));
    const std::string info = commandOutput("pdfinfo '" + file.string() + "'");
    EXPECT_NE(info.find("Pages:           3"), std::string::npos) << info;
    EXPECT_FALSE(pageShowsColour(file, 1, 0x1f, 0x5f, 0xa8)) << "the table's page";
    for (const int page : {2, 3}) {
        const std::string text = commandOutput("pdftotext -enc UTF-8 -f " + std::to_string(page) + " -l " +
                                               std::to_string(page) + " '" + file.string() + "' -");
        EXPECT_NE(text.find("Seite " + std::to_string(page) + " von 3"), std::string::npos) << page << text;
        EXPECT_NE(text.find("Projekt: Schule Nord"), std::string::npos) << page << text;
        EXPECT_TRUE(pageShowsColour(file, page, 0x1f, 0x5f, 0xa8)) << "the chart on page " << page;
    }
}

} // namespace

namespace {

std::string pageText(const std::filesystem::path& file, int page)
{
    return commandOutput("pdftotext -enc UTF-8 -f " + std::to_string(page) + " -l " + std::to_string(page) + " '" +
                         file.string() + "' -");
}

int pageCount(const std::filesystem::path& file)
{
    const std::string info = commandOutput("pdfinfo '" + file.string() + "'");
    int pages = 0;
    std::sscanf(info.c_str() + info.find("Pages:"), "Pages: %d", &pages);
    return pages;
}

// Long sign-off texts in Russian, the longest language: the instrument
// keeps its serial number, remarks of many lines continue on the next page,
// a tab prints as a blank and an emoji as a visible replacement.
TEST(ProtocolPdf, NothingEnteredIsCut)
{
    std::vector<ProjectRow> rows = manyValves();
    rows.resize(12);
    rows.back().posizione = 10000; // five digits stand on one line
    ProtocolSignOff signOff;
    signOff.instrument = u"Электронный дифференциальный манометр с поверкой, зав. №12345";
    std::u16string remarks;
    for (int line = 1; line <= 40; ++line)
        remarks += u"Замечание " + utf8ToUtf16(std::to_string(line)) + u": стояк проверен\n";
    remarks += u"Последняя\tстрока 🔥";
    signOff.remarks = remarks;
    const CommissioningProtocol protocol =
        commissioningProtocol(u"Школа", u"Город", 6, rows, {}, u"2026-12-10", signOff);
    TempFolder folder;
    const std::filesystem::path file = folder.path() / "protocol.pdf";
    ASSERT_FALSE(writeFileAtomically(file, QtProtocolPrinter().protocolPdf(protocol).value()));
    const int pages = pageCount(file);
    ASSERT_GE(pages, 2) << "forty lines of remarks do not fit below twelve valves";
    std::string all;
    for (int page = 1; page <= pages; ++page)
        all += pageText(file, page);
    EXPECT_NE(all.find("зав. №12345"), std::string::npos) << all;
    EXPECT_NE(all.find("\n10000\n"), std::string::npos) << "the number column breaks five digits";
    for (int line = 1; line <= 40; ++line)
        EXPECT_NE(all.find("Замечание " + std::to_string(line) + ": стояк проверен"), std::string::npos) << line;
    EXPECT_NE(all.find("Последняя строка \xEF\xBF\xBD"), std::string::npos) << "a blank for the tab, U+FFFD for the emoji";
    // The signatures close the last page.
    EXPECT_NE(pageText(file, pages).find(utf16ToUtf8(protocol.signatures.back().party)), std::string::npos);
}

// The sign-off's facts print together, whatever the rows above leave of
// the page ("Messgerät" stood on one page, "Kalibriert am" on the next);
// a five-digit flow keeps its unit whole, "(l/h)" never "(l/" and "h)".
TEST(ProtocolPdf, TheSignOffStaysTogetherAndAUnitWhole)
{
    ProtocolSignOff signOff;
    signOff.engineer = u"Anna Berg";
    signOff.instrument = u"Fluke 922";
    // Row counts at which the page broke inside the sign-off before.
    for (const std::size_t count : {13u, 29u}) {
        SCOPED_TRACE(count);
        std::vector<ProjectRow> rows = manyValves();
        rows.resize(count);
        for (ProjectRow& row : rows) {
            row.portata = 12345.0f;
            row.muQ = "l/h";
        }
        const CommissioningProtocol protocol =
            commissioningProtocol(u"Schule", u"Stadt", 3, rows, {}, u"2026-12-10", signOff);
        TempFolder folder;
        const std::filesystem::path file = folder.path() / "protocol.pdf";
        ASSERT_FALSE(writeFileAtomically(file, QtProtocolPrinter().protocolPdf(protocol).value()));
        const int pages = pageCount(file);
        int instrumentPage = 0;
        int calibrationPage = 0;
        for (int page = 1; page <= pages; ++page) {
            const std::string text = pageText(file, page);
            instrumentPage = text.find("Messgerät:") != std::string::npos ? page : instrumentPage;
            calibrationPage = text.find("Kalibriert am:") != std::string::npos ? page : calibrationPage;
            if (page == 1) {
                EXPECT_EQ(text.find("(l/\n"), std::string::npos) << text;
            }
        }
        EXPECT_NE(instrumentPage, 0);
        EXPECT_EQ(instrumentPage, calibrationPage);
    }
}

// A failing static valve measured twice: its earlier reading in the
// appendix, its presetting to set on the fitter's page, which is the last.
TEST(ProtocolPdf, TheEarlierReadingsAndTheFitterSettingsFollowTheTable)
{
    std::vector<ProjectRow> rows = manyValves();
    rows.resize(3);
    const ValveFacts orifice = straightCurveValve();
    MeasurementRow first;
    first.posizione = rows[1].posizione;
    first.riferimento = rows[1].riferimento;
    first.dP = 6.0f;
    first.muP = "kPa";
    first.setting = "3,70";
    first.flow = 0.7f;
    first.muQ = "l/s";
    first.date = "2026-12-09";
    first.reading = 1;
    MeasurementRow second = first;
    second.flow = 0.62f;
    second.date = "2026-12-10";
    second.reading = 2;
    // Found at 3,70 (Kv 6,6) passing 0,62 for 0,5: Kv 6,6 x 0,5 / 0,62 =
    // 5,32, nearest mark 5,4 at 3,10.
    const CommissioningProtocol protocol = commissioningProtocol(
        u"Schule", u"Stadt", 3, rows, {first, second}, u"2026-12-10", {}, {{"AR11-025-01", orifice}});
    TempFolder folder;
    const std::filesystem::path file = folder.path() / "protocol.pdf";
    ASSERT_FALSE(writeFileAtomically(file, QtProtocolPrinter().protocolPdf(protocol).value()));
    ASSERT_EQ(pageCount(file), 3);
    const std::string table = pageText(file, 1);
    EXPECT_NE(table.find("Ventile mit fester Messblende"), std::string::npos) << table;
    EXPECT_NE(table.find("Kvs 8,00"), std::string::npos) << table;
    const std::string appendix = withoutSpaces(pageText(file, 2));
    EXPECT_NE(appendix.find("FrühereMessungen"), std::string::npos) << appendix;
    EXPECT_NE(appendix.find("2026-12-09"), std::string::npos) << appendix;
    EXPECT_NE(appendix.find("0,700(l/s)"), std::string::npos) << appendix;
    EXPECT_NE(appendix.find("+40,00"), std::string::npos) << appendix; // (0,700 - 0,500) / 0,500
    const std::string fitter = withoutSpaces(pageText(file, 3));
    EXPECT_NE(fitter.find("EinstellungenfürdenMonteur"), std::string::npos) << fitter;
    EXPECT_NE(fitter.find("Heizkreis2Ost"), std::string::npos) << fitter;
    EXPECT_NE(fitter.find("3,70"), std::string::npos) << fitter;
    EXPECT_NE(fitter.find("3,10"), std::string::npos) << fitter;
    EXPECT_EQ(fitter.find("Heizkreis1Ost"), std::string::npos) << "only the valves to re-set";
}

} // namespace
