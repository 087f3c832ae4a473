#pragma once

#include <QApplication>
#include <QTimer>
#include <QWidget>

#include <functional>

// Acts on the next modal window as soon as it is open: `act` gets it and
// closes it (or not) as a user would. Polls, because the window opens only
// once the code under test runs its own event loop.
inline void whenModalOpens(std::function<void(QWidget&)> act, QWidget* notThis = nullptr)
{
    auto* timer = new QTimer;
    timer->setInterval(10);
    QObject::connect(timer, &QTimer::timeout, [timer, act = std::move(act), notThis] {
        QWidget* modal = QApplication::activeModalWidget();
        if (!modal || modal == notThis)
            return;
        timer->stop();
        timer->deleteLater();
        act(*modal);
    });
    timer->start();
}
