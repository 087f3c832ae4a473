#pragma once

#include <QColor>
#include <QLabel>

// A label on white with its text in the colour its owner chooses (black by
// default). Like a classic static control it shows plain text only, starts
// at the top and wraps at word boundaries; a centred label sets its
// alignment to Qt::AlignHCenter | Qt::AlignTop.
class KrStaticText : public QLabel {
    Q_OBJECT

public:
    explicit KrStaticText(QWidget* parent = nullptr);

    QColor textColor() const { return textColor_; }
    void setTextColor(const QColor& color); // repaints

private:
    QColor textColor_{0, 0, 0};
};
