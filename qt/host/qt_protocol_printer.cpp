#include "qt/host/qt_protocol_printer.h"

#include "qt/resources/program_fonts.h"
#include "qt/resources/image_resource_path.h"
#include "commissioning/protocol_layout.h"

#include <QApplication>
#include <QBuffer>
#include <QHash>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QProgressDialog>
#include <QSvgRenderer>
#include <QTextLayout>
#include <QTextOption>

#include <algorithm>
#include <memory>

namespace {

constexpr int kResolution = 300;
constexpr int kBannerPicture = 241;
// Millimetres.
constexpr double kMargin = 10.0;
constexpr double kHeaderBand = 27.0;
constexpr double kFooterBand = 7.0;
constexpr double kPadding = 1.0;
constexpr double kWritableRow = 9.0;
constexpr double kBannerHeight = 12.0;
// The summary, three rows of sign-off fields, the remarks and the two
// signatures.
constexpr double kSummaryHeight = 9.0;
constexpr double kFieldRow = 8.0;
constexpr double kRemarksHeight = 16.0;
constexpr double kSignatureHeight = 24.0;
constexpr double kClosingHeight = kSummaryHeight + 2.0 * kFieldRow + kRemarksHeight + kSignatureHeight + 4.0;
// Points.
constexpr double kHeaderPoints = 6.5;
constexpr double kSmallestHeaderPoints = 4.0;
constexpr double kCellPoints = 6.5;
// Protocols longer than this show their progress.
constexpr std::size_t kRowsWorthAProgressDialog = 300;

const QColor kRule(90, 90, 90);
const QColor kHeaderFill(225, 230, 236);
const QColor kSiteHeaderFill(250, 236, 200);
const QColor kPassed(0, 120, 40);
const QColor kFailed(222, 12, 33);

QString qText(const std::u16string& text) { return QString::fromStdU16String(text); }

QFont sizedFont(QFont font, double points)
{
    font.setPointSizeF(points);
    return font;
}

// One page's drawing, in millimetres on the printable area.
class ProtocolPage {
public:
    explicit ProtocolPage(QPainter& painter) : painter_(painter) {}

    double mm(double millimetres) const { return millimetres * kResolution / 25.4; }
    double toMm(double pixels) const { return pixels * 25.4 / kResolution; }
    QRectF rect(double x, double y, double width, double height) const
    {
        return QRectF(mm(x), mm(y), mm(width), mm(height));
    }
    static QTextOption wrapping(Qt::Alignment alignment, QTextOption::WrapMode mode)
    {
        QTextOption option(alignment);
        option.setWrapMode(mode);
        return option;
    }
    // Lines of the text wrapped to the width. A text on one line that fits
    // needs no layout; most cells are such, and many repeat.
    int lineCount(const QString& text, const QFont& font, double widthMm)
    {
        const QFontMetricsF metrics(font, painter_.device());
        if (!text.contains(QLatin1Char('\n')) && metrics.horizontalAdvance(text) <= mm(widthMm))
            return 1;
        QTextLayout layout(text, font, painter_.device());
        layout.setTextOption(wrapping(Qt::AlignLeft, QTextOption::WrapAtWordBoundaryOrAnywhere));
        layout.beginLayout();
        int lines = 0;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(mm(widthMm));
            ++lines;
        }
        layout.endLayout();
        return lines;
    }
    double lineHeightMm(const QFont& font) const
    {
        return toMm(QFontMetricsF(font, painter_.device()).lineSpacing());
    }
    double textWidthMm(const QString& text, const QFont& font) const
    {
        return toMm(QFontMetricsF(font, painter_.device()).horizontalAdvance(text));
    }
    // One line of text in the box, cut with an ellipsis where it is longer.
    void drawLine(const QRectF& box, Qt::Alignment alignment, const QString& text)
    {
        const QString shown = QFontMetricsF(painter_.font(), painter_.device())
                                  .elidedText(text, Qt::ElideRight, box.width());
        painter_.drawText(box, alignment | Qt::TextSingleLine, shown);
    }
    QPainter& painter() { return painter_; }

private:
    QPainter& painter_;
};

struct Table {
    std::vector<double> widths;
    QFont headerFont;
    QFont cellFont;
    double headerHeight = 0.0;
    std::vector<double> rowHeights;
};

// The lines of the row's cell that wraps most.
int mostLines(ProtocolPage& page, const std::vector<std::u16string>& cells, const Table& table, const QFont& font)
{
    int most = 1;
    for (std::size_t i = 0; i < cells.size() && i < table.widths.size(); ++i)
        most = std::max(most, page.lineCount(qText(cells[i]), font, table.widths[i] - 2.0 * kPadding));
    return most;
}

// The headers' size at which each one's longest word fits its column.
double headerPoints(ProtocolPage& page, const std::vector<std::u16string>& headers, const std::vector<double>& widths)
{
    const QFont base = sizedFont(boldFont(), kHeaderPoints);
    std::vector<double> longestWords;
    std::vector<double> innerWidths;
    for (std::size_t i = 0; i < headers.size() && i < widths.size(); ++i) {
        double longest = 0.0;
        for (const QString& word : qText(headers[i]).split(QLatin1Char(' '), Qt::SkipEmptyParts))
            longest = std::max(longest, page.textWidthMm(word, base));
        longestWords.push_back(longest);
        // A little to spare: glyph widths do not scale exactly with the size.
        innerWidths.push_back(0.95 * (widths[i] - 2.0 * kPadding));
    }
    return fittingFontSize(kHeaderPoints, kSmallestHeaderPoints, longestWords, innerWidths);
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
    const std::size_t listColumns = table.widths.size() - kSiteColumns;
    const std::size_t resultColumn = listColumns + 4;
    // Headers come in a size at which they break between words (see
    // headerPoints); a word longer than its cell even so, like a long
    // designation, breaks anywhere rather than run out of its cell.
    double x = 0.0;
    for (std::size_t i = 0; i < table.widths.size(); ++i) {
        const double width = table.widths[i];
        const bool site = i >= listColumns;
        const QColor fill = header ? (site ? kSiteHeaderFill : kHeaderFill) : QColor(Qt::white);
        painter.setPen(QPen(kRule, page.mm(site && !header ? 0.35 : 0.2)));
        painter.setBrush(fill);
        painter.drawRect(page.rect(x, y, width, height));
        painter.setPen(!header && i == resultColumn ? markColour(mark) : QColor(Qt::black));
        const QString text = i < cells.size() ? qText(cells[i]) : QString();
        if (!text.isEmpty())
            painter.drawText(page.rect(x + kPadding, y + kPadding, width - 2.0 * kPadding, height - 2.0 * kPadding),
                             text, ProtocolPage::wrapping(Qt::AlignLeft | Qt::AlignVCenter,
                                                          QTextOption::WrapAtWordBoundaryOrAnywhere));
        x += width;
    }
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
                  qText(protocol.title));
    painter.setFont(sizedFont(regularFont(), 9.0));
    page.drawLine(page.rect(titleLeft, 8.0, width - titleLeft, 5.0), Qt::AlignRight | Qt::AlignVCenter,
                  qText(protocol.printedLine));
    // The tolerance at the right; project and customer take what is left.
    const QString tolerance = qText(protocol.toleranceLine);
    const double toleranceWidth = page.textWidthMm(tolerance, painter.font()) + 1.0;
    page.drawLine(page.rect(width - toleranceWidth, 20.5, toleranceWidth, 5.0), Qt::AlignRight | Qt::AlignVCenter,
                  tolerance);
    painter.setFont(sizedFont(boldFont(), 10.0));
    const double nameWidth = width - toleranceWidth - 5.0;
    page.drawLine(page.rect(0.0, 15.0, nameWidth, 5.0), Qt::AlignLeft | Qt::AlignVCenter, qText(protocol.projectLine));
    page.drawLine(page.rect(0.0, 20.5, nameWidth, 5.0), Qt::AlignLeft | Qt::AlignVCenter,
                  qText(protocol.customerLine));
}

void drawFooter(ProtocolPage& page, const CommissioningProtocol& protocol, double width, double height, int number,
                int count)
{
    QPainter& painter = page.painter();
    painter.setPen(Qt::black);
    painter.setFont(sizedFont(regularFont(), 8.0));
    const double top = height - kFooterBand + 2.0;
    const QString counter = qText(protocolPageCounter(protocol.languageIndex, number, count));
    const double counterWidth = page.textWidthMm(counter, painter.font()) + 1.0;
    page.drawLine(page.rect(width - counterWidth, top, counterWidth, kFooterBand - 2.0),
                  Qt::AlignRight | Qt::AlignVCenter, counter);
    page.drawLine(page.rect(0.0, top, width - counterWidth - 5.0, kFooterBand - 2.0), Qt::AlignLeft | Qt::AlignVCenter,
                  qText(protocol.title + u" – " + protocol.projectLine));
}

// "Caption:" with the value written on a line to its right; an empty value
// leaves the line to be filled in by hand.
void drawField(ProtocolPage& page, double x, double y, double width, const std::u16string& caption,
               const std::u16string& value)
{
    QPainter& painter = page.painter();
    painter.setFont(sizedFont(regularFont(), 8.0));
    const QString captionText = qText(caption) + QLatin1Char(':');
    const double captionWidth = std::min(page.textWidthMm(captionText, painter.font()) + 1.5, width / 2.0);
    page.drawLine(page.rect(x, y, captionWidth, 5.0), Qt::AlignLeft | Qt::AlignBottom, captionText);
    painter.setPen(QPen(kRule, page.mm(0.2)));
    painter.drawLine(QPointF(page.mm(x + captionWidth), page.mm(y + 5.0)), QPointF(page.mm(x + width), page.mm(y + 5.0)));
    painter.setPen(Qt::black);
    painter.setFont(sizedFont(boldFont(), 8.0));
    page.drawLine(page.rect(x + captionWidth + 1.0, y, width - captionWidth - 1.0, 5.0), Qt::AlignLeft | Qt::AlignBottom,
                  qText(value));
}

// The summary, the sign-off fields, the remarks and the two signatures.
void drawClosingBlock(ProtocolPage& page, const CommissioningProtocol& protocol, double top, double width)
{
    QPainter& painter = page.painter();
    painter.setPen(Qt::black);
    painter.setFont(sizedFont(boldFont(), 9.0));
    page.drawLine(page.rect(0.0, top + 2.0, width, 5.0), Qt::AlignLeft | Qt::AlignVCenter, qText(protocol.summaryLine));

    double y = top + kSummaryHeight;
    const double gap = 6.0;
    const double column = (width - 2.0 * gap) / 3.0;
    const std::size_t remarks = protocol.signOffFields.size() - 1;
    for (std::size_t i = 0; i < remarks; ++i)
        drawField(page, static_cast<double>(i % 3) * (column + gap), y + static_cast<double>(i / 3) * kFieldRow, column,
                  protocol.signOffFields[i].first, protocol.signOffFields[i].second);
    y += 2.0 * kFieldRow;

    painter.setFont(sizedFont(regularFont(), 8.0));
    page.drawLine(page.rect(0.0, y, width, 4.0), Qt::AlignLeft | Qt::AlignVCenter,
                  qText(protocol.signOffFields[remarks].first) + QLatin1Char(':'));
    painter.setPen(QPen(kRule, page.mm(0.2)));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(page.rect(0.0, y + 4.5, width, kRemarksHeight - 6.0));
    painter.setPen(Qt::black);
    painter.drawText(page.rect(1.0, y + 5.0, width - 2.0, kRemarksHeight - 7.0), qText(protocol.signOffFields[remarks].second),
                     ProtocolPage::wrapping(Qt::AlignLeft | Qt::AlignTop, QTextOption::WrapAtWordBoundaryOrAnywhere));
    y += kRemarksHeight;

    const double half = (width - 3.0 * gap) / 2.0;
    for (std::size_t i = 0; i < protocol.signatures.size(); ++i) {
        const double x = static_cast<double>(i) * (half + 3.0 * gap);
        painter.setPen(Qt::black);
        painter.setFont(sizedFont(boldFont(), 9.0));
        page.drawLine(page.rect(x, y + 1.0, half, 5.0), Qt::AlignLeft | Qt::AlignVCenter,
                      qText(protocol.signatures[i].party));
        drawField(page, x, y + 6.0, half, protocol.nameCaption, protocol.signatures[i].name);
        drawField(page, x, y + 15.0, half, protocol.signatureCaption, u"");
    }
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
    auto dialog = std::make_unique<QProgressDialog>(qText(protocol.title), QProgressDialog::tr("Cancel"), 0, pages,
                                                    QApplication::activeWindow());
    dialog->setWindowModality(Qt::WindowModal);
    dialog->setMinimumDuration(300);
    dialog->setAutoClose(false);
    return dialog;
}

} // namespace

std::optional<std::string> QtProtocolPrinter::protocolPdf(const CommissioningProtocol& protocol)
{
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    writer.setResolution(kResolution);
    writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape,
                                     QMarginsF(kMargin, kMargin, kMargin, kMargin), QPageLayout::Millimeter));
    const QString author = QStringLiteral("Arvelo Rezu");
    writer.setTitle(qText(protocol.title));
    writer.setCreator(author);
    writer.setDocumentXmpMetadata(xmpMetadata(qText(protocol.title), author));

    QPainter painter(&writer);
    ProtocolPage page(painter);
    const QRectF area = writer.pageLayout().paintRect(QPageLayout::Millimeter);
    const double width = area.width();
    const double height = area.height();

    Table table;
    table.widths = protocolColumnWidths(width);
    table.headerFont = sizedFont(boldFont(), headerPoints(page, protocol.headers, table.widths));
    table.cellFont = sizedFont(regularFont(), kCellPoints);
    table.headerHeight =
        protocolRowHeight(mostLines(page, protocol.headers, table, table.headerFont),
                          page.lineHeightMm(table.headerFont), kPadding, 0.0);
    const double lineHeight = page.lineHeightMm(table.cellFont);
    for (const std::vector<std::u16string>& cells : protocol.rows)
        table.rowHeights.push_back(protocolRowHeight(
            mostLines(page, cells, table, table.cellFont), lineHeight,
            kPadding, kWritableRow));
    const double tableTop = kHeaderBand;
    const double rowSpace = height - kFooterBand - tableTop - table.headerHeight;
    const std::vector<ProtocolPageRows> pages = protocolPages(table.rowHeights, rowSpace, kClosingHeight);

    // One picture at print resolution, drawn on every page: the document
    // holds it once.
    const QImage banner = QImage(imageResourcePath(kBannerPicture))
                              .scaledToHeight(static_cast<int>(page.mm(kBannerHeight)), Qt::SmoothTransformation);
    const int pageCount = static_cast<int>(pages.size() + protocol.charts.size());
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
        double y = tableTop;
        if (pages[number].count > 0 || pages.size() == 1 || number + 1 < pages.size()) {
            drawRow(page, table, protocol.headers, tableTop, table.headerHeight, true, ProtocolMark::None);
            y += table.headerHeight;
        }
        for (std::size_t row = pages[number].first; row < pages[number].first + pages[number].count; ++row) {
            drawRow(page, table, protocol.rows[row], y, table.rowHeights[row], false,
                    row < protocol.marks.size() ? protocol.marks[row] : ProtocolMark::None);
            y += table.rowHeights[row];
        }
        if (number + 1 == pages.size())
            drawClosingBlock(page, protocol, y, width);
        drawFooter(page, protocol, width, height, static_cast<int>(number + 1), pageCount);
    }
    for (std::size_t chart = 0; chart < protocol.charts.size(); ++chart) {
        if (progress) {
            progress->setValue(static_cast<int>(pages.size() + chart));
            if (progress->wasCanceled())
                return std::nullopt;
        }
        writer.newPage();
        drawHeaderBand(page, protocol, banner, width);
        drawChart(page, protocol.charts[chart], width, height);
        drawFooter(page, protocol, width, height, static_cast<int>(pages.size() + chart + 1), pageCount);
    }
    painter.end();
    if (progress)
        progress->setValue(pageCount);
    return buffer.data().toStdString();
}
