// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/GraphicDrawing.h"

#include "model/Graphic.h"

#include <QPainter>

QImage WithoutKeyColor(const QImage& image)
{
    if (image.isNull()) return image;
    QImage keyed = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = keyed.pixel(0, keyed.height() - 1) & RGB_MASK;
    for (int y = 0; y < keyed.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x)
            if ((line[x] & RGB_MASK) == key) line[x] = 0;
    }
    return keyed;
}

void DrawGraphic(QPainter& painter, const TGraphic& graphic, const QRectF& target,
                 bool transparent)
{
    if (transparent && graphic.Kind() == GraphicKind::Bitmap)
        painter.drawImage(target, WithoutKeyColor(graphic.ToImage()));
    else
        graphic.Draw(painter, target);
}
