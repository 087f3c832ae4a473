#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// Why an SVG drawing cannot be rendered faithfully, or nothing when it can:
// malformed XML (with its line), text (it would be set in whatever fonts the
// building machine has; lettering belongs in the drawing as outlines), or an
// element that Qt's SVG renderer leaves out without a word.
std::optional<QString> drawingProblem(const QByteArray& drawing);
