#pragma once

#include <QColor>
#include <QSize>
#include <QString>
#include <QStringList>

#include <optional>

// One picture to render: which drawing, where to, at what size and in which
// pixel format. A background colour is painted under the drawing; without one
// the picture keeps the drawing's own transparency.
struct RenderRequest {
    enum class Format { Argb32, Rgb888 };

    QString source;
    QString output;
    QSize size;
    Format format = Format::Argb32;
    std::optional<QColor> background;
};

// Reads "<source.svg> <output.png> <width> <height> <argb32|rgb888> [<#rrggbb>|none]".
// Returns nothing and sets error when an argument is missing or malformed, or
// when an rgb888 picture has no background to stand in for transparency.
std::optional<RenderRequest> parseRenderRequest(const QStringList& arguments, QString& error);
