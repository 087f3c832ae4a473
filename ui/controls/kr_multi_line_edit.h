#pragma once

#include <QColor>
#include <QPlainTextEdit>

// The multi-line form of KrEdit: wrapped plain text on white without scroll
// bars, with its text in the colour its owner chooses (black by default).
class KrMultiLineEdit : public QPlainTextEdit {
    Q_OBJECT

public:
    explicit KrMultiLineEdit(QWidget* parent = nullptr);

    QColor textColor() const { return textColor_; }
    void setTextColor(const QColor& color); // repaints

private:
    QColor textColor_{0, 0, 0};
};
