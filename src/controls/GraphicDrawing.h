// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QImage>

class QPainter;
class QRectF;
class TGraphic;

// The image with every pixel of its bottom-left pixel's colour made fully
// transparent; how a bitmap is drawn transparently.
QImage WithoutKeyColor(const QImage& image);

// Draws a graphic scaled into the target. A transparent bitmap leaves out
// its key colour; the other kinds carry their own transparency.
void DrawGraphic(QPainter& painter, const TGraphic& graphic, const QRectF& target,
                 bool transparent);
