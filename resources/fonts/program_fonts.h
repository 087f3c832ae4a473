#pragma once

#include <QFont>

// The program's two fonts: Roboto at 15 pixels, weight 400 and weight 700.
QFont regularFont();
QFont boldFont();
