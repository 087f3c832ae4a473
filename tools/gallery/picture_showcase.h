#pragma once

#include <QString>
#include <QSize>
#include <vector>

// How the program shows each of its pictures: in which control, at what
// size and, for a button, in which image mode and with which text.
enum class PictureKind {
    Photo,  // valve pictures on white
    Symbol, // white on transparency, for the blue buttons
    Banner,
    Icon,
};

struct PictureShowcase {
    int imageId;
    PictureKind kind;
    QSize pictureSize;  // the exact size the resource has
    bool hasAlpha;
    bool onButton;      // a KrButton, else a KrPictureControl
    QSize controlSize;  // in pixels, as the layout places it
    int imageMode;
    QString text;
};

std::vector<PictureShowcase> pictureShowcases();
