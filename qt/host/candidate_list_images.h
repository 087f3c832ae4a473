#pragma once

#include <QIcon>
#include <QImage>
#include <QList>

// The small images of the candidate list, in the order of the image keys,
// at 48 x 48 pixels with their black pixels transparent.
QList<QIcon> candidateListImages();

// The picture with every pure black pixel made fully transparent.
QImage blackMadeTransparent(const QImage& picture);
