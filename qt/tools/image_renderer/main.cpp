// image-renderer: turns one SVG drawing into a PNG of an exact size and
// pixel format, so that the program's pictures are built from editable
// sources instead of being kept as binary files.

#include "qt/tools/image_renderer/render_request.h"
#include "qt/tools/image_renderer/svg_raster.h"

#include <QCoreApplication>
#include <QImageWriter>
#include <QSaveFile>
#include <QStringList>

#include <cstdio>

int main(int argc, char* argv[])
{
    // No display and no fonts are needed: drawings hold outlines only and go
    // into an image in memory.
    QCoreApplication app(argc, argv);

    QString error;
    const auto request = parseRenderRequest(app.arguments().mid(1), error);
    if (!request) {
        std::fprintf(stderr, "image-renderer: %s\n", qPrintable(error));
        return 2;
    }
    const auto image = rasteriseSvg(*request, error);
    if (!image) {
        std::fprintf(stderr, "image-renderer: %s\n", qPrintable(error));
        return 1;
    }
    // Written aside and renamed at the end, so an interrupted build never
    // leaves a truncated picture that looks up to date.
    QSaveFile file(request->output);
    QImageWriter writer(&file, "png");
    if (!file.open(QIODevice::WriteOnly) || !writer.write(*image) || !file.commit()) {
        const QString reason = writer.error() != QImageWriter::UnknownError ? writer.errorString() : file.errorString();
        std::fprintf(stderr, "image-renderer: cannot write %s: %s\n", qPrintable(request->output), qPrintable(reason));
        return 1;
    }
    return 0;
}
