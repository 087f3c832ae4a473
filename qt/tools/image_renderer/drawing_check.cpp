#include "qt/tools/image_renderer/drawing_check.h"

#include <QStringView>
#include <QXmlStreamReader>

namespace {

struct RefusedElement {
    const char* name;
    const char* reason;
};

// Qt SVG 6.4 draws the SVG Tiny 1.2 profile; these elements are skipped silently.
const RefusedElement kRefusedElements[] = {
    {"text", "contains text; convert it to outlines"},
    {"textArea", "contains text; convert it to outlines"},
    {"clipPath", "uses a clip path, which the SVG renderer ignores"},
    {"mask", "uses a mask, which the SVG renderer ignores"},
    {"filter", "uses a filter, which the SVG renderer ignores"},
    {"pattern", "uses a pattern, which the SVG renderer ignores"},
};

} // namespace

std::optional<QString> drawingProblem(const QByteArray& drawing)
{
    QXmlStreamReader xml(drawing);
    while (!xml.atEnd()) {
        if (xml.readNext() != QXmlStreamReader::StartElement)
            continue;
        for (const RefusedElement& refused : kRefusedElements) {
            if (xml.name() == QLatin1String(refused.name))
                return QStringLiteral("line %1: %2").arg(xml.lineNumber()).arg(QLatin1String(refused.reason));
        }
    }
    if (xml.hasError())
        return QStringLiteral("line %1: %2").arg(xml.lineNumber()).arg(xml.errorString());
    return std::nullopt;
}
