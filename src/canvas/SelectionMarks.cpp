// SPDX-License-Identifier: GPL-2.0-or-later
#include "canvas/SelectionMarks.h"

#include "canvas/CanvasGeometry.h"
#include "canvas/SmartGuides.h"

#include <QImage>
#include <QRect>

#include <algorithm>

namespace {

constexpr QRgb kHandleFill = 0xFF808080;
// The current object, which Align and Make Same follow, stands out by its
// handles as well as by its thick frame.
constexpr QRgb kCurrentHandleFill = 0xFF0050C8;
constexpr QRgb kHandleEdge = 0xFF000000;
constexpr QRgb kGuideColour = 0xFFFF00FF;

void XorPixel(QImage& image, int x, int y)
{
    if (x < 0 || y < 0 || x >= image.width() || y >= image.height()) return;
    if ((x + y) % 2 != 0) return;
    auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
    line[x] ^= 0x00FFFFFF;
}

void DrawHandle(QImage& image, QPoint centre, QRgb fill)
{
    const QRect outer(centre.x() - 4, centre.y() - 4, 8, 8);
    const QRect clipped = outer.intersected(image.rect());
    for (int y = clipped.top(); y <= clipped.bottom(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = clipped.left(); x <= clipped.right(); ++x) {
            const bool edge = x == outer.left() || x == outer.right() || y == outer.top() || y == outer.bottom();
            line[x] = edge ? kHandleEdge : fill;
        }
    }
}

} // namespace

void XorDottedRect(QImage& image, const QRect& r)
{
    if (r.width() <= 0 || r.height() <= 0) return;
    for (int x = r.left(); x <= r.right(); ++x) {
        XorPixel(image, x, r.top());
        if (r.bottom() != r.top()) XorPixel(image, x, r.bottom());
    }
    for (int y = r.top() + 1; y < r.bottom(); ++y) {
        XorPixel(image, r.left(), y);
        if (r.right() != r.left()) XorPixel(image, r.right(), y);
    }
}

void DrawSelectionMarks(QImage& picture, const TObjectList& objects, int currentEntry)
{
    for (size_t i = 0; i < objects.size(); ++i) {
        const TVoObject* entry = objects[i];
        if (!entry || !entry->Selected || !entry->Control) continue;
        const QRect bounds = entry->Control->Bounds();
        const bool current = currentEntry == int(i) + 1;
        if (current)
            for (int grow = 3; grow >= 0; --grow) XorDottedRect(picture, bounds.adjusted(-grow, -grow, grow, grow));
        for (const QPoint& point : MarkHandlePoints(bounds))
            DrawHandle(picture, point, current ? kCurrentHandleFill : kHandleFill);
    }
}

void DrawGuideLines(QImage& picture, const std::vector<GuideLine>& lines)
{
    const int width = picture.width(), height = picture.height();
    for (const GuideLine& line : lines) {
        const bool vertical = line.orientation == Qt::Vertical;
        const int across = vertical ? width : height;
        const int along = vertical ? height : width;
        if (across <= 0 || line.position < 0 || line.position > across) continue;
        const int at = std::min(line.position, across - 1);
        const int from = std::max(line.from, 0);
        const int to = std::min(line.to, along);
        for (int i = from; i < to; ++i) {
            const int x = vertical ? at : i, y = vertical ? i : at;
            reinterpret_cast<QRgb*>(picture.scanLine(y))[x] = kGuideColour;
        }
    }
}
