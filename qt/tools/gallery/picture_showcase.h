#pragma once

#include <QColor>
#include <QString>
#include <QSize>
#include <vector>

// How the program shows each of its pictures: in which control, at what
// size and, for a button, in which image mode and with which text.
enum class PictureKind {
    Photo,  // valve pictures on white (the valve-type buttons are white too)
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
    QColor buttonBackColor;  // as the window sets it; invalid keeps the button's own blue
};

std::vector<PictureShowcase> pictureShowcases();
