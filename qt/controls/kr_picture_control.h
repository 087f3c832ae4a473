#pragma once

#include <QWidget>

class PictureSource;

// A white box showing one picture of the program's resources, scaled to
// the box's width.
class KrPictureControl : public QWidget {
    Q_OBJECT

public:
    explicit KrPictureControl(QWidget* parent = nullptr);

    int imageId() const { return imageId_; }
    void setImageId(int imageId); // -1 for no picture; repaints

    // Defaults to resourcePictures(); the source must outlive the control.
    void setPictureSource(PictureSource& source);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int imageId_ = -1;
    PictureSource* pictures_;
};
