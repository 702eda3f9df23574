// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "model/Color.h"

#include <QSize>

class QPainter;

// The colour of the dotted line that shows borderless objects on the
// design canvas.
constexpr TColor DesignOutlineColor = 0x808080;

// In the studio, draws a dotted line along the outermost pixels of a
// client area of the given size, leaving the inside untouched. In the
// player it draws nothing.
void DrawDesignOutline(QPainter& painter, QSize client);
