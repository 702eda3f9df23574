// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QImage>
#include <QRect>
#include <QSize>

// Where the picture editor shows a picture inside its preview box.
struct PreviewPlacement {
    QRect rect;      // the preview, in the box's coordinates
    bool stretched;  // drawn scaled to rect; else at its own size, centred in rect
};

// A picture no larger than maxSize in either direction gets the whole
// maxSize and is shown at its own size in the middle; a larger one is
// scaled down, keeping its proportions, until it fits. Sides are rounded
// to the nearest integer, halves to the even one. The preview is then
// centred in the box by its outer size, divisions truncating.
PreviewPlacement PlacePreview(QSize picture, QSize maxSize, QSize box);

// The preview box's background: squares of 8 x 8 pixels, 101 by 101 of
// them, white where column + row is even and RGB(192, 192, 192) elsewhere.
QImage CheckerboardImage();
