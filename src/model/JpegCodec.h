// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

// JPEG (JFIF) through libjpeg-turbo.

// Checks the structure without decoding pixels: SOI, the marker segments up
// to the first scan within the data, a frame header with the pixel size, and
// the EOI marker at the end. Throws StreamError for damaged, truncated or
// oversized data.
QSize CheckJpeg(const QByteArray& bytes);
// The pixels; a null image when libjpeg cannot decode them.
QImage DecodeJpeg(const QByteArray& bytes);
// A baseline JFIF stream of the image; throws StreamError on failure.
QByteArray EncodeJpeg(const QImage& image, int quality = 90);
