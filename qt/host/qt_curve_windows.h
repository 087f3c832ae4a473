#pragma once

#include "windows/main/curve_windows.h"

class QWidget;

// The curve in a small modal dialog over its owner, the SVG picture drawn at
// its own size; Escape or the close box close it.
class QtCurveWindows : public CurveWindows {
public:
    void setOwner(QWidget* owner) { owner_ = owner; }
    void showCurve(const std::u16string& caption, const std::string& svg) override;

private:
    QWidget* owner_ = nullptr;
};
