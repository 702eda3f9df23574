// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QtGlobal>

class QPainter;
class QWidget;

// What the face of an image button shows.
struct TButtonFaceState {
    bool enabled = true;
    bool pressed = false;
    bool mouseInside = false;
    // Chooses the one-pixel edge over the full frame in the classic look.
    bool flat = false;
};

// Draws the face and frame of a button style over the widget's whole
// client area. The themed styles draw the widget's QStyle elements; the
// transparent style, and the flat looks while neither pressed nor hot,
// draw nothing.
void DrawButtonFace(QPainter& painter, const QWidget& widget, quint8 style,
                    const TButtonFaceState& state);
