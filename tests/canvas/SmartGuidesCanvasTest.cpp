// SPDX-License-Identifier: GPL-2.0-or-later
// Smart guides through the real canvas: mouse events on the picture, the
// controls' bounds, the guide lines in the picture and the undo steps.
#include "CanvasFixture.h"
#include "TestSeed.h"

#include "canvas/SmartGuides.h"
#include "model/Kinds.h"

#include <random>
#include <string>

namespace {

constexpr QRgb kGuideColour = 0xFFFF00FF;

int GuidePixels(const QImage& picture)
{
    int count = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x)
            if (picture.pixel(x, y) == kGuideColour) ++count;
    return count;
}

} // namespace

// The grid is off unless a test turns it on; the menu window's client area
// is checked to be as the positions below assume (lines 0, 316, 632 and
// 0, 184, 368), so that only the lines a test means are near.
class GuidesTest : public CanvasTest {
protected:
    GuidesTest()
    {
        SetSnap(false);
        client = menu->ScrollBox1()->size();
    }
    void SetUp() override { ASSERT_EQ(client, QSize(632, 368)); }
    const std::vector<GuideLine>& Guides() const { return canvas->Interaction().Guides(); }

    QSize client;
};

TEST_F(GuidesTest, AMovedEdgeSnapsWithinTheThresholdAndTheGuideShowsUntilTheRelease)
{
    Add(okButton, {400, 40, 20, 40}); // x lines 400, 410, 420
    TVoObject* a = Add(okImage, {100, 250, 100, 30});
    a->Selected = true;
    ASSERT_EQ(GuidePixels(canvas->Picture()), 0);

    Press({150, 265});
    // The left edge passes 400: pulled within 5 pixels, left alone beyond.
    for (int left = 392; left <= 403; ++left) {
        SCOPED_TRACE("left " + std::to_string(left));
        MoveTo({150 + left - 100, 265});
        const bool near = std::abs(left - 400) <= kGuideThreshold;
        EXPECT_EQ(Bounds(a), QRect(near ? 400 : left, 250, 100, 30));
        EXPECT_EQ(Guides().size(), near ? 1u : 0u);
    }
    MoveTo({150 + 297, 265});
    ASSERT_EQ(Guides(), (std::vector<GuideLine>{{Qt::Vertical, 400, 40, 280}}));
    // Drawn over the objects from the top of the other to the bottom of the
    // moving one, one pixel wide.
    EXPECT_EQ(GuidePixels(canvas->Picture()), 280 - 40);
    EXPECT_EQ(canvas->Picture().pixel(400, 150), kGuideColour);
    EXPECT_EQ(canvas->Picture().pixel(400, 260), kGuideColour);
    EXPECT_NE(canvas->Picture().pixel(400, 39), kGuideColour);
    EXPECT_FALSE(document->Modified());

    Release({150 + 297, 265});
    EXPECT_EQ(Bounds(a), QRect(400, 250, 100, 30));
    EXPECT_TRUE(Guides().empty());
    EXPECT_EQ(GuidePixels(canvas->Picture()), 0);
    // The whole drag is one step, and its undo puts the object back.
    EXPECT_EQ(document->UndoStack().count(), 1);
    EXPECT_EQ(document->UndoText(), "Undo Move");
    document->Undo();
    EXPECT_EQ(Bounds(a), QRect(100, 250, 100, 30));
}

TEST_F(GuidesTest, ACentreSnapsToTheWindowsMiddleAndAltSwitchesTheGuidesOff)
{
    TVoObject* a = Add(okImage, {100, 250, 100, 30});
    a->Selected = true;
    Press({150, 265});
    const QPoint near(150 + 164, 265); // left 264, centre 314: 2 from 316
    MoveTo(near);
    EXPECT_EQ(Bounds(a).left(), 266);
    EXPECT_EQ(Guides(), (std::vector<GuideLine>{{Qt::Vertical, 316, 0, 368}}));
    EXPECT_EQ(GuidePixels(canvas->Picture()), 368);

    // Alt held: the object follows the mouse alone, even without a step of
    // the mouse, and the guide is gone; let go, it snaps again.
    MoveTo(near, Qt::AltModifier);
    EXPECT_EQ(Bounds(a).left(), 264);
    EXPECT_TRUE(Guides().empty());
    EXPECT_EQ(GuidePixels(canvas->Picture()), 0);
    MoveTo(near);
    EXPECT_EQ(Bounds(a).left(), 266);
    MoveTo(near + QPoint(1, 0), Qt::AltModifier);
    EXPECT_EQ(Bounds(a).left(), 265);
    Release(near + QPoint(1, 0), Qt::AltModifier);
    EXPECT_EQ(Bounds(a), QRect(265, 250, 100, 30));
    EXPECT_EQ(document->UndoStack().count(), 1);

    // Alt from the press on: no guide at any point of the drag.
    Press({315, 265}, Qt::AltModifier);
    for (int x = 313; x >= 305; --x) {
        MoveTo({x, 265}, Qt::AltModifier);
        EXPECT_EQ(Bounds(a).left(), 265 + x - 315);
        EXPECT_TRUE(Guides().empty());
    }
    Release({305, 265}, Qt::AltModifier);
}

TEST_F(GuidesTest, TheGridStillAppliesOnAnAxisWithoutAGuide)
{
    SetSnap(true); // grid 8
    Add(okButton, {203, 40, 120, 40}); // x lines 203, 263, 323
    TVoObject* a = Add(okImage, {104, 200, 50, 40});
    a->Selected = true;
    Press({120, 220});
    // The mouse goes 99 and 9: the grid makes it 96 and 8. Left 200 is 3
    // from 203 and snaps; top 208 is 24 from the window's middle and stays
    // on the grid step.
    MoveTo({219, 229});
    EXPECT_EQ(Bounds(a), QRect(203, 208, 50, 40));
    EXPECT_EQ(Guides().size(), 1u);
    // Less than a grid step further: nothing changes.
    MoveTo({223, 231});
    EXPECT_EQ(Bounds(a), QRect(203, 208, 50, 40));
    // Three steps on (left 224, centre 249, right 274) no line is near:
    // the grid alone.
    MoveTo({240, 229});
    EXPECT_EQ(Bounds(a), QRect(224, 208, 50, 40));
    EXPECT_TRUE(Guides().empty());
    // With Alt the grid stays: 21 pixels back make two whole steps.
    MoveTo({219, 229}, Qt::AltModifier);
    EXPECT_EQ(Bounds(a), QRect(208, 208, 50, 40));
    Release({219, 229}, Qt::AltModifier);
    EXPECT_EQ(Bounds(a), QRect(208, 208, 50, 40));
}

TEST_F(GuidesTest, AResizeSnapsTheDraggedEdgeAndLeavesTheOthers)
{
    Add(okButton, {300, 40, 60, 40}); // x lines 300, 330, 360; y 40, 60, 80
    TVoObject* a = Add(okImage, {100, 200, 197, 50});
    a->Selected = true;
    // The right handle (at x 296): the right edge 298 is 2 from 300.
    Press({296, 225});
    ASSERT_EQ(canvas->Interaction().Hit(), hcRight);
    MoveTo({297, 225});
    EXPECT_EQ(Bounds(a), QRect(100, 200, 200, 50));
    EXPECT_EQ(Guides(), (std::vector<GuideLine>{{Qt::Vertical, 300, 40, 250}}));
    MoveTo({305, 225}); // right 306: 6 from 300, beyond
    EXPECT_EQ(Bounds(a), QRect(100, 200, 206, 50));
    MoveTo({302, 225});
    Release({302, 225});
    EXPECT_EQ(Bounds(a), QRect(100, 200, 200, 50));
    EXPECT_EQ(document->UndoText(), "Undo Resize");

    // A left edge 2 from 300 stays where it is while the right edge is
    // dragged, and the centre does not snap either.
    TVoObject* b = Add(okImage, {302, 300, 100, 40});
    a->Selected = false;
    b->Selected = true;
    Press({401, 320});
    ASSERT_EQ(canvas->Interaction().Hit(), hcRight);
    MoveTo({404, 320}); // right 405 is far from every line
    EXPECT_EQ(Bounds(b), QRect(302, 300, 103, 40));
    EXPECT_TRUE(Guides().empty());
    // The bottom-left handle drags the left and the bottom: both snap, to
    // 300 and to the window's bottom 368.
    Release({404, 320});
    Press({302, 339});
    ASSERT_EQ(canvas->Interaction().Hit(), hcBottomLeft);
    MoveTo({302 - 1, 339 + 26}); // left 301, bottom 366
    EXPECT_EQ(Bounds(b), QRect(300, 300, 105, 68));
    EXPECT_EQ(Guides().size(), 2u);
    Release({301, 365});
    EXPECT_EQ(document->UndoStack().count(), 3);
}

TEST_F(GuidesTest, SeveralResizedObjectsSnapTheirBoxsEdgeAndGrowAlike)
{
    Add(okButton, {183, 40, 20, 20}); // x lines 183, 193, 203
    TVoObject* a = Add(okImage, {100, 200, 50, 40});
    TVoObject* b = Add(okImage, {100, 260, 80, 40});
    a->Selected = b->Selected = true;
    // b's right handle; the box's right edge 181 is 2 from 183, so both
    // grow by 3, though a's own edge stays far from the line.
    Press({179, 280});
    ASSERT_EQ(canvas->Interaction().Hit(), hcRight);
    MoveTo({180, 280});
    EXPECT_EQ(Bounds(a), QRect(100, 200, 53, 40));
    EXPECT_EQ(Bounds(b), QRect(100, 260, 83, 40));
    EXPECT_EQ(Guides(), (std::vector<GuideLine>{{Qt::Vertical, 183, 40, 300}}));
    Release({180, 280});
    EXPECT_EQ(document->UndoStack().count(), 1);
}

TEST_F(GuidesTest, SeveralSelectedObjectsSnapAsOneBoxAndEscTakesTheGuideAway)
{
    Add(okButton, {400, 40, 20, 20}); // x lines 400, 410, 420
    TVoObject* a = Add(okImage, {100, 250, 40, 30});
    TVoObject* b = Add(okImage, {200, 300, 40, 30});
    a->Selected = b->Selected = true;
    Press({120, 265});
    // The box 100..240 moves by 157: its right edge 397 is 3 from 400.
    MoveTo({277, 265});
    EXPECT_EQ(Bounds(a), QRect(260, 250, 40, 30));
    EXPECT_EQ(Bounds(b), QRect(360, 300, 40, 30));
    EXPECT_EQ(Guides(), (std::vector<GuideLine>{{Qt::Vertical, 400, 40, 330}}));
    EXPECT_GT(GuidePixels(canvas->Picture()), 0);

    Key(Qt::Key_Escape);
    EXPECT_EQ(Bounds(a), QRect(100, 250, 40, 30));
    EXPECT_EQ(Bounds(b), QRect(200, 300, 40, 30));
    EXPECT_TRUE(Guides().empty());
    EXPECT_EQ(GuidePixels(canvas->Picture()), 0);
    Release({277, 265});
    EXPECT_FALSE(document->Modified());
}

// Random objects and random drags of a random selection: after every move
// the selection stands where the guide arithmetic puts the box the mouse
// made (only the unselected objects and the window giving lines), and the
// canvas shows that arithmetic's guide lines.
TEST_F(GuidesTest, RandomDragsLandWhereTheGuideArithmeticPutsThem)
{
    const unsigned seed = TestSeed("random guided drags");
    SCOPED_TRACE("VELOMNI_SEED=" + std::to_string(seed));
    std::mt19937 random(seed);
    auto between = [&](int low, int high) { return low + int(random() % unsigned(high - low + 1)); };

    std::vector<TVoObject*> objects;
    for (int i = 0; i < 12; ++i)
        objects.push_back(Add(i % 2 ? okImage : okButton,
                              {between(40, 560), between(40, 300), between(12, 60), between(12, 50)}));
    for (int drag = 0; drag < 30; ++drag) {
        // A press on the middle of an object: the canvas picks it or moves
        // the selection it is in, as it does; a handle of another selected
        // object there would start a resize, which is left out.
        TVoObject* grabbed = objects[size_t(between(0, 11))];
        for (TVoObject* entry : objects) entry->Selected = entry == grabbed || between(0, 5) == 0;
        const QPoint at = Bounds(grabbed).center();
        Press(at);
        if (canvas->Interaction().Hit() != hcBody) {
            Release(at);
            continue;
        }
        std::vector<TVoObject*> moving;
        std::vector<QRect> before, others;
        for (TVoObject* entry : menu->ObjectList()) {
            if (entry->Selected) {
                moving.push_back(entry);
                before.push_back(Bounds(entry));
            } else {
                others.push_back(Bounds(entry));
            }
        }
        QRect box;
        for (const QRect& r : before) box = box.isNull() ? r : box.united(r);
        QPoint total;
        for (int move = 0; move < 6; ++move) {
            const QPoint next(between(-30, 30), between(-30, 30));
            // Far from the window's sides, so that no clamp comes in.
            if (!client.isValid() || box.left() + total.x() + next.x() < 20 ||
                box.right() + total.x() + next.x() > client.width() - 20 || box.top() + total.y() + next.y() < 20 ||
                box.bottom() + total.y() + next.y() > client.height() - 20)
                continue;
            total += next;
            MoveTo(at + total);
            const GuideSnap snap = SnapToGuides(box.translated(total), others, client);
            for (size_t i = 0; i < moving.size(); ++i)
                ASSERT_EQ(Bounds(moving[i]), before[i].translated(total + QPoint(snap.dx, snap.dy)))
                    << "drag " << drag << " move " << move;
            ASSERT_EQ(Guides(), snap.lines) << "drag " << drag << " move " << move;
        }
        Release(at + total);
        ASSERT_TRUE(Guides().empty());
    }
    EXPECT_EQ(GuidePixels(canvas->Picture()), 0);
}
