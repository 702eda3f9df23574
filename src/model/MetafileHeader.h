// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// The checks of metafile data the drawers share, made before a drawing
// is handed to a library or the system that trusts what it reads.

#include "model/MetafileCodec.h"

#include <QPoint>

constexpr quint32 kEmrHeader = 1;
constexpr qint64 kEmfMinHeaderSize = 88;

constexpr quint32 kPlaceableKey = 0x9AC6CDD7;
constexpr qint64 kPlaceableSize = 22;
constexpr qint64 kMetaHeaderSize = 18;

// Each throws StreamError for damaged, truncated or oversized data.
// CheckEmf also returns, through eofEnd, where the end-of-file record ends.
MetafileHeader CheckEmf(const QByteArray& bytes, qint64* eofEnd = nullptr);
MetafileHeader CheckPlaceableWmf(const QByteArray& bytes);

// Whether the bitmaps inside the EMF records up to end (where the
// end-of-file record ends) claim no more than their records hold.
bool EmfBitmapsFit(const QByteArray& bytes, qint64 end);
// Whether every record of a placeable metafile lies within the data and
// its bitmaps within their records; also returns the first window origin,
// where the drawing's logical coordinates start.
bool WmfRecordsFit(const QByteArray& bytes, QPoint* windowOrigin);
