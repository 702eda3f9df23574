// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

// Windows ICO files, decoded by Qt's reader.

// Checks the directory and that every entry's data lies within the bytes.
// Returns the size of the first entry (256 for a stored 0). Throws
// StreamError for damaged, truncated or oversized data.
QSize CheckIco(const QByteArray& bytes);
// The first entry's pixels.
QImage DecodeIco(const QByteArray& bytes);
// Throws StreamError on failure.
QByteArray EncodeIco(const QImage& image);
