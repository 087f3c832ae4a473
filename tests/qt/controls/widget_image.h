#pragma once

#include <QColor>
#include <QImage>
#include <QRect>
#include <QWidget>

#include <ostream>

// Colours the tests paint with and look for.
inline const QColor kWhite(255, 255, 255);
inline const QColor kGreen(0, 200, 0);

// Colours in failure messages as (r, g, b).
inline void PrintTo(const QColor& color, std::ostream* out)
{
    *out << "(" << color.red() << ", " << color.green() << ", " << color.blue() << ")";
}

inline void PrintTo(const QRect& rect, std::ostream* out)
{
    if (rect.isNull())
        *out << "no rectangle";
    else
        *out << "(" << rect.x() << ", " << rect.y() << ", " << rect.width() << " x " << rect.height() << ")";
}

// What a widget paints, as an opaque image of its size.
inline QImage widgetImage(QWidget& widget)
{
    QImage image(widget.size(), QImage::Format_RGB32);
    image.fill(Qt::magenta); // shows anything the widget leaves unpainted
    widget.render(&image);
    return image;
}

inline QColor pixelAt(const QImage& image, int x, int y) { return image.pixelColor(x, y); }

// The smallest rectangle holding every pixel that differs from background;
// null when there is none.
inline QRect inkBounds(const QImage& image, QColor background, QRect area = {})
{
    if (area.isNull())
        area = image.rect();
    QRect bounds;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixelColor(x, y) != background)
                bounds |= QRect(x, y, 1, 1);
        }
    }
    return bounds;
}

// Whether any pixel in area has exactly this colour.
inline bool holdsColour(const QImage& image, QColor color, QRect area = {})
{
    if (area.isNull())
        area = image.rect();
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            if (image.pixelColor(x, y) == color)
                return true;
        }
    }
    return false;
}
