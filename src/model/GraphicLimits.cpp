// SPDX-License-Identifier: GPL-2.0-or-later
#include "model/GraphicLimits.h"

#include "model/StreamError.h"

void CheckPictureSize(qint64 width, qint64 height)
{
    if (width <= 0 || height <= 0) throw StreamError::BadData("picture has no pixels");
    if (width > kMaxPictureSide || height > kMaxPictureSide || width * height > kMaxPicturePixels)
        throw StreamError::TooLarge("picture too large");
}

bool PictureSizeAllowed(qint64 width, qint64 height)
{
    try {
        CheckPictureSize(width, height);
        return true;
    } catch (const StreamError&) {
        return false;
    }
}
