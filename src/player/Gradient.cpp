// SPDX-License-Identifier: GPL-2.0-or-later
#include "player/Gradient.h"

#include "model/ProjectSettings.h"

#include <QPainter>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace {

int BlendChannel(int a, int b, int n, int i)
{
    // std::nearbyint rounds ties to even under the default rounding mode.
    const double q = std::nearbyint(double(b - a) * double(i) / double(n));
    return a + int(q);
}

// BlendColor of two colours already resolved to RGB.
TColor BlendRgb(TColor from, TColor to, int n, int i)
{
    if (n < 1) n = 1;
    TColor result = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int channel = BlendChannel(int((from >> shift) & 0xFF), int((to >> shift) & 0xFF), n, i);
        result |= TColor(channel & 0xFF) << shift;
    }
    return result;
}

QRgb ToPixel(TColor color)
{
    return qRgb(int(color & 0xFF), int((color >> 8) & 0xFF), int((color >> 16) & 0xFF));
}

bool IsHorizontal(int style)
{
    return style == gsTopBottom || style == gsBottomTop || style == gsMiddleTopBottom ||
           style == gsTopBottomMiddle;
}

// The colour of each line, indexed by row for horizontal styles and by
// column for vertical ones (length is H or W); c1 and c2 are RGB colours.
std::vector<QRgb> LineColors(int style, int length, TColor c1, TColor c2)
{
    std::vector<QRgb> lines(static_cast<size_t>(length));
    const auto blend = [](TColor a, TColor b, int n, int i) { return ToPixel(BlendRgb(a, b, n, i)); };
    const int half = length / 2;
    const int mid = length / 2;
    switch (style) {
    case gsTopBottom:
    case gsLeftRight:
        for (int k = 0; k < length; ++k) lines[size_t(k)] = blend(c1, c2, length, k);
        break;
    case gsBottomTop:
    case gsRightLeft:
        for (int k = 0; k < length; ++k) lines[size_t(k)] = blend(c2, c1, length, k);
        break;
    case gsMiddleTopBottom:
    case gsTopBottomMiddle: {
        // The top half runs edge to centre from its first row, the bottom
        // half centre to edge; TopBottomMiddle swaps which colour is which.
        const TColor centre = style == gsMiddleTopBottom ? c1 : c2;
        const TColor edge = style == gsMiddleTopBottom ? c2 : c1;
        for (int k = 0; k < mid; ++k) lines[size_t(k)] = blend(edge, centre, half, k);
        for (int k = mid; k < length; ++k) lines[size_t(k)] = blend(centre, edge, half, k - mid);
        break;
    }
    case gsMiddleLeftRight:
    case gsLeftRightMiddle: {
        // Both halves run outward from the middle, so the outer columns stop
        // one step short of the edge colour, but for the rightmost one when
        // the width is odd.
        const TColor centre = style == gsMiddleLeftRight ? c1 : c2;
        const TColor edge = style == gsMiddleLeftRight ? c2 : c1;
        for (int k = 0; k < mid; ++k) lines[size_t(mid - 1 - k)] = blend(centre, edge, half, k);
        for (int k = mid; k < length; ++k) lines[size_t(k)] = blend(centre, edge, half, k - mid);
        break;
    }
    default:
        lines.clear();
    }
    return lines;
}

bool IsDirect32(QImage::Format format)
{
    // Opaque pixels are stored alike in these three formats.
    return format == QImage::Format_RGB32 || format == QImage::Format_ARGB32 ||
           format == QImage::Format_ARGB32_Premultiplied;
}

// A loop of 32-bit stores is not vectorised at -O2 and runs several times
// slower than QImage::fill; memcpy is. So a short start is stored pixel by
// pixel and then copied onto the rest in doubling steps.
void FillPixels(QRgb* line, int count, QRgb value)
{
    const int start = std::min(count, 16);
    std::fill_n(line, start, value);
    for (int done = start; done < count;) {
        const int n = std::min(done, count - done);
        std::memcpy(line + done, line, size_t(n) * sizeof(QRgb));
        done += n;
    }
}

void FillRows(QImage& surface, const std::vector<QRgb>& rows)
{
    const int w = surface.width();
    for (int y = 0; y < surface.height(); ++y)
        FillPixels(reinterpret_cast<QRgb*>(surface.scanLine(y)), w, rows[size_t(y)]);
}

void FillColumns(QImage& surface, const std::vector<QRgb>& columns)
{
    const size_t bytes = columns.size() * sizeof(QRgb);
    for (int y = 0; y < surface.height(); ++y) std::memcpy(surface.scanLine(y), columns.data(), bytes);
}

// Other formats go through QPainter, one filled line at a time.
void PaintLines(QImage& surface, bool horizontal, const std::vector<QRgb>& lines)
{
    QPainter painter(&surface);
    if (!painter.isActive()) return;
    const int w = surface.width();
    const int h = surface.height();
    for (int k = 0; k < int(lines.size()); ++k) {
        const QRect line = horizontal ? QRect(0, k, w, 1) : QRect(k, 0, 1, h);
        painter.fillRect(line, QColor(lines[size_t(k)]));
    }
}

} // namespace

TColor BlendColor(TColor a, TColor b, int n, int i, const QPalette& palette)
{
    return BlendRgb(ColorToRgb(a, palette), ColorToRgb(b, palette), n, i);
}

void GradientFill(QImage& surface, int style, TColor c1, TColor c2, const QPalette& palette)
{
    const int w = surface.width();
    const int h = surface.height();
    if (w <= 0 || h <= 0) return;
    const bool horizontal = IsHorizontal(style);
    // Resolving system colours once keeps the per-line blends arithmetic.
    const std::vector<QRgb> lines =
        LineColors(style, horizontal ? h : w, ColorToRgb(c1, palette), ColorToRgb(c2, palette));
    if (lines.empty()) return;
    if (!IsDirect32(surface.format()))
        PaintLines(surface, horizontal, lines);
    else if (horizontal)
        FillRows(surface, lines);
    else
        FillColumns(surface, lines);
}
