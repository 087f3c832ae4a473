#include "qt/tools/image_renderer/render_request.h"

namespace {

constexpr int kMaxSide = 8192;

std::optional<int> parseSide(const QString& text)
{
    bool ok = false;
    const int value = text.toInt(&ok);
    if (!ok || value < 1 || value > kMaxSide)
        return std::nullopt;
    return value;
}

std::optional<RenderRequest::Format> parseFormat(const QString& text)
{
    if (text == QLatin1String("argb32"))
        return RenderRequest::Format::Argb32;
    if (text == QLatin1String("rgb888"))
        return RenderRequest::Format::Rgb888;
    return std::nullopt;
}

} // namespace

std::optional<RenderRequest> parseRenderRequest(const QStringList& arguments, QString& error)
{
    if (arguments.size() != 5 && arguments.size() != 6) {
        error = QStringLiteral("usage: image-renderer <source.svg> <output.png> <width> <height> "
                               "<argb32|rgb888> [<#rrggbb>|none]");
        return std::nullopt;
    }
    RenderRequest request;
    request.source = arguments.at(0);
    request.output = arguments.at(1);

    const auto width = parseSide(arguments.at(2));
    const auto height = parseSide(arguments.at(3));
    if (!width || !height) {
        error = QStringLiteral("width and height must be whole numbers from 1 to %1").arg(kMaxSide);
        return std::nullopt;
    }
    request.size = QSize(*width, *height);

    const auto format = parseFormat(arguments.at(4));
    if (!format) {
        error = QStringLiteral("unknown pixel format '%1' (argb32 or rgb888)").arg(arguments.at(4));
        return std::nullopt;
    }
    request.format = *format;

    if (arguments.size() == 6 && arguments.at(5) != QLatin1String("none")) {
        const QColor colour = QColor::fromString(arguments.at(5));
        if (!colour.isValid() || colour.alpha() != 255) {
            error = QStringLiteral("background '%1' is not an opaque #rrggbb colour").arg(arguments.at(5));
            return std::nullopt;
        }
        request.background = colour;
    }
    // A picture without alpha needs a colour for the parts the drawing leaves open.
    if (request.format == RenderRequest::Format::Rgb888 && !request.background) {
        error = QStringLiteral("an rgb888 picture needs a background colour");
        return std::nullopt;
    }
    return request;
}
