// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QPoint>
#include <QRect>
#include <Qt>

#include <array>
#include <vector>

// The arithmetic of the design canvas, without any window: hit tests,
// handles, snapping, resizing, clamping and alignment. "div" below is
// integer division truncating toward zero, as C++ division is.

// What a point hits on an object: nothing, its body (a move) or one of
// the eight handles of a selected object (a resize).
enum HitCode : int {
    hcNone = -1,
    hcBody = 0,
    hcTopLeft = 1,
    hcTop = 2,
    hcTopRight = 3,
    hcRight = 4,
    hcBottomRight = 5,
    hcBottom = 6,
    hcBottomLeft = 7,
    hcLeft = 8,
};

// Centre of handle 1..8 for hit testing: the corners and edge middles of
// the object's inclusive pixel bounds [L, R] x [T, B].
QPoint HandleCentre(const QRect& bounds, int code);
// Handles are hit within +-4 pixels of their centre (inclusive). For a
// selected object they are tested 1 to 8 and the last hit wins; then the
// body [L, R] x [T, B] gives hcBody; anything else hcNone.
int HitTestObject(int x, int y, const QRect& bounds, bool selected);
// The sizing cursor of a hit code; the arrow for the body or nothing.
Qt::CursorShape HitCursor(int code);

// value rounded to the nearest multiple of grid: grid * ((value + grid div 2) div grid).
int SnapToGridValue(int value, int grid);
QPoint SnapPointToGrid(QPoint point, int gridX, int gridY);

// One step of a drag. With snapping the step is taken only once the
// mouse has moved a whole grid step on either axis, and is then cut to
// whole steps; the rest stays with the mouse for the next step.
struct DragStep {
    bool take = false;
    int dx = 0;
    int dy = 0;
};
DragStep SnapDragStep(int dx, int dy, bool snap, int gridX, int gridY);

// The factors by which one step (dx, dy) changes left, top, width and
// height for a hit code.
struct ResizeFactors {
    int left, top, width, height;
};
const ResizeFactors& ResizeFactorsOf(int code);

// The bounds after a step by hit code: moved for the body, resized for a
// handle, a resize never leaving a side smaller than one grid step (a
// side not greater than the step becomes the step). Then the position is
// held so that at least gridX x gridY pixels stay inside a client area of
// the given size.
QRect TransformBounds(const QRect& bounds, int code, int dx, int dy, QSize client, int gridX, int gridY);
// The position clamp alone: left at least gridX - width and at most
// client width - gridX, top likewise.
QPoint ClampInside(const QRect& bounds, QSize client, int gridX, int gridY);

// How far one arrow key moves an object at position along one axis in
// direction -1 or 1: one pixel; with gridStep one grid step, and with
// snapping on to the next grid line that way.
int NudgeDistance(int position, int direction, bool gridStep, bool snap, int grid);

// A pasted object's position: moved right and down by offset, then back
// inside the surface on the right and at the bottom when it sticks out.
// An object larger than the surface may end at a negative position.
QPoint PastedPosition(const QRect& bounds, int offset, QSize surface);

// Whether the body [L, R] x [T, B] overlaps the normalised band.
bool BodyOverlaps(const QRect& bounds, const QRect& band);
// The rectangle spanned by two points, left <= right and top <= bottom.
QRect NormalisedBand(QPoint from, QPoint to);

// Alignment modes of the arrangement commands.
enum AlignMode : int {
    amLeft = 0,
    amRight = 1,
    amCenterHorizontal = 2,
    amTop = 3,
    amBottom = 4,
    amCenterVertical = 5,
};
// The new top-left of an object aligned to the reference; only one axis
// changes.
QPoint AlignedPosition(const QRect& reference, const QRect& own, int mode);

// Bounds spread along one axis with equal gaps: ordered by their left (or
// top) edge, the first and the last keep their place and the others are
// put between them so that every gap is the same; a remainder of the
// integer division goes to the later gaps. Fewer than three change nothing.
std::vector<QRect> DistributedBounds(const std::vector<QRect>& bounds, Qt::Orientation axis);

// Which sides Make Same copies from the reference.
enum SameSizeMode : int {
    smWidth = 0,
    smHeight = 1,
    smBoth = 2,
};
// The bounds with the reference's width, height or both; the top-left
// stays.
QRect SameSizeBounds(const QSize& reference, const QRect& own, int mode);

// The points around which the selection marks draw their handle squares:
// corners and edge middles of (L, T) .. (L + W, T + H).
std::array<QPoint, 8> MarkHandlePoints(const QRect& bounds);
