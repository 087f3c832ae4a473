#pragma once

#include <QWidget>

#include <string>

class QSvgRenderer;

// The chart control of the generic host: an SVG picture the program draws,
// scaled to the control with its proportions kept, on white.
class ChartControl : public QWidget {
    Q_OBJECT

public:
    explicit ChartControl(QWidget* parent = nullptr);
    // Loads the picture when it differs from the one shown; "" shows nothing.
    void setSvg(const std::string& svg);

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    std::string shown_;
    QSvgRenderer* renderer_;
};
