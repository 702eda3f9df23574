// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

// GIF through giflib.

// Checks the structure without decoding pixels: the signature, the screen
// descriptor, every block and sub-block within the data up to the trailer.
// Returns the logical screen size. Throws StreamError for damaged,
// truncated or oversized data.
QSize CheckGif(const QByteArray& bytes);
// The first frame on the logical screen, transparency kept; a null image
// when giflib cannot decode it.
QImage DecodeGif(const QByteArray& bytes);
// A GIF file of the image (at most 256 colours, transparency kept as one
// transparent index); throws StreamError on failure.
QByteArray EncodeGif(const QImage& image);
