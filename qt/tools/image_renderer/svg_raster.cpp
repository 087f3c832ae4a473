#include "qt/tools/image_renderer/svg_raster.h"

#include "qt/tools/image_renderer/drawing_check.h"

#include <QByteArray>
#include <QFile>
#include <QPainter>
#include <QRectF>
#include <QStringList>
#include <QSvgRenderer>
#include <QtGlobal>

#include <cmath>

namespace {

// The SVG module reports unsupported elements and attributes only as log
// messages; they are collected here while a drawing is loaded and painted.
QStringList* svgWarnings = nullptr;
QtMessageHandler previousHandler = nullptr;

void collectSvgWarnings(QtMsgType type, const QMessageLogContext& context, const QString& message)
{
    if (svgWarnings && context.category && QByteArray(context.category).startsWith("qt.svg")) {
        svgWarnings->append(message);
        return;
    }
    if (previousHandler)
        previousHandler(type, context, message);
}

class SvgWarningCollector {
public:
    explicit SvgWarningCollector(QStringList& sink)
    {
        svgWarnings = &sink;
        previousHandler = qInstallMessageHandler(collectSvgWarnings);
    }
    ~SvgWarningCollector()
    {
        qInstallMessageHandler(previousHandler);
        svgWarnings = nullptr;
    }
    SvgWarningCollector(const SvgWarningCollector&) = delete;
    SvgWarningCollector& operator=(const SvgWarningCollector&) = delete;
};

constexpr int kDotsPerMetreAt96Dpi = 3780;

// Half a per cent: the manifest's sizes are whole pixels, a drawing's view box need not be.
constexpr double kAspectTolerance = 0.005;

bool sameAspect(const QRectF& viewBox, const QSize& size)
{
    const double drawing = viewBox.width() / viewBox.height();
    const double image = double(size.width()) / double(size.height());
    return std::abs(drawing / image - 1.0) <= kAspectTolerance;
}

} // namespace

std::optional<QImage> rasteriseSvg(const RenderRequest& request, QString& error)
{
    QStringList warnings;
    const SvgWarningCollector collector(warnings);

    QFile file(request.source);
    if (!file.open(QIODevice::ReadOnly)) {
        error = QStringLiteral("cannot open %1: %2").arg(request.source, file.errorString());
        return std::nullopt;
    }
    const QByteArray drawing = file.readAll();
    if (const auto problem = drawingProblem(drawing)) {
        error = QStringLiteral("%1, %2").arg(request.source, *problem);
        return std::nullopt;
    }

    QSvgRenderer renderer;
    if (!renderer.load(drawing) || !renderer.isValid()) {
        error = QStringLiteral("cannot read the SVG drawing %1").arg(request.source);
        if (!warnings.isEmpty())
            error += QStringLiteral(": ") + warnings.join(QStringLiteral("; "));
        return std::nullopt;
    }
    const QRectF viewBox = renderer.viewBoxF();
    if (viewBox.isEmpty() || !sameAspect(viewBox, request.size)) {
        error = QStringLiteral("%1: view box %2 x %3 does not have the proportions of %4 x %5")
                    .arg(request.source)
                    .arg(viewBox.width())
                    .arg(viewBox.height())
                    .arg(request.size.width())
                    .arg(request.size.height());
        return std::nullopt;
    }

    QImage canvas(request.size, QImage::Format_ARGB32_Premultiplied);
    canvas.fill(request.background.value_or(Qt::transparent));
    {
        QPainter painter(&canvas);
        painter.setRenderHints(QPainter::Antialiasing | QPainter::SmoothPixmapTransform);
        renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(request.size)));
    }
    if (!warnings.isEmpty()) {
        error = QStringLiteral("%1: the SVG renderer cannot draw everything: %2")
                    .arg(request.source, warnings.join(QStringLiteral("; ")));
        return std::nullopt;
    }
    QImage picture = canvas.convertToFormat(request.format == RenderRequest::Format::Rgb888 ? QImage::Format_RGB888
                                                                                            : QImage::Format_ARGB32);
    // A fixed 96 dpi keeps the files the same whichever machine renders them.
    picture.setDotsPerMeterX(kDotsPerMetreAt96Dpi);
    picture.setDotsPerMeterY(kDotsPerMetreAt96Dpi);
    return picture;
}
