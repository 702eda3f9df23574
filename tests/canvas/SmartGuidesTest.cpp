// SPDX-License-Identifier: GPL-2.0-or-later
// The smart guides' arithmetic, called directly: which lines snap, how far,
// and the guide lines that show it; then random scenes against a plain
// search over every line.
#include "TestSeed.h"

#include "canvas/CanvasGeometry.h"
#include "canvas/SelectionMarks.h"
#include "canvas/SmartGuides.h"

#include <gtest/gtest.h>

#include <QImage>

#include <algorithm>
#include <array>
#include <climits>
#include <random>
#include <string>

namespace {

const QSize kWindow(800, 600);
// x lines 200, 300, 400; y lines 100, 125, 150.
const QRect kOther(200, 100, 200, 50);

// The moving rectangle's lines along x (left, centre, right) or y.
std::array<int, 3> XLines(const QRect& r)
{
    return {r.left(), r.left() + r.width() / 2, r.left() + r.width()};
}
std::array<int, 3> YLines(const QRect& r)
{
    return {r.top(), r.top() + r.height() / 2, r.top() + r.height()};
}

} // namespace

TEST(SmartGuides, AnEdgeSnapsWithinTheThresholdAndNotBeyondIt)
{
    // Only the left edge (200 + d) comes near a line: the centre and the
    // right are 20 and 40 pixels on, and y is far from everything.
    for (int d = -8; d <= 8; ++d) {
        SCOPED_TRACE("d = " + std::to_string(d));
        const GuideSnap snap = SnapToGuides({200 + d, 400, 40, 20}, {kOther}, kWindow);
        const bool near = std::abs(d) <= kGuideThreshold;
        EXPECT_EQ(snap.snappedX, near);
        EXPECT_EQ(snap.dx, near ? -d : 0);
        EXPECT_FALSE(snap.snappedY);
        EXPECT_EQ(snap.dy, 0);
        EXPECT_EQ(snap.snapped, QRect(near ? 200 : 200 + d, 400, 40, 20));
        if (near)
            EXPECT_EQ(snap.lines, (std::vector<GuideLine>{{Qt::Vertical, 200, 100, 420}}));
        else
            EXPECT_TRUE(snap.lines.empty());
    }
}

TEST(SmartGuides, CentresSnapToCentresOfObjectsAndOfTheWindow)
{
    // The moving centre 300 + d meets the other's centre 300; its edges
    // stay 20 pixels from every line.
    const GuideSnap x = SnapToGuides({284, 400, 40, 20}, {kOther}, kWindow);
    EXPECT_EQ(x.dx, -4);
    EXPECT_EQ(x.snapped.topLeft(), QPoint(280, 400));
    EXPECT_EQ(x.lines, (std::vector<GuideLine>{{Qt::Vertical, 300, 100, 420}}));

    // The window's middle (y 300) pulls a centre 297; the line spans the
    // window from side to side.
    const GuideSnap y = SnapToGuides({600, 277, 40, 40}, {kOther}, kWindow);
    EXPECT_FALSE(y.snappedX);
    EXPECT_EQ(y.dy, 3);
    EXPECT_EQ(y.snapped.topLeft(), QPoint(600, 280));
    EXPECT_EQ(y.lines, (std::vector<GuideLine>{{Qt::Horizontal, 300, 0, 800}}));

    // The window's far edges are lines too.
    const GuideSnap corner = SnapToGuides({757, 562, 40, 40}, {}, kWindow);
    EXPECT_EQ(corner.snapped.topLeft(), QPoint(760, 560));
    EXPECT_EQ(corner.lines, (std::vector<GuideLine>{{Qt::Vertical, 800, 0, 600}, {Qt::Horizontal, 600, 0, 800}}));
}

TEST(SmartGuides, TheNearestLineWinsAndTheAxesSnapIndependently)
{
    // Left 204 is 4 from 200; right 298 is 2 from 300 (centre 251 is far
    // from everything): the right edge wins. Top 153 is 3 below 150.
    const GuideSnap snap = SnapToGuides({204, 153, 94, 30}, {kOther, {298 + 2, 500, 10, 10}}, kWindow);
    EXPECT_EQ(snap.dx, 2);
    EXPECT_EQ(snap.dy, -3);
    EXPECT_EQ(snap.snapped, QRect(206, 150, 94, 30));
    // Both rectangles on x 300 are in the line's span (the moving one from
    // y 150 to 180, kOther 100..150, the small one 500..510).
    ASSERT_EQ(snap.lines.size(), 2u);
    EXPECT_EQ(snap.lines[0], (GuideLine{Qt::Vertical, 300, 100, 510}));
    EXPECT_EQ(snap.lines[1], (GuideLine{Qt::Horizontal, 150, 200, 400}));

    // A move that puts several of its lines on lines shows them all; the
    // line at 400 is the window's middle as well, so it spans the window.
    const GuideSnap both = SnapToGuides({202, 400, 200, 20}, {kOther}, kWindow);
    EXPECT_EQ(both.dx, -2);
    EXPECT_EQ(both.lines, (std::vector<GuideLine>{{Qt::Vertical, 200, 100, 420},
                                                  {Qt::Vertical, 300, 100, 420},
                                                  {Qt::Vertical, 400, 0, 600}}));
}

TEST(SmartGuides, AResizeSnapsOnlyTheDraggedEdges)
{
    EXPECT_EQ(GuideFeaturesOf(hcBody), unsigned(gfAll));
    EXPECT_EQ(GuideFeaturesOf(hcRight), unsigned(gfRight));
    EXPECT_EQ(GuideFeaturesOf(hcLeft), unsigned(gfLeft));
    EXPECT_EQ(GuideFeaturesOf(hcTop), unsigned(gfTop));
    EXPECT_EQ(GuideFeaturesOf(hcBottom), unsigned(gfBottom));
    EXPECT_EQ(GuideFeaturesOf(hcTopLeft), unsigned(gfLeft | gfTop));
    EXPECT_EQ(GuideFeaturesOf(hcTopRight), unsigned(gfRight | gfTop));
    EXPECT_EQ(GuideFeaturesOf(hcBottomRight), unsigned(gfRight | gfBottom));
    EXPECT_EQ(GuideFeaturesOf(hcBottomLeft), unsigned(gfLeft | gfBottom));
    EXPECT_EQ(GuideFeaturesOf(hcNone), 0u);

    // Moving: the left edge 202 is nearest (2 from 200). Resized by the
    // right edge only: 237 goes to 240 and the left stays; resized by the
    // left: 202 goes to 200 and the right stays.
    const std::vector<QRect> others{{100, 100, 100, 30}, {240, 500, 30, 30}};
    const QRect moving(202, 300, 35, 20);
    EXPECT_EQ(SnapToGuides(moving, others, kWindow).snapped, QRect(200, 300, 35, 20));
    const GuideSnap right = SnapToGuides(moving, others, kWindow, kGuideThreshold, gfRight);
    EXPECT_EQ(right.snapped, QRect(202, 300, 38, 20));
    EXPECT_EQ(right.lines, (std::vector<GuideLine>{{Qt::Vertical, 240, 300, 530}}));
    const GuideSnap left = SnapToGuides(moving, others, kWindow, kGuideThreshold, gfLeft);
    EXPECT_EQ(left.snapped, QRect(200, 300, 37, 20));
    // The bottom edge 320 is far from everything: nothing along y.
    EXPECT_FALSE(SnapToGuides(moving, others, kWindow, kGuideThreshold, gfBottom).snappedY);

    // A resized object's centre is not a line that snaps: centre 219 is
    // 1 from 220, the dragged right edge 237 is 7 from 230.
    const QRect centred(202, 300, 35, 20);
    EXPECT_FALSE(SnapToGuides(centred, {{210, 500, 20, 20}}, kWindow, kGuideThreshold, gfRight).snappedX);
    EXPECT_TRUE(SnapToGuides(centred, {{210, 500, 20, 20}}, kWindow).snappedX);
}

TEST(SmartGuides, FarBoundsAndEmptyRectanglesDoNotBreakTheSearch)
{
    const std::vector<QRect> others{{INT_MAX - 2000, INT_MIN + 5, 1000, 1000}, {0, 0, 0, 0}, {-50, -50, 7, 7}};
    const GuideSnap snap = SnapToGuides({INT_MAX - 2003, 0, 50, 50}, others, {0, 0});
    EXPECT_EQ(snap.dx, 3);
    EXPECT_TRUE(snap.snappedY); // top 0 on the empty window's lines
    EXPECT_EQ(snap.dy, 0);
    // A negative threshold snaps nothing; zero only exact matches.
    EXPECT_FALSE(SnapToGuides({1, 1, 10, 10}, {}, kWindow, -1).snappedX);
    EXPECT_FALSE(SnapToGuides({1, 1, 10, 10}, {}, kWindow, 0).snappedX);
    EXPECT_TRUE(SnapToGuides({0, 1, 10, 10}, {}, kWindow, 0).snappedX);
}

TEST(SmartGuides, GuideLinesAreDrawnOnePixelWideAndClippedToThePicture)
{
    QImage picture(20, 10, QImage::Format_RGB32);
    picture.fill(Qt::white);
    // The window's far edge (x 20) is drawn on the last column; a line
    // reaching out of the picture is cut; one outside it is left out.
    DrawGuideLines(picture, {{Qt::Vertical, 20, -5, 100}, {Qt::Horizontal, 3, 2, 6}, {Qt::Horizontal, -1, 0, 20},
                             {Qt::Vertical, 21, 0, 10}});
    int coloured = 0;
    for (int y = 0; y < 10; ++y)
        for (int x = 0; x < 20; ++x) {
            const bool on = x == 19 || (y == 3 && x >= 2 && x < 6);
            EXPECT_EQ(picture.pixel(x, y) == 0xFFFF00FF, on) << x << "," << y;
            coloured += on;
        }
    EXPECT_EQ(coloured, 10 + 4);
}

// Random scenes: the result is either no snap on an axis (no line of the
// moving rectangle within the threshold of any line) or a shift by the
// smallest distance there is, which puts one of the moving lines exactly
// on a line; every guide drawn lies on a line of both and spans both.
TEST(SmartGuides, RandomScenesSnapToTheNearestLineOrNotAtAll)
{
    const unsigned seed = TestSeed("random guide scenes");
    SCOPED_TRACE("VELOMNI_SEED=" + std::to_string(seed));
    std::mt19937 random(seed);
    auto between = [&](int low, int high) { return low + int(random() % unsigned(high - low + 1)); };
    const unsigned masks[] = {gfAll, gfLeft, gfRight, gfTop | gfLeft, gfBottom | gfRight, gfTop, gfBottom | gfLeft};

    for (int scene = 0; scene < 400; ++scene) {
        const QSize window(between(100, 900), between(100, 700));
        std::vector<QRect> others(size_t(between(0, 25)));
        for (QRect& r : others) r = QRect(between(-50, 900), between(-50, 700), between(1, 200), between(1, 200));
        const GuideCandidates candidates(others, window);
        for (int move = 0; move < 20; ++move) {
            const QRect moving(between(-50, 900), between(-50, 700), between(1, 200), between(1, 200));
            const unsigned features = masks[between(0, 6)];
            const int threshold = between(0, 8);
            const GuideSnap snap = candidates.Snap(moving, features, threshold);
            ASSERT_EQ(snap.lines, SnapToGuides(moving, others, window, threshold, features).lines);

            for (int axis = 0; axis < 2; ++axis) {
                const bool x = axis == 0;
                const unsigned mask = x ? features & gfAllX : (features & gfAllY) >> 3;
                const std::array<int, 3> lines = x ? XLines(moving) : YLines(moving);
                // Every line of the window and of the others, one by one.
                std::vector<int> stops = x ? std::vector<int>{0, window.width() / 2, window.width()}
                                           : std::vector<int>{0, window.height() / 2, window.height()};
                for (const QRect& r : others)
                    for (int line : x ? XLines(r) : YLines(r)) stops.push_back(line);
                int nearest = INT_MAX;
                for (size_t i = 0; i < 3; ++i)
                    if (mask & (1u << i))
                        for (int stop : stops) nearest = std::min(nearest, std::abs(stop - lines[i]));
                const bool snapped = x ? snap.snappedX : snap.snappedY;
                const int offset = x ? snap.dx : snap.dy;
                ASSERT_EQ(snapped, nearest <= threshold) << "axis " << axis;
                if (!snapped) {
                    ASSERT_EQ(offset, 0);
                    continue;
                }
                ASSERT_EQ(std::abs(offset), nearest) << "axis " << axis;
                const std::array<int, 3> moved = x ? XLines(snap.snapped) : YLines(snap.snapped);
                bool lands = false;
                for (size_t i = 0; i < 3; ++i)
                    if (mask & (1u << i))
                        lands = lands || std::find(stops.begin(), stops.end(), moved[i]) != stops.end();
                ASSERT_TRUE(lands) << "axis " << axis;
                // The dragged lines moved by the offset, the others not.
                const int low = x ? snap.snapped.left() : snap.snapped.top();
                const int high = low + (x ? snap.snapped.width() : snap.snapped.height());
                const int lowBefore = x ? moving.left() : moving.top();
                const int highBefore = lowBefore + (x ? moving.width() : moving.height());
                ASSERT_EQ(low - lowBefore, mask & 3u ? offset : 0);
                ASSERT_EQ(high - highBefore, mask & 6u ? offset : 0);
            }
            for (const GuideLine& line : snap.lines) {
                const bool x = line.orientation == Qt::Vertical;
                const std::array<int, 3> moved = x ? XLines(snap.snapped) : YLines(snap.snapped);
                ASSERT_TRUE(std::find(moved.begin(), moved.end(), line.position) != moved.end());
                const int from = x ? snap.snapped.top() : snap.snapped.left();
                const int to = from + (x ? snap.snapped.height() : snap.snapped.width());
                ASSERT_LE(line.from, from);
                ASSERT_GE(line.to, to);
            }
        }
    }
}
