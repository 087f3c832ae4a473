#pragma once

#include <QAbstractButton>
#include <QColor>

class PictureSource;
class QPainter;

// A push button that draws itself: a solid background, an optional picture
// of the program's resources, an optional orange selection frame and one
// line of text. Pressed, focused and disabled buttons look like normal ones.
// Its accessible name is its text; a button without text needs one set by
// its owner.
class KrButton : public QAbstractButton {
    Q_OBJECT

public:
    explicit KrButton(QWidget* parent = nullptr);

    // The setters repaint the button.
    int selected() const { return selected_; }
    void setSelected(int selected); // 1 draws the frame, any other value none

    QColor backColor() const { return backColor_; }
    void setBackColor(const QColor& color);

    QColor textColor() const { return textColor_; }
    void setTextColor(const QColor& color);

    int imageId() const { return imageId_; }
    void setImageId(int imageId); // -1 for no picture

    int imageMode() const { return imageMode_; }
    void setImageMode(int imageMode); // 0 own size left of the text, 1 scaled to the width

    // Defaults to resourcePictures(); the source must outlive the button.
    void setPictureSource(PictureSource& source);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    void drawText(QPainter& painter, int pictureWidth);

    int selected_ = 0;
    QColor backColor_{51, 102, 153};
    QColor textColor_{255, 255, 255};
    int imageId_ = -1;
    int imageMode_ = 0;
    PictureSource* pictures_;
};
