// SPDX-License-Identifier: GPL-2.0-or-later
// The canvas's arithmetic, table by table.
#include "canvas/CanvasGeometry.h"
#include "canvas/WindowFrame.h"

#include <gtest/gtest.h>

namespace {

// L 10, T 20, W 40, H 30: R 49, B 49, cx 30, cy 35.
const QRect kBox(10, 20, 40, 30);

struct HitCase {
    int x, y;
    bool selected;
    int expected;
};

} // namespace

TEST(CanvasGeometry, HitTestFindsHandlesOnlyOnSelectedObjectsThenTheBody)
{
    const HitCase cases[] = {
        {10, 20, true, hcTopLeft},      {6, 16, true, hcTopLeft},      {5, 20, true, hcNone},
        {30, 20, true, hcTop},          {49, 20, true, hcTopRight},    {53, 35, true, hcRight},
        {49, 49, true, hcBottomRight},  {30, 53, true, hcBottom},      {10, 49, true, hcBottomLeft},
        {14, 35, true, hcLeft},         {20, 30, true, hcBody},        {50, 30, false, hcNone},
        {10, 20, false, hcBody},        {49, 49, false, hcBody},       {50, 50, false, hcNone},
        {9, 30, false, hcNone},         {6, 16, false, hcNone},
    };
    for (const HitCase& c : cases)
        EXPECT_EQ(HitTestObject(c.x, c.y, kBox, c.selected), c.expected)
            << c.x << "," << c.y << (c.selected ? " selected" : "");
}

TEST(CanvasGeometry, OnASmallObjectTheLastHandleTestedWins)
{
    // 4 x 4: every handle square covers the whole object, and the left
    // handle (8) is tested last.
    const QRect small(100, 100, 4, 4);
    EXPECT_EQ(HitTestObject(100, 100, small, true), hcLeft);
    EXPECT_EQ(HitTestObject(103, 103, small, true), hcLeft);
    // Right of the left handle's reach the later right-side handles win.
    EXPECT_EQ(HitTestObject(106, 100, small, true), hcBottom);
    EXPECT_EQ(HitTestObject(107, 100, small, true), hcBottomRight);
}

TEST(CanvasGeometry, EveryHitCodeHasItsCursor)
{
    const std::pair<int, Qt::CursorShape> cursors[] = {
        {hcTopLeft, Qt::SizeFDiagCursor}, {hcBottomRight, Qt::SizeFDiagCursor}, {hcTop, Qt::SizeVerCursor},
        {hcBottom, Qt::SizeVerCursor},    {hcTopRight, Qt::SizeBDiagCursor},    {hcBottomLeft, Qt::SizeBDiagCursor},
        {hcRight, Qt::SizeHorCursor},     {hcLeft, Qt::SizeHorCursor},          {hcBody, Qt::ArrowCursor},
        {hcNone, Qt::ArrowCursor},
    };
    for (const auto& [code, cursor] : cursors) EXPECT_EQ(HitCursor(code), cursor) << code;
}

TEST(CanvasGeometry, SnappingRoundsToTheNearestGridPointTowardZeroDivision)
{
    const std::tuple<int, int, int> cases[] = {
        {12, 8, 16}, {11, 8, 8}, {3, 8, 0}, {4, 8, 8}, {-7, 8, 0}, {-13, 8, -8}, {-4, 8, 0},
        {-5, 8, 0},  {15, 10, 20}, {14, 10, 10}, {0, 2, 0}, {1, 2, 2},
    };
    for (const auto& [value, grid, expected] : cases)
        EXPECT_EQ(SnapToGridValue(value, grid), expected) << value << " on " << grid;
    EXPECT_EQ(SnapPointToGrid({12, -13}, 8, 8), QPoint(16, -8));
}

TEST(CanvasGeometry, DragStepsWaitForAWholeGridStepAndCarryTheRest)
{
    struct StepCase {
        int dx, dy;
        bool snap;
        DragStep expected;
    };
    const StepCase cases[] = {
        {5, 0, true, {false, 0, 0}},  {5, 7, true, {false, 0, 0}},   {9, 0, true, {true, 8, 0}},
        {9, 5, true, {true, 8, 0}},   {-9, 17, true, {true, -8, 16}}, {0, -8, true, {true, 0, -8}},
        {5, 0, false, {true, 5, 0}},  {0, 0, false, {false, 0, 0}},  {-1, 3, false, {true, -1, 3}},
    };
    for (const StepCase& c : cases) {
        const DragStep step = SnapDragStep(c.dx, c.dy, c.snap, 8, 8);
        EXPECT_EQ(step.take, c.expected.take) << c.dx << "," << c.dy;
        EXPECT_EQ(step.dx, c.expected.dx) << c.dx << "," << c.dy;
        EXPECT_EQ(step.dy, c.expected.dy) << c.dx << "," << c.dy;
    }
}

TEST(CanvasGeometry, EachHitCodeMovesOrResizesItsOwnSides)
{
    const QSize client(640, 400);
    const QRect start(100, 100, 80, 60);
    const std::pair<int, QRect> cases[] = {
        {hcBody, QRect(108, 116, 80, 60)},       {hcTopLeft, QRect(108, 116, 72, 44)},
        {hcTop, QRect(100, 116, 80, 44)},        {hcTopRight, QRect(100, 116, 88, 44)},
        {hcRight, QRect(100, 100, 88, 60)},      {hcBottomRight, QRect(100, 100, 88, 76)},
        {hcBottom, QRect(100, 100, 80, 76)},     {hcBottomLeft, QRect(108, 100, 72, 76)},
        {hcLeft, QRect(108, 100, 72, 60)},
    };
    for (const auto& [code, expected] : cases)
        EXPECT_EQ(TransformBounds(start, code, 8, 16, client, 8, 8), expected) << code;
}

TEST(CanvasGeometry, ResizingNeverGoesBelowOneGridStep)
{
    const QSize client(640, 400);
    // Shrunk to 4 x 4: exactly one step of 8 x 8 remains.
    EXPECT_EQ(TransformBounds({100, 100, 20, 20}, hcBottomRight, -16, -16, client, 8, 8), QRect(100, 100, 8, 8));
    // A width equal to the step stays at the step.
    EXPECT_EQ(TransformBounds({100, 100, 20, 20}, hcRight, -12, 0, client, 8, 8), QRect(100, 100, 8, 20));
    // The left edge dragged past the right one: width 8, the right edge follows.
    EXPECT_EQ(TransformBounds({100, 100, 20, 20}, hcLeft, 40, 0, client, 8, 8), QRect(140, 100, 8, 20));
    // A move keeps its size, even below the step.
    EXPECT_EQ(TransformBounds({100, 100, 4, 4}, hcBody, 8, 0, client, 8, 8), QRect(108, 100, 4, 4));
}

TEST(CanvasGeometry, AtLeastOneGridStepOfAnObjectStaysInsideTheWindow)
{
    const QSize client(640, 400);
    EXPECT_EQ(TransformBounds({10, 10, 80, 60}, hcBody, -500, -500, client, 8, 8), QRect(-72, -52, 80, 60));
    EXPECT_EQ(TransformBounds({10, 10, 80, 60}, hcBody, 5000, 5000, client, 8, 8), QRect(632, 392, 80, 60));
    EXPECT_EQ(ClampInside({-72, 300, 80, 60}, client, 10, 12), QPoint(-70, 300));
    EXPECT_EQ(ClampInside({0, 0, 80, 60}, client, 8, 8), QPoint(0, 0));
}

TEST(CanvasGeometry, AlignmentMovesOneAxisOntoTheReference)
{
    const QRect ref(10, 20, 101, 51);
    const QRect own(300, 300, 20, 10);
    const std::pair<int, QPoint> cases[] = {
        {amLeft, {10, 300}},   {amRight, {91, 300}},  {amCenterHorizontal, {50, 300}},
        {amTop, {300, 20}},    {amBottom, {300, 61}}, {amCenterVertical, {300, 40}},
    };
    for (const auto& [mode, expected] : cases) EXPECT_EQ(AlignedPosition(ref, own, mode), expected) << mode;
}

TEST(CanvasGeometry, DistributingSplitsAnUnevenRemainderAndKeepsTheOutermostInPlace)
{
    // Four objects, given out of order; 0..10 and 100..110 stay. The two
    // inner ones (10 and 20 wide) leave 60 for three gaps of 20, and 61
    // splits 20, 20, 21.
    const std::vector<QRect> bounds{{100, 0, 10, 5}, {30, 9, 20, 5}, {0, 7, 10, 5}, {12, 3, 10, 5}};
    EXPECT_EQ(DistributedBounds(bounds, Qt::Horizontal),
              (std::vector<QRect>{{100, 0, 10, 5}, {60, 9, 20, 5}, {0, 7, 10, 5}, {30, 3, 10, 5}}));
    std::vector<QRect> wider = bounds;
    wider[0].moveLeft(101);
    EXPECT_EQ(DistributedBounds(wider, Qt::Horizontal)[1].left(), 60);
    EXPECT_EQ(DistributedBounds(wider, Qt::Horizontal)[3].left(), 30);
    EXPECT_EQ(DistributedBounds({{0, 0, 5, 5}, {50, 50, 5, 5}}, Qt::Vertical)[1], QRect(50, 50, 5, 5));
}

TEST(CanvasGeometry, PastedObjectsMoveByTheOffsetAndBackInsideTheSurface)
{
    const QSize surface(640, 400);
    EXPECT_EQ(PastedPosition({10, 20, 50, 50}, 8, surface), QPoint(18, 28));
    EXPECT_EQ(PastedPosition({600, 20, 50, 50}, 8, surface), QPoint(590, 28));
    EXPECT_EQ(PastedPosition({10, 360, 50, 50}, 16, surface), QPoint(26, 350));
    // Larger than the surface: nothing stops a negative position.
    EXPECT_EQ(PastedPosition({0, 0, 700, 50}, 8, surface), QPoint(-60, 8));
}

TEST(CanvasGeometry, BandsSelectObjectsTheyTouchIncludingTheEdgePixels)
{
    EXPECT_EQ(NormalisedBand({50, 10}, {20, 40}), QRect(QPoint(20, 10), QPoint(50, 40)));
    const QRect band(QPoint(49, 49), QPoint(60, 60));
    EXPECT_TRUE(BodyOverlaps(kBox, band));
    EXPECT_FALSE(BodyOverlaps(kBox, band.translated(1, 0)));
    EXPECT_FALSE(BodyOverlaps(kBox, QRect(QPoint(0, 0), QPoint(9, 100))));
    EXPECT_TRUE(BodyOverlaps(kBox, QRect(QPoint(0, 0), QPoint(10, 20))));
}

TEST(CanvasGeometry, MarkHandlesSitOnTheOuterEdges)
{
    const auto points = MarkHandlePoints(kBox);
    EXPECT_EQ(points[0], QPoint(10, 20));
    EXPECT_EQ(points[2], QPoint(50, 20));
    EXPECT_EQ(points[4], QPoint(50, 50));
    EXPECT_EQ(points[7], QPoint(10, 35));
}

TEST(WindowFrameGeometry, SizeableFramesAreGrabbedAtTheirEdgesAndCorners)
{
    const QMargins margins(4, 26, 4, 4);
    const QSize outer(200, 100);
    EXPECT_EQ(FrameEdgesAt({1, 50}, outer, margins), Qt::LeftEdge);
    EXPECT_EQ(FrameEdgesAt({198, 50}, outer, margins), Qt::RightEdge);
    EXPECT_EQ(FrameEdgesAt({100, 99}, outer, margins), Qt::BottomEdge);
    EXPECT_EQ(FrameEdgesAt({199, 99}, outer, margins), Qt::RightEdge | Qt::BottomEdge);
    EXPECT_EQ(FrameEdgesAt({5, 1}, outer, margins), Qt::LeftEdge | Qt::TopEdge);
    EXPECT_EQ(FrameEdgesAt({100, 50}, outer, margins), Qt::Edges());
    EXPECT_EQ(FrameEdgesAt({100, 10}, outer, margins), Qt::Edges());
    EXPECT_TRUE(InTitleBar({100, 10}, outer, margins));
    EXPECT_FALSE(InTitleBar({100, 30}, outer, margins));
    EXPECT_EQ(EdgeCursor(Qt::LeftEdge | Qt::TopEdge), Qt::SizeFDiagCursor);
    EXPECT_EQ(EdgeCursor(Qt::RightEdge | Qt::TopEdge), Qt::SizeBDiagCursor);
    EXPECT_EQ(EdgeCursor(Qt::BottomEdge), Qt::SizeVerCursor);
}
