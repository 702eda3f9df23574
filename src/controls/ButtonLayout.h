// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

// How the image button places its image against its caption.
enum : quint8 {
    blLeft = 0,
    blTop = 1,
    blRight = 2,
    blBottom = 3,
    blCenter = 4,
    blStretch = 5,
};

// Where the content of an image button goes, in its client coordinates.
struct TButtonLayout {
    // The image's own size at its corner, or the area it is stretched
    // into; null without an image.
    QRect image;
    // The top-left corner of the caption.
    QPoint text;
    // The caption is cut off outside this area.
    QRect textClip;
};

// Places the content of a button of the given size. The image and caption
// sizes are empty when there is no image or no caption; a missing one
// leaves the other where the layout puts it when alone. Offset moves the
// image and the caption right and down (not the clip area). A layout
// value outside 0 to 5 places the content as blCenter does.
TButtonLayout ComputeButtonLayout(int layout, int margin, int spacing, int offset, QSize button,
                                  QSize image, QSize text);
