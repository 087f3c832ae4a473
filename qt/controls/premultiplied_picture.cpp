#include "qt/controls/premultiplied_picture.h"

#include <cstdint>

QImage premultipliedPicture(const QImage& decoded, AlphaRounding rounding)
{
    if (decoded.isNull())
        return {};
    // Straight alpha as 0xAARRGGBB words; formats without alpha get 0xFF.
    const QImage straight = decoded.convertToFormat(QImage::Format_ARGB32);
    QImage premultiplied(straight.size(), QImage::Format_ARGB32_Premultiplied);
    if (premultiplied.isNull())
        return {};
    for (int y = 0; y < straight.height(); ++y) {
        premultiplyPixels(reinterpret_cast<const std::uint32_t*>(straight.constScanLine(y)),
                          reinterpret_cast<std::uint32_t*>(premultiplied.scanLine(y)),
                          static_cast<std::size_t>(straight.width()), rounding);
    }
    return premultiplied;
}
