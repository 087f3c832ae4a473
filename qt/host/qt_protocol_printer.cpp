#include "qt/host/qt_protocol_printer.h"

#include "commissioning/protocol_layout.h"
#include "qt/host/protocol_closing.h"
#include "qt/host/protocol_page.h"
#include "qt/resources/image_resource_path.h"
#include "qt/resources/program_fonts.h"

#include <QApplication>
#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QProgressDialog>
#include <QSvgRenderer>

#include <algorithm>
#include <functional>
#include <memory>

namespace {

constexpr int kBannerPicture = 241;
// Millimetres.
constexpr double kMargin = 10.0;
constexpr double kHeaderBand = 27.0;
constexpr double kFooterBand = 7.0;
constexpr double kPadding = 1.0;
constexpr double kWritableRow = 9.0;
constexpr double kBannerHeight = 12.0;
constexpr double kSectionTitle = 8.0;
// Points.
constexpr double kHeaderPoints = 6.5;
constexpr double kSmallestHeaderPoints = 4.0;
constexpr double kCellPoints = 6.5;
constexpr double kSectionCellPoints = 8.0;
// Protocols longer than this show their progress.
constexpr std::size_t kRowsWorthAProgressDialog = 300;
constexpr std::size_t kNoColumn = static_cast<std::size_t>(-1);

const QColor kRule(90, 90, 90);
const QColor kHeaderFill(225, 230, 236);
const QColor kSiteHeaderFill(250, 236, 200);
const QColor kPassed(0, 120, 40);
const QColor kFailed(222, 12, 33);

// A table as drawn: its columns, fonts, the height of its header and of
// each row, and which columns are the site's (filled by hand, ruled
// heavier) and which one carries the mark's colour.
struct Table {
    const std::vector<std::u16string>* headers = nullptr;
    const std::vector<std::vector<std::u16string>>* rows = nullptr;
    const std::vector<ProtocolMark>* marks = nullptr;
    std::vector<double> widths;
    QFont headerFont;
    QFont cellFont;
    double headerHeight = 0.0;
    std::vector<double> rowHeights;
    std::size_t firstSiteColumn = kNoColumn;
    std::size_t markColumn = kNoColumn;
};

// A cell's text as printed. A line may break after a slash, and a narrow
// cell printed "12345,00 (l/" above "h)": a word joiner (which no font
// draws) after each slash keeps a unit whole, on the next line if need be.
QString cellText(const std::u16string& cell)
{
    QString text = printedText(cell);
    text.replace(QLatin1Char('/'), QStringLiteral("/\u2060"));
    return text;
}

// The lines of the row's cell that wraps most.
int mostLines(ProtocolPage& page, const std::vector<std::u16string>& cells, const Table& table, const QFont& font)
{
    int most = 1;
    for (std::size_t i = 0; i < cells.size() && i < table.widths.size(); ++i)
        most = std::max(most, page.lineCount(cellText(cells[i]), font, table.widths[i] - 2.0 * kPadding));
    return most;
}

// The headers' size at which each one's longest word fits its column.
double headerPoints(ProtocolPage& page, const std::vector<std::u16string>& headers, const std::vector<double>& widths,
                    double basePoints)
{
    const QFont base = sizedFont(boldFont(), basePoints);
    std::vector<double> longestWords;
    std::vector<double> innerWidths;
    for (std::size_t i = 0; i < headers.size() && i < widths.size(); ++i) {
        double longest = 0.0;
        for (const QString& word : printedText(headers[i]).split(QLatin1Char(' '), Qt::SkipEmptyParts))
            longest = std::max(longest, page.textWidthMm(word, base));
        longestWords.push_back(longest);
        // A little to spare: glyph widths do not scale exactly with the size.
        innerWidths.push_back(0.95 * (widths[i] - 2.0 * kPadding));
    }
    return fittingFontSize(basePoints, kSmallestHeaderPoints, longestWords, innerWidths);
}

Table measuredTable(ProtocolPage& page, const std::vector<std::u16string>& headers,
                    const std::vector<std::vector<std::u16string>>& rows, std::vector<double> widths,
                    double cellPoints, double minimumRow)
{
    Table table;
    table.headers = &headers;
    table.rows = &rows;
    table.widths = std::move(widths);
    table.headerFont = sizedFont(boldFont(), headerPoints(page, headers, table.widths, cellPoints));
    table.cellFont = sizedFont(regularFont(), cellPoints);
    table.headerHeight = protocolRowHeight(mostLines(page, headers, table, table.headerFont),
                                           page.lineHeightMm(table.headerFont), kPadding, 0.0);
    const double lineHeight = page.lineHeightMm(table.cellFont);
    for (const std::vector<std::u16string>& cells : rows)
        table.rowHeights.push_back(
            protocolRowHeight(mostLines(page, cells, table, table.cellFont), lineHeight, kPadding, minimumRow));
    return table;
}

QColor markColour(ProtocolMark mark)
{
    return mark == ProtocolMark::Passed ? kPassed : mark == ProtocolMark::Failed ? kFailed : QColor(Qt::black);
}

void drawRow(ProtocolPage& page, const Table& table, const std::vector<std::u16string>& cells, double y,
             double height, bool header, ProtocolMark mark)
{
    QPainter& painter = page.painter();
    painter.setFont(header ? table.headerFont : table.cellFont);
    // Headers come in a size at which they break between words (see
    // headerPoints); a word longer than its cell even so, like a long
    // designation, breaks anywhere rather than run out of its cell.
    double x = 0.0;
    for (std::size_t i = 0; i < table.widths.size(); ++i) {
        const double width = table.widths[i];
        const bool site = i >= table.firstSiteColumn;
        const QColor fill = header ? (site ? kSiteHeaderFill : kHeaderFill) : QColor(Qt::white);
        painter.setPen(QPen(kRule, page.mm(site && !header ? 0.35 : 0.2)));
        painter.setBrush(fill);
        painter.drawRect(page.rect(x, y, width, height));
        painter.setPen(!header && i == table.markColumn ? markColour(mark) : QColor(Qt::black));
        const QString text = i < cells.size() ? cellText(cells[i]) : QString();
        if (!text.isEmpty())
            painter.drawText(page.rect(x + kPadding, y + kPadding, width - 2.0 * kPadding, height - 2.0 * kPadding),
                             text, ProtocolPage::wrapping(Qt::AlignLeft | Qt::AlignVCenter,
                                                          QTextOption::WrapAtWordBoundaryOrAnywhere));
        x += width;
    }
}

// The table's header at top, then its rows of the page.
void drawTablePage(ProtocolPage& page, const Table& table, const ProtocolPageRows& rows, double top)
{
    drawRow(page, table, *table.headers, top, table.headerHeight, true, ProtocolMark::None);
    double y = top + table.headerHeight;
    for (std::size_t row = rows.first; row < rows.first + rows.count; ++row) {
        const ProtocolMark mark =
            table.marks && row < table.marks->size() ? (*table.marks)[row] : ProtocolMark::None;
        drawRow(page, table, (*table.rows)[row], y, table.rowHeights[row], false, mark);
        y += table.rowHeights[row];
    }
}

double rowsHeight(const Table& table, const ProtocolPageRows& rows)
{
    double height = 0.0;
    for (std::size_t row = rows.first; row < rows.first + rows.count; ++row)
        height += table.rowHeights[row];
    return height;
}

void drawHeaderBand(ProtocolPage& page, const CommissioningProtocol& protocol, const QImage& banner, double width)
{
    QPainter& painter = page.painter();
    double bannerWidth = 0.0;
    if (!banner.isNull()) {
        bannerWidth = kBannerHeight * banner.width() / banner.height();
        painter.drawImage(page.rect(0.0, 0.0, bannerWidth, kBannerHeight), banner);
    }
    painter.setPen(Qt::black);
    const double titleLeft = bannerWidth + 4.0;
    painter.setFont(sizedFont(boldFont(), 16.0));
    page.drawLine(page.rect(titleLeft, 0.0, width - titleLeft, 8.0), Qt::AlignRight | Qt::AlignVCenter,
                  printedText(protocol.title));
    painter.setFont(sizedFont(regularFont(), 9.0));
    page.drawLine(page.rect(titleLeft, 8.0, width - titleLeft, 5.0), Qt::AlignRight | Qt::AlignVCenter,
                  printedText(protocol.printedLine));
    // The tolerance at the right; project and customer take what is left.
    const QString tolerance = printedText(protocol.toleranceLine);
    const double toleranceWidth = page.textWidthMm(tolerance, painter.font()) + 1.0;
    page.drawLine(page.rect(width - toleranceWidth, 20.5, toleranceWidth, 5.0), Qt::AlignRight | Qt::AlignVCenter,
                  tolerance);
    painter.setFont(sizedFont(boldFont(), 10.0));
    const double nameWidth = width - toleranceWidth - 5.0;
    page.drawLine(page.rect(0.0, 15.0, nameWidth, 5.0), Qt::AlignLeft | Qt::AlignVCenter,
                  printedText(protocol.projectLine));
    page.drawLine(page.rect(0.0, 20.5, nameWidth, 5.0), Qt::AlignLeft | Qt::AlignVCenter,
                  printedText(protocol.customerLine));
}

void drawFooter(ProtocolPage& page, const CommissioningProtocol& protocol, double width, double height, int number,
                int count)
{
    QPainter& painter = page.painter();
    painter.setPen(Qt::black);
    painter.setFont(sizedFont(regularFont(), 8.0));
    const double top = height - kFooterBand + 2.0;
    const QString counter = printedText(protocolPageCounter(protocol.languageIndex, number, count));
    const double counterWidth = page.textWidthMm(counter, painter.font()) + 1.0;
    page.drawLine(page.rect(width - counterWidth, top, counterWidth, kFooterBand - 2.0),
                  Qt::AlignRight | Qt::AlignVCenter, counter);
    page.drawLine(page.rect(0.0, top, width - counterWidth - 5.0, kFooterBand - 2.0), Qt::AlignLeft | Qt::AlignVCenter,
                  printedText(protocol.title + u" – " + protocol.projectLine));
}

void drawSectionTitle(ProtocolPage& page, const std::u16string& title, double width)
{
    page.painter().setPen(Qt::black);
    page.painter().setFont(sizedFont(boldFont(), 11.0));
    page.drawLine(page.rect(0.0, kHeaderBand, width, kSectionTitle - 2.0), Qt::AlignLeft | Qt::AlignVCenter,
                  printedText(title));
}

// A chart below the header band, as large as the page allows, its
// proportions kept.
void drawChart(ProtocolPage& page, const std::string& svg, double width, double height)
{
    QSvgRenderer renderer(QByteArray::fromStdString(svg));
    if (!renderer.isValid())
        return;
    renderer.setAspectRatioMode(Qt::KeepAspectRatio);
    renderer.render(&page.painter(), page.rect(0.0, kHeaderBand, width, height - kFooterBand - kHeaderBand));
}

QByteArray xmpMetadata(const QString& title, const QString& author)
{
    const QString xmp = QStringLiteral(
        "<?xpacket begin='' id='W5M0MpCehiHzreSzNTczkc9d'?>"
        "<x:xmpmeta xmlns:x='adobe:ns:meta/'><rdf:RDF xmlns:rdf='http://www.w3.org/1999/02/22-rdf-syntax-ns#'>"
        "<rdf:Description rdf:about='' xmlns:dc='http://purl.org/dc/elements/1.1/'>"
        "<dc:title><rdf:Alt><rdf:li xml:lang='x-default'>%1</rdf:li></rdf:Alt></dc:title>"
        "<dc:creator><rdf:Seq><rdf:li>%2</rdf:li></rdf:Seq></dc:creator>"
        "</rdf:Description></rdf:RDF></x:xmpmeta><?xpacket end='w'?>");
    return xmp.arg(title.toHtmlEscaped(), author.toHtmlEscaped()).toUtf8();
}

// The progress of a long protocol, page by page, where it is wanted.
std::unique_ptr<QProgressDialog> progressDialog(const CommissioningProtocol& protocol, bool wanted, int pages)
{
    if (!wanted || protocol.rows.size() < kRowsWorthAProgressDialog)
        return nullptr;
    auto dialog = std::make_unique<QProgressDialog>(printedText(protocol.title), QProgressDialog::tr("Cancel"), 0,
                                                    pages, QApplication::activeWindow());
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setMinimumDuration(300);
    dialog->setAutoClose(false);
    return dialog;
}

using PageContent = std::function<void()>;

// The pages of a table of its own (the earlier readings, the fitter's
// settings) under its title; none without rows.
void addSectionPages(std::vector<PageContent>& pages, ProtocolPage& page, const Table& table,
                     const std::u16string& title, double width, double height)
{
    if (table.rows->empty())
        return;
    const double top = kHeaderBand + kSectionTitle;
    const double space = height - kFooterBand - top - table.headerHeight;
    for (const ProtocolPageRows& rows : protocolPages(table.rowHeights, space))
        pages.push_back([&page, &table, &title, rows, top, width] {
            drawSectionTitle(page, title, width);
            drawTablePage(page, table, rows, top);
        });
}

} // namespace

std::optional<std::string> QtProtocolPrinter::protocolPdf(const CommissioningProtocol& protocol)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(kProtocolResolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                     QMarginsF(kMargin, kMargin, kMargin, kMargin), QPageLayout::Millimeter));
    const QString author = QStringLiteral("Arvelo Rezu");
    writer.setTitle(printedText(protocol.title));
    writer.setCreator(author);
    writer.setDocumentXmpMetadata(xmpMetadata(printedText(protocol.title), author));

    QPainter painter(&writer);
    ProtocolPage page(painter);
    const QRectF area = writer.pageLayout().paintRect(QPageLayout::Millimeter);
    const double width = area.width();
    const double height = area.height();

    Table table = measuredTable(page, protocol.headers, protocol.rows, protocolColumnWidths(width), kCellPoints,
                                kWritableRow);
    table.marks = &protocol.marks;
    table.firstSiteColumn = table.widths.size() - kSiteColumns;
    table.markColumn = table.firstSiteColumn + 4;
    const double rowSpace = height - kFooterBand - kHeaderBand - table.headerHeight;
    const std::vector<ProtocolPageRows> tablePages = protocolPages(table.rowHeights, rowSpace);

    // What follows the last row, continued on pages of its own when it is long.
    const std::vector<ClosingPiece> closing = closingPieces(page, protocol, width);
    std::vector<double> closingHeights;
    for (const ClosingPiece& piece : closing)
        closingHeights.push_back(piece.height);
    const double afterRows = kHeaderBand + table.headerHeight + rowsHeight(table, tablePages.back());
    const std::vector<PiecePlace> places = flowPieces(closingHeights, afterRows, kHeaderBand, height - kFooterBand);
    const auto drawClosing = [&](std::size_t closingPage) {
        for (std::size_t i = 0; i < closing.size(); ++i)
            if (places[i].page == closingPage)
                closing[i].draw(page, places[i].top);
    };

    std::vector<PageContent> pages;
    for (std::size_t number = 0; number < tablePages.size(); ++number)
        pages.push_back([&, number] {
            drawTablePage(page, table, tablePages[number], kHeaderBand);
            if (number + 1 == tablePages.size())
                drawClosing(0);
        });
    for (std::size_t closingPage = 1; closingPage <= (places.empty() ? 0 : places.back().page); ++closingPage)
        pages.push_back([&, closingPage] { drawClosing(closingPage); });

    const Table earlier = measuredTable(page, protocol.earlierReadings.headers, protocol.earlierReadings.rows,
                                        earlierReadingsColumnWidths(width), kSectionCellPoints, 0.0);
    addSectionPages(pages, page, earlier, protocol.earlierReadings.title, width, height);
    for (const std::string& chart : protocol.charts)
        pages.push_back([&page, &chart, width, height] { drawChart(page, chart, width, height); });
    // The fitter's settings close the protocol: the page to take along.
    const Table fitter = measuredTable(page, protocol.fitterSettings.headers, protocol.fitterSettings.rows,
                                       fitterColumnWidths(width), kSectionCellPoints, kWritableRow);
    addSectionPages(pages, page, fitter, protocol.fitterSettings.title, width, height);

    // One picture at print resolution, drawn on every page: the document
    // holds it once.
    const QImage banner = QImage(imageResourcePath(kBannerPicture))
                              .scaledToHeight(static_cast<int>(page.mm(kBannerHeight)), Qt::SmoothTransformation);
    const int pageCount = static_cast<int>(pages.size());
    const auto progress = progressDialog(protocol, showProgress_, pageCount);
    for (std::size_t number = 0; number < pages.size(); ++number) {
        if (progress) {
            progress->setValue(static_cast<int>(number));
            if (progress->wasCanceled())
                return std::nullopt;
        }
        if (number > 0)
            writer.newPage();
        drawHeaderBand(page, protocol, banner, width);
        pages[number]();
        drawFooter(page, protocol, width, height, static_cast<int>(number + 1), pageCount);
    }
    painter.end();
    if (progress)
        progress->setValue(pageCount);
    return buffer.data().toStdString();
}
