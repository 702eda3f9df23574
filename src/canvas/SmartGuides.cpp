// SPDX-License-Identifier: GPL-2.0-or-later
#include "canvas/SmartGuides.h"

#include "canvas/CanvasGeometry.h"

#include <algorithm>
#include <array>
#include <climits>
#include <cstdlib>

namespace {

// Bounds read from a project are not range-checked, so the lines are
// worked out wide and held to int.
int Saturated(long long value)
{
    return int(std::clamp<long long>(value, INT_MIN, INT_MAX));
}

// Low edge, centre and high edge of [start, start + extent).
std::array<int, 3> LinesOf(int start, int extent)
{
    const long long s = start;
    return {start, Saturated(s + extent / 2), Saturated(s + extent)};
}

void AddStops(std::vector<GuideStop>& stops, int start, int extent, int from, int to)
{
    for (int position : LinesOf(start, extent)) stops.push_back({position, from, to});
}

bool ByPosition(const GuideStop& stop, int position)
{
    return stop.position < position;
}

// The nearest stop to any of the wanted lines along one axis. mask holds
// three bits: low edge, centre, high edge. Ties go to the earlier line and
// then to the lower stop.
struct AxisMatch {
    bool found = false;
    int offset = 0;
};

AxisMatch NearestStop(const std::vector<GuideStop>& stops, const std::array<int, 3>& lines, unsigned mask,
                      int threshold)
{
    AxisMatch best;
    long long bestDistance = (long long)threshold + 1;
    auto consider = [&](int stop, int line) {
        const long long offset = (long long)stop - line;
        if (std::llabs(offset) >= bestDistance) return;
        bestDistance = std::llabs(offset);
        best = {true, int(offset)};
    };
    for (size_t i = 0; i < lines.size(); ++i) {
        if (!(mask & (1u << i))) continue;
        const auto above = std::lower_bound(stops.begin(), stops.end(), lines[i], ByPosition);
        if (above != stops.begin()) consider(std::prev(above)->position, lines[i]);
        if (above != stops.end()) consider(above->position, lines[i]);
    }
    return best;
}

// The extent of the moving object along one axis after an offset: the low
// edge moves with the low edge or the centre, the high edge with the high
// edge or the centre (a move has all three, a resize one edge).
std::pair<int, int> MovedExtent(int start, int extent, unsigned mask, int offset)
{
    const long long low = (long long)start + (mask & 3u ? offset : 0);
    const long long high = (long long)start + extent + (mask & 6u ? offset : 0);
    return {Saturated(low), Saturated(high)};
}

// One guide line for every wanted line of the moved object that lies on
// stops, spanning the object [from, to) across and every such stop.
void AddLines(std::vector<GuideLine>& out, Qt::Orientation orientation, const std::vector<GuideStop>& stops,
              const std::array<int, 3>& movedLines, unsigned mask, int from, int to)
{
    const size_t first = out.size();
    for (size_t i = 0; i < movedLines.size(); ++i) {
        if (!(mask & (1u << i))) continue;
        const int position = movedLines[i];
        const auto range = std::equal_range(stops.begin(), stops.end(), GuideStop{position, 0, 0},
                                            [](const GuideStop& a, const GuideStop& b) { return a.position < b.position; });
        if (range.first == range.second) continue;
        const bool known = std::any_of(out.begin() + long(first), out.end(),
                                       [position](const GuideLine& line) { return line.position == position; });
        if (known) continue;
        GuideLine line{orientation, position, from, to};
        for (auto it = range.first; it != range.second; ++it) {
            line.from = std::min(line.from, it->from);
            line.to = std::max(line.to, it->to);
        }
        out.push_back(line);
    }
    std::sort(out.begin() + long(first), out.end(),
              [](const GuideLine& a, const GuideLine& b) { return a.position < b.position; });
}

} // namespace

unsigned GuideFeaturesOf(int hitCode)
{
    if (hitCode == hcBody) return gfAll;
    if (hitCode < hcTopLeft || hitCode > hcLeft) return 0;
    const ResizeFactors& f = ResizeFactorsOf(hitCode);
    unsigned features = 0;
    if (f.left != 0)
        features |= gfLeft;
    else if (f.width != 0)
        features |= gfRight;
    if (f.top != 0)
        features |= gfTop;
    else if (f.height != 0)
        features |= gfBottom;
    return features;
}

GuideCandidates::GuideCandidates(const std::vector<QRect>& others, QSize window)
{
    m_x.reserve(3 * (others.size() + 1));
    m_y.reserve(3 * (others.size() + 1));
    AddStops(m_x, 0, window.width(), 0, window.height());
    AddStops(m_y, 0, window.height(), 0, window.width());
    for (const QRect& r : others) {
        const int right = Saturated((long long)r.left() + r.width());
        const int bottom = Saturated((long long)r.top() + r.height());
        AddStops(m_x, r.left(), r.width(), r.top(), bottom);
        AddStops(m_y, r.top(), r.height(), r.left(), right);
    }
    auto byPosition = [](const GuideStop& a, const GuideStop& b) { return a.position < b.position; };
    std::stable_sort(m_x.begin(), m_x.end(), byPosition);
    std::stable_sort(m_y.begin(), m_y.end(), byPosition);
}

GuideSnap GuideCandidates::Snap(const QRect& moving, unsigned features, int threshold) const
{
    const unsigned maskX = features & gfAllX;
    const unsigned maskY = (features & gfAllY) >> 3;
    GuideSnap result;
    result.snapped = moving;
    if (threshold < 0) return result;
    const AxisMatch x = NearestStop(m_x, LinesOf(moving.left(), moving.width()), maskX, threshold);
    const AxisMatch y = NearestStop(m_y, LinesOf(moving.top(), moving.height()), maskY, threshold);
    result.dx = x.offset;
    result.dy = y.offset;
    result.snappedX = x.found;
    result.snappedY = y.found;
    const auto [left, right] = MovedExtent(moving.left(), moving.width(), maskX, x.offset);
    const auto [top, bottom] = MovedExtent(moving.top(), moving.height(), maskY, y.offset);
    result.snapped = QRect(left, top, right - left, bottom - top);
    // Only the lines that were asked for can lie on a guide; the centre of
    // a resized object is not one of them.
    if (x.found) AddLines(result.lines, Qt::Vertical, m_x, LinesOf(left, right - left), maskX, top, bottom);
    if (y.found) AddLines(result.lines, Qt::Horizontal, m_y, LinesOf(top, bottom - top), maskY, left, right);
    return result;
}

GuideSnap SnapToGuides(const QRect& moving, const std::vector<QRect>& others, QSize window, int threshold,
                       unsigned features)
{
    return GuideCandidates(others, window).Snap(moving, features, threshold);
}
