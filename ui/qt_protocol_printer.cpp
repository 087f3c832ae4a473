#include "ui/qt_protocol_printer.h"

#include "resources/fonts/program_fonts.h"
#include "resources/images/image_resource_path.h"
#include "ui/main/protocol_layout.h"

#include <QBuffer>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QSvgRenderer>
#include <QTextLayout>
#include <QTextOption>

#include <algorithm>

namespace {

constexpr int kResolution = 300;
constexpr int kBannerPicture = 241;
// Millimetres.
constexpr double kMargin = 10.0;
constexpr double kHeaderBand = 27.0;
constexpr double kFooterBand = 7.0;
constexpr double kPadding = 1.0;
constexpr double kWritableRow = 9.0;

const QColor kRule(90, 90, 90);
const QColor kHeaderFill(225, 230, 236);
const QColor kSiteHeaderFill(250, 236, 200);

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
    QRectF rect(double x, double y, double width, double height) const
    {
        return QRectF(mm(x), mm(y), mm(width), mm(height));
    }
    QTextOption wrapping(Qt::Alignment alignment) const
    {
        QTextOption option(alignment);
        option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
        return option;
    }
    int lineCount(const QString& text, const QFont& font, double widthMm) const
    {
        QTextLayout layout(text, font, painter_.device());
        layout.setTextOption(wrapping(Qt::AlignLeft));
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
        return QFontMetricsF(font, painter_.device()).lineSpacing() * 25.4 / kResolution;
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

void drawRow(ProtocolPage& page, const Table& table, const std::vector<std::u16string>& cells, double y,
             double height, bool header)
{
    QPainter& painter = page.painter();
    painter.setFont(header ? table.headerFont : table.cellFont);
    const std::size_t listColumns = table.widths.size() - kSiteColumns;
    double x = 0.0;
    for (std::size_t i = 0; i < table.widths.size(); ++i) {
        const double width = table.widths[i];
        const bool site = i >= listColumns;
        const QColor fill = header ? (site ? kSiteHeaderFill : kHeaderFill) : QColor(Qt::white);
        painter.setPen(QPen(kRule, page.mm(site && !header ? 0.35 : 0.2)));
        painter.setBrush(fill);
        painter.drawRect(page.rect(x, y, width, height));
        painter.setPen(Qt::black);
        const QString text = i < cells.size() ? qText(cells[i]) : QString();
        painter.drawText(page.rect(x + kPadding, y + kPadding, width - 2.0 * kPadding, height - 2.0 * kPadding),
                         text, page.wrapping(Qt::AlignLeft | Qt::AlignVCenter));
        x += width;
    }
}

void drawHeaderBand(ProtocolPage& page, const CommissioningProtocol& protocol, double width)
{
    QPainter& painter = page.painter();
    const double bannerHeight = 12.0;
    // At print resolution, not at the window's 4000 pixels, which would
    // make every page's copy weigh megabytes.
    const QImage banner = QImage(imageResourcePath(kBannerPicture))
                              .scaledToHeight(static_cast<int>(page.mm(bannerHeight)), Qt::SmoothTransformation);
    if (!banner.isNull())
        painter.drawImage(page.rect(0.0, 0.0, bannerHeight * banner.width() / banner.height(), bannerHeight), banner);
    painter.setPen(Qt::black);
    painter.setFont(sizedFont(boldFont(), 16.0));
    painter.drawText(page.rect(0.0, 0.0, width, 8.0), Qt::AlignRight | Qt::AlignVCenter, qText(protocol.title));
    painter.setFont(sizedFont(regularFont(), 9.0));
    painter.drawText(page.rect(0.0, 8.0, width, 5.0), Qt::AlignRight | Qt::AlignVCenter, qText(protocol.printedLine));
    painter.setFont(sizedFont(boldFont(), 10.0));
    painter.drawText(page.rect(0.0, 15.0, width, 5.0), Qt::AlignLeft | Qt::AlignVCenter, qText(protocol.projectLine));
    painter.drawText(page.rect(0.0, 20.5, width, 5.0), Qt::AlignLeft | Qt::AlignVCenter, qText(protocol.customerLine));
}

void drawFooter(ProtocolPage& page, const CommissioningProtocol& protocol, double width, double height, int number,
                int count)
{
    QPainter& painter = page.painter();
    painter.setPen(Qt::black);
    painter.setFont(sizedFont(regularFont(), 8.0));
    const QRectF band = page.rect(0.0, height - kFooterBand + 2.0, width, kFooterBand - 2.0);
    painter.drawText(band, Qt::AlignLeft | Qt::AlignVCenter, qText(protocol.title + u" – " + protocol.projectLine));
    painter.drawText(band, Qt::AlignRight | Qt::AlignVCenter,
                     qText(protocolPageCounter(protocol.languageIndex, number, count)));
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

} // namespace

std::string QtProtocolPrinter::protocolPdf(const CommissioningProtocol& protocol)
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
    table.headerFont = sizedFont(boldFont(), 6.5);
    table.cellFont = sizedFont(regularFont(), 7.0);
    table.headerHeight = protocolRowHeight(mostLines(page, protocol.headers, table, table.headerFont),
                                           page.lineHeightMm(table.headerFont), kPadding, 0.0);
    const double lineHeight = page.lineHeightMm(table.cellFont);
    for (const std::vector<std::u16string>& cells : protocol.rows)
        table.rowHeights.push_back(
            protocolRowHeight(mostLines(page, cells, table, table.cellFont), lineHeight, kPadding, kWritableRow));
    const double tableTop = kHeaderBand;
    const double rowSpace = height - kFooterBand - tableTop - table.headerHeight;
    const std::vector<ProtocolPageRows> pages = protocolPages(table.rowHeights, rowSpace);

    const int pageCount = static_cast<int>(pages.size() + protocol.charts.size());
    for (std::size_t number = 0; number < pages.size(); ++number) {
        if (number > 0)
            writer.newPage();
        drawHeaderBand(page, protocol, width);
        drawRow(page, table, protocol.headers, tableTop, table.headerHeight, true);
        double y = tableTop + table.headerHeight;
        for (std::size_t row = pages[number].first; row < pages[number].first + pages[number].count; ++row) {
            drawRow(page, table, protocol.rows[row], y, table.rowHeights[row], false);
            y += table.rowHeights[row];
        }
        drawFooter(page, protocol, width, height, static_cast<int>(number + 1), pageCount);
    }
    for (std::size_t chart = 0; chart < protocol.charts.size(); ++chart) {
        writer.newPage();
        drawHeaderBand(page, protocol, width);
        drawChart(page, protocol.charts[chart], width, height);
        drawFooter(page, protocol, width, height, static_cast<int>(pages.size() + chart + 1), pageCount);
    }
    painter.end();
    return buffer.data().toStdString();
}
