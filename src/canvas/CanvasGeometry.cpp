// SPDX-License-Identifier: GPL-2.0-or-later
#include "canvas/CanvasGeometry.h"

#include <algorithm>
#include <cstdlib>
#include <numeric>

namespace {

constexpr int kHandleReach = 4;

// Indexed by hit code: 0 the body, 1..8 the handles clockwise from the
// top-left corner.
constexpr std::array<ResizeFactors, 9> kResizeFactors{{
    {1, 1, 0, 0},
    {1, 1, -1, -1},
    {0, 1, 0, -1},
    {0, 1, 1, -1},
    {0, 0, 1, 0},
    {0, 0, 1, 1},
    {0, 0, 0, 1},
    {1, 0, -1, 1},
    {1, 0, -1, 0},
}};

constexpr ResizeFactors kNoChange{0, 0, 0, 0};

bool InBody(int x, int y, const QRect& bounds)
{
    return x >= bounds.left() && x <= bounds.right() && y >= bounds.top() && y <= bounds.bottom();
}

} // namespace

QPoint HandleCentre(const QRect& b, int code)
{
    const int cx = b.left() + b.width() / 2;
    const int cy = b.top() + b.height() / 2;
    switch (code) {
    case hcTopLeft: return {b.left(), b.top()};
    case hcTop: return {cx, b.top()};
    case hcTopRight: return {b.right(), b.top()};
    case hcRight: return {b.right(), cy};
    case hcBottomRight: return {b.right(), b.bottom()};
    case hcBottom: return {cx, b.bottom()};
    case hcBottomLeft: return {b.left(), b.bottom()};
    case hcLeft: return {b.left(), cy};
    default: return {cx, cy};
    }
}

int HitTestObject(int x, int y, const QRect& bounds, bool selected)
{
    int hit = hcNone;
    if (selected) {
        for (int code = hcTopLeft; code <= hcLeft; ++code) {
            const QPoint centre = HandleCentre(bounds, code);
            if (std::abs(x - centre.x()) <= kHandleReach && std::abs(y - centre.y()) <= kHandleReach) hit = code;
        }
    }
    if (hit != hcNone) return hit;
    return InBody(x, y, bounds) ? hcBody : hcNone;
}

Qt::CursorShape HitCursor(int code)
{
    switch (code) {
    case hcTopLeft:
    case hcBottomRight: return Qt::SizeFDiagCursor;
    case hcTop:
    case hcBottom: return Qt::SizeVerCursor;
    case hcTopRight:
    case hcBottomLeft: return Qt::SizeBDiagCursor;
    case hcRight:
    case hcLeft: return Qt::SizeHorCursor;
    default: return Qt::ArrowCursor;
    }
}

int SnapToGridValue(int value, int grid)
{
    return grid * ((value + grid / 2) / grid);
}

QPoint SnapPointToGrid(QPoint point, int gridX, int gridY)
{
    return {SnapToGridValue(point.x(), gridX), SnapToGridValue(point.y(), gridY)};
}

DragStep SnapDragStep(int dx, int dy, bool snap, int gridX, int gridY)
{
    if (!snap) return {dx != 0 || dy != 0, dx, dy};
    if (std::abs(dx) < gridX && std::abs(dy) < gridY) return {};
    return {true, dx / gridX * gridX, dy / gridY * gridY};
}

const ResizeFactors& ResizeFactorsOf(int code)
{
    if (code < hcBody || code > hcLeft) return kNoChange;
    return kResizeFactors[size_t(code)];
}

QPoint ClampInside(const QRect& bounds, QSize client, int gridX, int gridY)
{
    int left = bounds.left();
    int top = bounds.top();
    left = std::max(left, gridX - bounds.width());
    top = std::max(top, gridY - bounds.height());
    left = std::min(left, client.width() - gridX);
    top = std::min(top, client.height() - gridY);
    return {left, top};
}

QRect TransformBounds(const QRect& bounds, int code, int dx, int dy, QSize client, int gridX, int gridY)
{
    const ResizeFactors& f = ResizeFactorsOf(code);
    int left = bounds.left() + f.left * dx;
    int top = bounds.top() + f.top * dy;
    int width = bounds.width() + f.width * dx;
    int height = bounds.height() + f.height * dy;
    if (code >= hcTopLeft && code <= hcLeft) {
        if (width <= gridX) width = gridX;
        if (height <= gridY) height = gridY;
    }
    QRect result(left, top, width, height);
    result.moveTopLeft(ClampInside(result, client, gridX, gridY));
    return result;
}

QPoint PastedPosition(const QRect& bounds, int offset, QSize surface)
{
    int left = bounds.left() + offset;
    int top = bounds.top() + offset;
    if (left + bounds.width() > surface.width()) left = surface.width() - bounds.width();
    if (top + bounds.height() > surface.height()) top = surface.height() - bounds.height();
    return {left, top};
}

bool BodyOverlaps(const QRect& bounds, const QRect& band)
{
    return bounds.right() >= band.left() && bounds.left() <= band.right() && bounds.bottom() >= band.top() &&
           bounds.top() <= band.bottom();
}

QRect NormalisedBand(QPoint from, QPoint to)
{
    return QRect(QPoint(std::min(from.x(), to.x()), std::min(from.y(), to.y())),
                 QPoint(std::max(from.x(), to.x()), std::max(from.y(), to.y())));
}

QPoint AlignedPosition(const QRect& ref, const QRect& own, int mode)
{
    QPoint position = own.topLeft();
    switch (mode) {
    case amLeft: position.setX(ref.left()); break;
    case amRight: position.setX(ref.left() + ref.width() - own.width()); break;
    case amCenterHorizontal: position.setX(ref.left() + ref.width() / 2 - own.width() / 2); break;
    case amTop: position.setY(ref.top()); break;
    case amBottom: position.setY(ref.top() + ref.height() - own.height()); break;
    case amCenterVertical: position.setY(ref.top() + ref.height() / 2 - own.height() / 2); break;
    default: break;
    }
    return position;
}

std::vector<QRect> DistributedBounds(const std::vector<QRect>& bounds, Qt::Orientation axis)
{
    std::vector<QRect> result = bounds;
    const int count = int(bounds.size());
    if (count < 3) return result;
    const bool across = axis == Qt::Horizontal;
    auto start = [across](const QRect& r) { return across ? r.left() : r.top(); };
    auto extent = [across](const QRect& r) { return across ? r.width() : r.height(); };
    std::vector<int> order(bounds.size());
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(),
                     [&](int a, int b) { return start(bounds[size_t(a)]) < start(bounds[size_t(b)]); });
    const QRect& first = bounds[size_t(order.front())];
    const QRect& last = bounds[size_t(order.back())];
    long long inner = 0;
    for (int i = 1; i < count - 1; ++i) inner += extent(bounds[size_t(order[size_t(i)])]);
    const long long free = (long long)start(last) - (start(first) + extent(first)) - inner;
    long long position = start(first) + extent(first);
    for (int i = 1; i < count - 1; ++i) {
        QRect& r = result[size_t(order[size_t(i)])];
        const long long at = position + free * i / (count - 1);
        if (across)
            r.moveLeft(int(at));
        else
            r.moveTop(int(at));
        position += extent(r);
    }
    return result;
}

QRect SameSizeBounds(const QSize& reference, const QRect& own, int mode)
{
    QRect result = own;
    if (mode != smHeight) result.setWidth(reference.width());
    if (mode != smWidth) result.setHeight(reference.height());
    return result;
}

std::array<QPoint, 8> MarkHandlePoints(const QRect& b)
{
    const int l = b.left(), t = b.top(), r = b.left() + b.width(), bottom = b.top() + b.height();
    const int cx = l + b.width() / 2, cy = t + b.height() / 2;
    return {{{l, t}, {cx, t}, {r, t}, {r, cy}, {r, bottom}, {cx, bottom}, {l, bottom}, {l, cy}}};
}

int NudgeDistance(int position, int direction, bool gridStep, bool snap, int grid)
{
    if (!gridStep) return direction;
    if (!snap) return direction * grid;
    // The grid line at or below the position, whatever its sign.
    const int below = position >= 0 ? position / grid * grid : -((-position + grid - 1) / grid * grid);
    if (direction > 0) return below + grid - position;
    return (below == position ? below - grid : below) - position;
}
