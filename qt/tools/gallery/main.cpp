// arvelo-gallery OUTDIR: draws every control kind in its states and every
// picture of the program in the control that shows it, as PNG files, so
// that anyone can look at them without starting the program.

#include "qt/resources/register_application_fonts.h"
#include "qt/tools/gallery/control_sheets.h"
#include "qt/tools/gallery/gallery_pictures.h"
#include "qt/tools/gallery/picture_showcase.h"

#include <QApplication>
#include <QByteArray>
#include <QDir>
#include <QImage>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <vector>

namespace {

bool save(const QImage& image, const QDir& folder, const QString& name)
{
    const QString path = folder.filePath(name);
    if (!image.save(path)) {
        std::fprintf(stderr, "Cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", QByteArrayLiteral("offscreen"));
    QApplication app(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: arvelo-gallery OUTDIR\n");
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    if (!QDir().mkpath(folder.path())) {
        std::fprintf(stderr, "Cannot create %s\n", argv[1]);
        return 1;
    }
    if (!registerApplicationFonts())
        return 1;

    GalleryPictures pictures;
    bool written = save(buttonSheet(pictures), folder, QStringLiteral("buttons.png"));
    written = save(pictureControlSheet(pictures), folder, QStringLiteral("picture-controls.png")) && written;
    written = save(textControlSheet(), folder, QStringLiteral("text-controls.png")) && written;
    const std::vector<PictureShowcase> showcases = pictureShowcases();
    written = save(showcaseSheet(showcases, pictures), folder, QStringLiteral("pictures.png")) && written;
    for (const PictureShowcase& showcase : showcases) {
        written = save(showcaseImage(showcase, pictures), folder,
                       QStringLiteral("picture-%1.png").arg(showcase.imageId)) &&
                  written;
    }
    if (!pictures.sampled().empty()) {
        std::fprintf(stderr, "Not embedded, drawn as samples:");
        for (int id : pictures.sampled())
            std::fprintf(stderr, " %d", id);
        std::fprintf(stderr, "\n");
    }
    return written ? 0 : 1;
}
