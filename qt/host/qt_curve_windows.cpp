#include "qt/host/qt_curve_windows.h"

#include "qt/host/curve_dialog.h"

void QtCurveWindows::showCurve(const std::u16string& caption, const std::string& svg)
{
    CurveDialog dialog(QString::fromStdU16String(caption), QByteArray::fromStdString(svg), owner_);
    dialog.exec();
}
