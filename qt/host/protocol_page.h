#pragma once

#include <QFont>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QTextOption>

#include <string>

// Millimetres at the PDF's 300 dots per inch.
inline constexpr int kProtocolResolution = 300;

QFont sizedFont(QFont font, double points);

// A text as the protocol prints it: control characters as blanks (line
// breaks kept), and a character the protocol's font lacks that is no
// letter or digit (an emoji, which no installed face draws either) as a
// visible replacement rather than as nothing. Letters of other scripts keep
// the fallback face Qt finds for them.
QString printedText(const std::u16string& text);

// One page's drawing, in millimetres on the printable area.
class ProtocolPage {
public:
    explicit ProtocolPage(QPainter& painter) : painter_(painter) {}

    double mm(double millimetres) const { return millimetres * kProtocolResolution / 25.4; }
    double toMm(double pixels) const { return pixels * 25.4 / kProtocolResolution; }
    QRectF rect(double x, double y, double width, double height) const
    {
        return QRectF(mm(x), mm(y), mm(width), mm(height));
    }
    static QTextOption wrapping(Qt::Alignment alignment, QTextOption::WrapMode mode);
    // Lines of the text wrapped to the width. A text on one line that fits
    // needs no layout; most cells are such, and many repeat.
    int lineCount(const QString& text, const QFont& font, double widthMm);
    // The lines themselves, between words where they can break, anywhere
    // in a word longer than the width; a line break starts a new line. An
    // empty text is one empty line.
    QStringList wrappedLines(const QString& text, const QFont& font, double widthMm);
    double lineHeightMm(const QFont& font) const;
    double textWidthMm(const QString& text, const QFont& font) const;
    // One line of text in the box, cut with an ellipsis where it is longer:
    // only for the page's head and foot, never for what was entered.
    void drawLine(const QRectF& box, Qt::Alignment alignment, const QString& text);
    QPainter& painter() { return painter_; }

private:
    QPainter& painter_;
};
