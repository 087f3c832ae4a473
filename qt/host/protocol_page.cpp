#include "qt/host/protocol_page.h"

#include "commissioning/printable_text.h"
#include "qt/resources/program_fonts.h"

#include <QFontMetricsF>
#include <QHash>
#include <QTextLayout>

namespace {

// The first of these the protocol's font has.
char32_t replacementCharacter(const QFontMetricsF& metrics)
{
    for (const char32_t candidate : {U'\uFFFD', U'\u25A1'})
        if (metrics.inFontUcs4(candidate))
            return candidate;
    return U'?';
}

bool drawable(char32_t c, const QFontMetricsF& metrics)
{
    static QHash<char32_t, bool> known;
    const auto found = known.constFind(c);
    if (found != known.constEnd())
        return *found;
    const bool shown = metrics.inFontUcs4(c) || QChar::isLetterOrNumber(c) || QChar::isMark(c) ||
                       QChar::isSpace(c);
    known.insert(c, shown);
    return shown;
}

} // namespace

QFont sizedFont(QFont font, double points)
{
    font.setPointSizeF(points);
    return font;
}

QString printedText(const std::u16string& text)
{
    const std::u16string printable = printableText(text, true);
    const QString plain = QString::fromStdU16String(printable);
    if (std::all_of(printable.begin(), printable.end(), [](char16_t c) { return c < 0x80; }))
        return plain;
    static const QFontMetricsF metrics(regularFont());
    static const char32_t replacement = replacementCharacter(metrics);
    QString out;
    out.reserve(plain.size());
    for (const char32_t c : plain.toUcs4()) {
        const char32_t shown = c < 0x80 || drawable(c, metrics) ? c : replacement;
        out += QString::fromUcs4(&shown, 1);
    }
    return out;
}

QTextOption ProtocolPage::wrapping(Qt::Alignment alignment, QTextOption::WrapMode mode)
{
    QTextOption option(alignment);
    option.setWrapMode(mode);
    return option;
}

int ProtocolPage::lineCount(const QString& text, const QFont& font, double widthMm)
{
    const QFontMetricsF metrics(font, painter_.device());
    int lines = 0;
    for (const QStringView paragraph : QStringView(text).split(QLatin1Char('\n'))) {
        if (metrics.horizontalAdvance(paragraph.toString()) <= mm(widthMm))
            ++lines;
        else
            lines += static_cast<int>(wrappedLines(paragraph.toString(), font, widthMm).size());
    }
    return lines;
}

QStringList ProtocolPage::wrappedLines(const QString& text, const QFont& font, double widthMm)
{
    QStringList lines;
    for (const QString& paragraph : text.split(QLatin1Char('\n'))) {
        QTextLayout layout(paragraph, font, painter_.device());
        layout.setTextOption(wrapping(Qt::AlignLeft, QTextOption::WrapAtWordBoundaryOrAnywhere));
        layout.beginLayout();
        bool any = false;
        for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
            line.setLineWidth(mm(widthMm));
            lines.append(paragraph.mid(line.textStart(), line.textLength()).trimmed());
            any = true;
        }
        layout.endLayout();
        if (!any)
            lines.append(QString());
    }
    return lines;
}

double ProtocolPage::lineHeightMm(const QFont& font) const
{
    return toMm(QFontMetricsF(font, painter_.device()).lineSpacing());
}

double ProtocolPage::textWidthMm(const QString& text, const QFont& font) const
{
    return toMm(QFontMetricsF(font, painter_.device()).horizontalAdvance(text));
}

void ProtocolPage::drawLine(const QRectF& box, Qt::Alignment alignment, const QString& text)
{
    const QString shown =
        QFontMetricsF(painter_.font(), painter_.device()).elidedText(text, Qt::ElideRight, box.width());
    painter_.drawText(box, alignment | Qt::TextSingleLine, shown);
}
