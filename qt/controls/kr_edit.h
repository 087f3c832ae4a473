#pragma once

#include <QColor>
#include <QLineEdit>

// A one-line field on white, editable or read-only, with its text in the
// colour its owner chooses (black by default).
class KrEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit KrEdit(QWidget* parent = nullptr);

    QColor textColor() const { return textColor_; }
    void setTextColor(const QColor& color); // repaints

private:
    QColor textColor_{0, 0, 0};
};
