#pragma once

#include <QByteArray>
#include <QDialog>
#include <QString>

// A modal window showing one SVG picture at its own size; Escape and the
// close box close it, as QDialog does.
class CurveDialog : public QDialog {
    Q_OBJECT

public:
    CurveDialog(const QString& caption, const QByteArray& svg, QWidget* parent = nullptr);
};
