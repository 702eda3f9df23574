// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/DesignOutline.h"

#include "model/ProcessState.h"

#include <QPainter>

void DrawDesignOutline(QPainter& painter, QSize client)
{
    if (!IsStudio || client.isEmpty()) return;
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    QPen pen(ColorToQColor(DesignOutlineColor, QPalette()), 1, Qt::DotLine);
    pen.setCosmetic(true);
    painter.setPen(pen);
    painter.setBrush(Qt::NoBrush);
    // A one-pixel pen covers the pixel to the right of and below its path,
    // so the path runs one pixel inside the right and bottom edges.
    painter.drawRect(QRect(0, 0, client.width() - 1, client.height() - 1));
    painter.restore();
}
