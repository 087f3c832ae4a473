#pragma once

#include "windows/common/window_geometry.h"

// The client size a resizable window opens at, and shrinks no further
// than: its template's size where the screen's available area, less the
// window's frame (title bar and borders), has the room, else what that area
// leaves, axis by axis. Its content scrolls inside.
ClientSize fittedClientSize(const ClientSize& templateSize, const ClientSize& available, const ClientSize& frame);
