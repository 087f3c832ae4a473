#pragma once

#include <QColor>
#include <QTextEdit>

// The multi-line form of KrEdit: wrapped plain text on white without scroll
// bars, with its text in the colour its owner chooses (black by default).
// Lines are as high as the font's character cell, as in the classic field,
// not the toolkit's looser line spacing.
class KrMultiLineEdit : public QTextEdit {
    Q_OBJECT

public:
    explicit KrMultiLineEdit(QWidget* parent = nullptr);

    QColor textColor() const { return textColor_; }
    void setTextColor(const QColor& color); // repaints

    // Shows plain text at the cell's line height.
    void showText(const QString& text);

private:
    QColor textColor_{0, 0, 0};
};
