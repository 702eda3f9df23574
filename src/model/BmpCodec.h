// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

// Windows BMP files (file header included), decoded by Qt's reader.

// Checks the file and info headers and that the pixel data lies within the
// bytes. Throws StreamError for damaged, truncated or oversized data.
QSize CheckBmp(const QByteArray& bytes);
QImage DecodeBmp(const QByteArray& bytes);
// Throws StreamError on failure.
QByteArray EncodeBmp(const QImage& image);
