// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QRect>
#include <QSize>

// Where an image control draws its picture: picture size w x h in a
// client area cw x ch. Stretch fills the client area; Proportional scales
// a picture that does not fit (or, with Stretch, any picture) keeping its
// aspect; Center centres the result, rounding toward zero.
QRect ImageDestRect(QSize picture, QSize client, bool stretch, bool proportional, bool center);
