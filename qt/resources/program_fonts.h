#pragma once

#include <QFont>

// The program's fonts.

// Roboto with a 15-pixel character cell, weight 400 and weight 700.
QFont regularFont();
QFont boldFont();

// The layouts' own font, for every control the program gives no other:
// Carlito at 11 pixels, whose 6 x 13 pixel character box is the base of the
// layouts' dialog units.
QFont templateFont();

// The em of a font whose classic cell height is cellPixels, for a face whose
// ascent plus descent is cellPerEm times its em.
double emPixelsOfCell(double cellPixels, double cellPerEm);
