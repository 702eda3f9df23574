// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>

class QPainter;
class QRectF;

// Enhanced metafiles (EMF) and placeable Windows metafiles. On Windows the
// system's own metafile player draws them; elsewhere they become SVG
// (through libemf2svg and libwmf) drawn by QSvgRenderer.
enum class MetafileFormat { Emf, PlaceableWmf };

struct MetafileHeader {
    MetafileFormat format = MetafileFormat::Emf;
    QSize size; // in pixels at 96 dots per inch, from the file header
};

// Checks the header (and, for EMF, that the records lie within the bytes
// up to the end-of-file record). Throws StreamError for damaged, truncated
// or oversized data.
MetafileHeader CheckMetafile(const QByteArray& bytes);
// The drawing as an SVG document; empty when it cannot be converted, and
// always on Windows, which draws metafiles without SVG.
QByteArray MetafileToSvg(const QByteArray& bytes);
// The drawing rendered at a pixel size on a transparent background.
QImage RenderMetafile(const QByteArray& bytes, QSize size);
void DrawMetafile(QPainter& painter, const QRectF& target, const QByteArray& bytes);
