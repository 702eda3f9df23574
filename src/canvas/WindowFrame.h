// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QIcon>
#include <QMargins>
#include <QString>

class QPainter;
class QPoint;
class QRect;
class QSize;
class QWidget;

// How the menu window's frame looks: the canvas draws the same frame
// around its picture, since it lives inside the studio and has no frame
// of its own from the window system.
struct TFrameLook {
    QString caption;
    QIcon icon;
    quint8 borderStyle = 0;
    quint8 borderIcons = 0;
};

// The frame's widths on each side, title bar included; none without a
// border.
QMargins FrameMargins(const QWidget& widget, quint8 borderStyle);
// Paints the frame and title bar, in the platform style, into the outer
// rectangle. The title bar shows the caption, the icon and the buttons
// that the border icons name.
void PaintWindowFrame(QPainter& painter, const QWidget& widget, const QRect& outer, const TFrameLook& look);

// The edges a press at point grabs to resize a sizeable frame of the
// given outer size; none inside the client area or the title bar.
Qt::Edges FrameEdgesAt(QPoint point, QSize outer, const QMargins& margins);
// The resize cursor for grabbed edges; the arrow for none.
Qt::CursorShape EdgeCursor(Qt::Edges edges);
// Whether the point lies in the title bar, where a drag moves the window.
bool InTitleBar(QPoint point, QSize outer, const QMargins& margins);
