#pragma once

#include <QIcon>

// The program's icon (picture 144) with its hand-drawn small sizes, so the
// title bar and the task bar each get a sharp picture instead of a scaled one.
QIcon programIcon();
