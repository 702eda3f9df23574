// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QSize>

// The largest picture a project may hold. A header that claims more is
// refused when the picture is loaded, so a damaged or hostile size never
// reaches an allocation when the picture is decoded.
constexpr int kMaxPictureSide = 16384;
constexpr qint64 kMaxPicturePixels = qint64(64) * 1024 * 1024;

// Throws StreamError (EFBIG) unless width and height are positive and
// within the limits above; EINVAL for zero or negative sides.
void CheckPictureSize(qint64 width, qint64 height);
// The same test without throwing: for decoders that answer a refused size
// with an empty picture.
bool PictureSizeAllowed(qint64 width, qint64 height);
