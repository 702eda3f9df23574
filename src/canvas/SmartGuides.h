// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QRect>
#include <QSize>
#include <Qt>

#include <vector>

// Smart guides: while objects are dragged, the edges and centres of what
// moves snap to the edges and centres of the objects that stay and of the
// menu window's client area, and a guide line shows each match. Plain
// arithmetic without any window.
//
// Along x an object has three lines: its left L, its centre L + W div 2
// and its right L + W (the first pixel past it, so that a right edge on
// the window's width lies on the window's edge); along y likewise with T
// and H. The window gives 0, width div 2 and width, and 0, height div 2
// and height.

// How far, in pixels, a line of the moving rectangle is pulled to a guide.
constexpr int kGuideThreshold = 5;

// The lines of the moving rectangle that snap: all six for a move, only
// the edges a handle drags for a resize.
enum GuideFeature : unsigned {
    gfLeft = 1,
    gfCentreX = 2,
    gfRight = 4,
    gfTop = 8,
    gfCentreY = 16,
    gfBottom = 32,
    gfAllX = gfLeft | gfCentreX | gfRight,
    gfAllY = gfTop | gfCentreY | gfBottom,
    gfAll = gfAllX | gfAllY,
};
// The lines that move with a hit code (see CanvasGeometry): every line for
// the body, the dragged edges for a handle, none for anything else.
unsigned GuideFeaturesOf(int hitCode);

// A guide to draw: a vertical line at x = position from y = from up to
// (not including) y = to, or a horizontal one at y = position from x =
// from to x = to. It spans the moving rectangle and everything matched.
struct GuideLine {
    Qt::Orientation orientation = Qt::Vertical;
    int position = 0;
    int from = 0;
    int to = 0;
    bool operator==(const GuideLine&) const = default;
};

// What snapping one moving rectangle gives: the offset along each axis
// (0 and not snapped when no line is within the threshold), the rectangle
// with the snapped lines moved, and the guide lines, vertical ones first,
// each ordered by position.
struct GuideSnap {
    int dx = 0;
    int dy = 0;
    bool snappedX = false;
    bool snappedY = false;
    QRect snapped;
    std::vector<GuideLine> lines;
};

// One line a rectangle that stays offers, with the rectangle's extent
// across it [from, to).
struct GuideStop {
    int position = 0;
    int from = 0;
    int to = 0;
};

// The lines of the objects that stay and of the window, sorted once when a
// drag starts; each mouse move then looks up the few lines near the moving
// ones by binary search.
class GuideCandidates {
public:
    GuideCandidates() = default;
    GuideCandidates(const std::vector<QRect>& others, QSize window);

    // Moves each axis of the moving rectangle by the smallest offset
    // (at most threshold either way) that puts one of its feature lines
    // on a candidate line; the axes snap independently. A resize moves
    // only the dragged edge, so the snapped rectangle grows or shrinks.
    GuideSnap Snap(const QRect& moving, unsigned features, int threshold = kGuideThreshold) const;

    const std::vector<GuideStop>& StopsX() const { return m_x; }
    const std::vector<GuideStop>& StopsY() const { return m_y; }

private:
    std::vector<GuideStop> m_x;
    std::vector<GuideStop> m_y;
};

// One snap without keeping the candidates: the lines of the others and of
// a window of the given size.
GuideSnap SnapToGuides(const QRect& moving, const std::vector<QRect>& others, QSize window,
                       int threshold = kGuideThreshold, unsigned features = gfAll);
