#pragma once

#include <QPalette>

class QColor;
class QWidget;

// The colours every label and field of the program answers with: the whole
// control on white, read-only or not, and its text in textColor. The look of
// disabled text stays the style's.
void applyTextColours(QWidget& control, QPalette::ColorRole textRole, const QColor& textColor);
