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
    // Each side starts its dots afresh at a corner, so all four corners show.
    const int right = client.width() - 1, bottom = client.height() - 1;
    painter.drawLine(0, 0, right, 0);
    painter.drawLine(right, 0, right, bottom);
    painter.drawLine(right, bottom, 0, bottom);
    painter.drawLine(0, bottom, 0, 0);
    painter.restore();
}
