#include "qt/host/chart_control.h"

#include <QPainter>
#include <QSvgRenderer>

ChartControl::ChartControl(QWidget* parent) : QWidget(parent), renderer_(new QSvgRenderer(this))
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::white);
    setPalette(palette);
    setAutoFillBackground(true);
    renderer_->setAspectRatioMode(Qt::KeepAspectRatio);
}

void ChartControl::setSvg(const std::string& svg)
{
    if (svg == shown_)
        return;
    shown_ = svg;
    renderer_->load(QByteArray::fromStdString(svg));
    renderer_->setAspectRatioMode(Qt::KeepAspectRatio);
    update();
}

void ChartControl::paintEvent(QPaintEvent*)
{
    if (shown_.empty() || !renderer_->isValid())
        return;
    QPainter painter(this);
    renderer_->render(&painter, rect());
}
