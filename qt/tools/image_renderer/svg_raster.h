#pragma once

#include "qt/tools/image_renderer/render_request.h"

#include <QImage>
#include <QString>

#include <optional>

// Draws the request's SVG into an image of exactly the requested size and
// format. Fails, with a reason in error, when the file cannot be read, when
// drawingProblem finds fault with it, when the SVG renderer warns about
// anything it does not draw (so a picture never silently loses a part), or
// when the drawing's proportions differ from the image's (it would be
// stretched).
std::optional<QImage> rasteriseSvg(const RenderRequest& request, QString& error);
