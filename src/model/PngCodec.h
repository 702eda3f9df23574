// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>

// PNG through libpng.
struct PngHeader {
    int width = 0;
    int height = 0;
    int bitDepth = 0;  // 1, 2, 4, 8 or 16
    int colorType = 0; // PNG colour type: 0 grey, 2 RGB, 3 palette, 4 grey+alpha, 6 RGBA
};

// Checks the structure without decoding pixels: the signature, IHDR first
// with valid fields, every chunk within the data, IEND last. Throws
// StreamError for damaged, truncated or oversized data.
PngHeader CheckPng(const QByteArray& bytes);
// The pixels; a null image when libpng cannot decode them.
QImage DecodePng(const QByteArray& bytes);
// A PNG file of the image; throws StreamError on failure.
QByteArray EncodePng(const QImage& image);
