#include "qt/host/protocol_closing.h"

#include "qt/resources/program_fonts.h"

#include <QColor>
#include <QPen>

#include <algorithm>

namespace {

// Millimetres.
constexpr double kGap = 2.0;
constexpr double kFieldLine = 5.5;
constexpr double kColumnGap = 18.0;
constexpr int kLeastRemarkLines = 2;
const QColor kRule(90, 90, 90);

ClosingPiece gap(double height)
{
    return {height, [](ProtocolPage&, double) {}};
}

// Pieces drawn one below the other as one, which a page break never parts.
ClosingPiece together(std::vector<ClosingPiece> pieces)
{
    double height = 0.0;
    for (const ClosingPiece& piece : pieces)
        height += piece.height;
    return {height, [pieces = std::move(pieces)](ProtocolPage& page, double top) {
                for (const ClosingPiece& piece : pieces) {
                    piece.draw(page, top);
                    top += piece.height;
                }
            }};
}

// A text in lines of its own, each a piece.
void addTextLines(std::vector<ClosingPiece>& pieces, ProtocolPage& page, const QString& text, const QFont& font,
                  double width)
{
    const double height = page.lineHeightMm(font);
    for (const QString& line : page.wrappedLines(text, font, width))
        pieces.push_back({height, [line, font, width, height](ProtocolPage& p, double top) {
                              p.painter().setFont(font);
                              p.painter().setPen(Qt::black);
                              p.painter().drawText(p.rect(0.0, top, width, height), Qt::AlignLeft | Qt::AlignVCenter,
                                                   line);
                          }});
}

// A ruled line to write on, with the text written on it.
void drawRuledLine(ProtocolPage& page, double x, double top, double width, const QString& text)
{
    QPainter& painter = page.painter();
    painter.setPen(QPen(kRule, page.mm(0.2)));
    painter.drawLine(QPointF(page.mm(x), page.mm(top + kFieldLine)), QPointF(page.mm(x + width), page.mm(top + kFieldLine)));
    painter.setPen(Qt::black);
    painter.setFont(sizedFont(boldFont(), 8.0));
    painter.drawText(page.rect(x + 1.0, top, width - 1.0, kFieldLine), Qt::AlignLeft | Qt::AlignBottom, text);
}

// "Caption:" and the value on ruled lines to its right, as many as the
// value needs; an empty value leaves one line to fill in by hand.
void addField(std::vector<ClosingPiece>& pieces, ProtocolPage& page, const QString& caption, const QString& value,
              double captionWidth, double width)
{
    const QFont valueFont = sizedFont(boldFont(), 8.0);
    const double valueWidth = width - captionWidth - 1.0;
    const QStringList lines = page.wrappedLines(value, valueFont, valueWidth - 1.0);
    for (int i = 0; i < lines.size(); ++i) {
        const QString line = lines[i];
        const QString shownCaption = i == 0 ? caption : QString();
        pieces.push_back({kFieldLine, [=](ProtocolPage& p, double top) {
                              p.painter().setPen(Qt::black);
                              p.painter().setFont(sizedFont(regularFont(), 8.0));
                              p.painter().drawText(p.rect(0.0, top, captionWidth, kFieldLine),
                                                   Qt::AlignLeft | Qt::AlignBottom, shownCaption);
                              drawRuledLine(p, captionWidth, top, valueWidth + 1.0, line);
                          }});
    }
}

// The two parties side by side: caption, name on as many ruled lines as it
// needs, and a line to sign on.
ClosingPiece signatures(ProtocolPage& page, const CommissioningProtocol& protocol, double width)
{
    const double half = (width - kColumnGap) / 2.0;
    const QFont captionFont = sizedFont(regularFont(), 8.0);
    const QString nameCaption = printedText(protocol.nameCaption) + QLatin1Char(':');
    const QString signatureCaption = printedText(protocol.signatureCaption) + QLatin1Char(':');
    const double captionWidth =
        std::min(std::max(page.textWidthMm(nameCaption, captionFont), page.textWidthMm(signatureCaption, captionFont)) +
                     1.5,
                 half / 2.0);
    std::vector<QStringList> names;
    int mostLines = 1;
    for (const ProtocolSignature& signature : protocol.signatures) {
        names.push_back(page.wrappedLines(printedText(signature.name), sizedFont(boldFont(), 8.0),
                                          half - captionWidth - 2.0));
        mostLines = std::max(mostLines, static_cast<int>(names.back().size()));
    }
    const double partyHeight = 6.0;
    const double height = partyHeight + mostLines * kFieldLine + 3.0 + kFieldLine + 2.0;
    std::vector<QString> parties;
    for (const ProtocolSignature& signature : protocol.signatures)
        parties.push_back(printedText(signature.party));
    return {height, [=](ProtocolPage& p, double top) {
                for (std::size_t i = 0; i < parties.size(); ++i) {
                    const double x = static_cast<double>(i) * (half + kColumnGap);
                    p.painter().setPen(Qt::black);
                    p.painter().setFont(sizedFont(boldFont(), 9.0));
                    p.painter().drawText(p.rect(x, top, half, partyHeight), Qt::AlignLeft | Qt::AlignVCenter,
                                         parties[i]);
                    double y = top + partyHeight;
                    for (int line = 0; line < names[i].size(); ++line, y += kFieldLine) {
                        p.painter().setPen(Qt::black);
                        p.painter().setFont(captionFont);
                        if (line == 0)
                            p.painter().drawText(p.rect(x, y, captionWidth, kFieldLine),
                                                 Qt::AlignLeft | Qt::AlignBottom, nameCaption);
                        drawRuledLine(p, x + captionWidth, y, half - captionWidth, names[i][line]);
                    }
                    y = top + partyHeight + mostLines * kFieldLine + 3.0;
                    p.painter().setPen(Qt::black);
                    p.painter().setFont(captionFont);
                    p.painter().drawText(p.rect(x, y, captionWidth, kFieldLine), Qt::AlignLeft | Qt::AlignBottom,
                                         signatureCaption);
                    drawRuledLine(p, x + captionWidth, y, half - captionWidth, QString());
                }
            }};
}

} // namespace

std::vector<ClosingPiece> closingPieces(ProtocolPage& page, const CommissioningProtocol& protocol, double width)
{
    std::vector<ClosingPiece> pieces{gap(kGap)};
    addTextLines(pieces, page, printedText(protocol.summaryLine), sizedFont(boldFont(), 9.0), width);
    for (const std::u16string& method : protocol.methodLines)
        addTextLines(pieces, page, printedText(method), sizedFont(regularFont(), 8.0), width);
    pieces.push_back(gap(kGap));

    const QFont captionFont = sizedFont(regularFont(), 8.0);
    double captionWidth = 0.0;
    for (const auto& [caption, value] : protocol.signOffFields)
        captionWidth = std::max(captionWidth, page.textWidthMm(printedText(caption) + QLatin1Char(':'), captionFont));
    captionWidth = std::min(captionWidth + 2.0, width / 3.0);
    // The commissioning's facts stay together on one page.
    const std::size_t remarks = protocol.signOffFields.size() - 1;
    std::vector<ClosingPiece> fields;
    for (std::size_t i = 0; i < remarks; ++i)
        addField(fields, page, printedText(protocol.signOffFields[i].first) + QLatin1Char(':'),
                 printedText(protocol.signOffFields[i].second), captionWidth, width);
    pieces.push_back(together(std::move(fields)));

    // The remarks under their caption, on lines across the page, at least
    // two of them to write on by hand.
    pieces.push_back(gap(kGap));
    addTextLines(pieces, page, printedText(protocol.signOffFields[remarks].first) + QLatin1Char(':'), captionFont,
                 width);
    QStringList lines = page.wrappedLines(printedText(protocol.signOffFields[remarks].second),
                                          sizedFont(boldFont(), 8.0), width - 2.0);
    while (lines.size() < kLeastRemarkLines)
        lines.append(QString());
    for (const QString& line : lines)
        pieces.push_back({kFieldLine, [line, width](ProtocolPage& p, double top) {
                              drawRuledLine(p, 0.0, top, width, line);
                          }});
    pieces.push_back(gap(2.0 * kGap));
    pieces.push_back(signatures(page, protocol, width));
    return pieces;
}
