// SPDX-License-Identifier: GPL-2.0-or-later
#include "studio/PicturePreview.h"

#include <QPainter>

#include <cmath>

namespace {

constexpr int kSquare = 8;
constexpr int kSquares = 101;

// The nearest integer, a half going to the even neighbour (the default
// rounding mode of the floating-point unit).
int RoundHalfEven(double value)
{
    return int(std::nearbyint(value));
}

} // namespace

PreviewPlacement PlacePreview(QSize picture, QSize maxSize, QSize box)
{
    const int w = picture.width(), h = picture.height();
    const int w0 = maxSize.width(), h0 = maxSize.height();
    QSize size = maxSize;
    bool stretched = true;
    if (w <= w0 && h <= h0) {
        stretched = false;
    } else if (w > w0 && h > h0) {
        size = QSize(RoundHalfEven(double(h0) / h * w), h0);
        if (size.width() > w0) size = QSize(w0, RoundHalfEven(double(w0) / w * h));
    } else if (w > w0) {
        size = QSize(w0, RoundHalfEven(double(w0) / w * h));
    } else {
        size = QSize(RoundHalfEven(double(h0) / h * w), h0);
    }
    const QPoint topLeft((box.width() - size.width()) / 2, (box.height() - size.height()) / 2);
    return {QRect(topLeft, size), stretched};
}

QImage CheckerboardImage()
{
    QImage image(kSquare * kSquares, kSquare * kSquares, QImage::Format_RGB32);
    QPainter painter(&image);
    for (int i = 0; i < kSquares; ++i)
        for (int j = 0; j < kSquares; ++j)
            painter.fillRect(kSquare * i, kSquare * j, kSquare, kSquare,
                             (i + j) % 2 == 0 ? QColor(255, 255, 255) : QColor(192, 192, 192));
    return image;
}
