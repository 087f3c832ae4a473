#pragma once

#include <QWidget>

// The frame of a group of controls with its caption on the top line, as
// the classic toolkit draws it: a thin grey outline on white, broken where
// the caption stands, the caption in the frame's font and in black.
class KrGroupFrame : public QWidget {
    Q_OBJECT

public:
    explicit KrGroupFrame(QWidget* parent = nullptr);

    QString title() const { return title_; }
    void setTitle(const QString& title); // repaints
    // The room the caption has on the top line.
    QSize captionSpace() const;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QString title_;
};
