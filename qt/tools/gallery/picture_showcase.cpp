#include "qt/tools/gallery/picture_showcase.h"

namespace {

PictureShowcase onButton(int id, PictureKind kind, int size, QSize button, int mode, const QString& text = {})
{
    return {id, kind, QSize(size, size), true, true, button, mode, text, {}};
}

// The main window paints its valve-type buttons white, so that the valve
// pictures sit on the background they were rendered on.
PictureShowcase onTypeButton(int id)
{
    PictureShowcase showcase = onButton(id, PictureKind::Photo, 120, QSize(120, 130), 1);
    showcase.buttonBackColor = Qt::white;
    return showcase;
}

PictureShowcase inPicture(int id, PictureKind kind, QSize picture, QSize control, bool hasAlpha = true)
{
    return {id, kind, picture, hasAlpha, false, control, 0, {}, {}};
}

} // namespace

std::vector<PictureShowcase> pictureShowcases()
{
    // Control sizes: the layout's dialog units in pixels.
    const QSize settingsButton(195, 65);
    const QSize groupButton(60, 65);
    std::vector<PictureShowcase> showcases = {
        onTypeButton(183),
        onTypeButton(184),
        onTypeButton(185),
        onTypeButton(186),
        onButton(187, PictureKind::Symbol, 40, settingsButton, 0, QStringLiteral("Language")),
        onButton(188, PictureKind::Symbol, 40, settingsButton, 0, QStringLiteral("Presettings")),
        onButton(189, PictureKind::Symbol, 40, settingsButton, 0, QStringLiteral("Unit of measurement")),
        onButton(191, PictureKind::Symbol, 16, QSize(24, 26), 0),
        onButton(197, PictureKind::Symbol, 25, QSize(38, 41), 0),
        onButton(198, PictureKind::Symbol, 25, QSize(228, 41), 0, QStringLiteral("Add selection to valve list")),
        onButton(233, PictureKind::Symbol, 40, settingsButton, 0, QStringLiteral("Close")),
        onButton(236, PictureKind::Symbol, 80, groupButton, 1),
        onButton(240, PictureKind::Symbol, 80, groupButton, 1),
        inPicture(241, PictureKind::Banner, QSize(4000, 400), QSize(1224, 130)),
        inPicture(144, PictureKind::Icon, QSize(32, 32), QSize(30, 33)),
    };
    for (int id = 203; id <= 217; ++id) {
        const bool colourOnly = id == 207; // 24-bit colour, no alpha channel
        showcases.push_back(inPicture(id, PictureKind::Photo, colourOnly ? QSize(967, 1024) : QSize(400, 400),
                                      QSize(150, 163), !colourOnly));
    }
    for (int id = 218; id <= 232; ++id)
        showcases.push_back(inPicture(id, PictureKind::Photo, QSize(48, 48), QSize(48, 48)));
    return showcases;
}
