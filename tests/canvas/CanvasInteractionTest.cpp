// SPDX-License-Identifier: GPL-2.0-or-later
// Mouse gestures on the canvas picture: selecting, moving, resizing,
// banding and placing objects, with real mouse events.
#include "CanvasFixture.h"

#include "model/Kinds.h"

#include <QMenu>

using Flags = std::vector<bool>;

TEST_F(CanvasTest, APressOnASelectedObjectAboveAnUnselectedOneMovesTheWholeSelection)
{
    TVoObject* below = Add(okButton, {100, 100, 80, 40});
    TVoObject* above = Add(okButton, {120, 110, 80, 40});
    TVoObject* other = Add(okImage, {300, 200, 50, 50});
    above->Selected = other->Selected = true;

    Press({130, 120});
    EXPECT_EQ(canvas->Interaction().State(), DragState::Transform);
    EXPECT_EQ(canvas->Interaction().Hit(), hcBody);
    // Alt: the selection's left would otherwise snap to below's centre.
    MoveTo({146, 128}, Qt::AltModifier);
    Release({146, 128});
    EXPECT_EQ(Bounds(below), QRect(100, 100, 80, 40));
    EXPECT_EQ(Bounds(above), QRect(136, 118, 80, 40));
    EXPECT_EQ(Bounds(other), QRect(316, 208, 50, 50));
    EXPECT_EQ(Selection(), (Flags{false, true, true}));
    EXPECT_TRUE(document->Modified());
    // The project was current: the topmost selected object takes its place.
    EXPECT_EQ(Current(), 3);
    EXPECT_EQ(canvas->Interaction().State(), DragState::Idle);
}

TEST_F(CanvasTest, APressOnAnUnselectedObjectAboveASelectedOnePicksItAlone)
{
    TVoObject* below = Add(okButton, {100, 100, 80, 40});
    Add(okButton, {120, 110, 80, 40});
    Add(okText, {300, 200, 50, 50})->Selected = true;
    below->Selected = true;
    document->SetCurrentEntry(1);

    Press({130, 120});
    EXPECT_EQ(Selection(), (Flags{false, true, false}));
    EXPECT_EQ(canvas->Interaction().State(), DragState::Transform);
    Release({130, 120});
    EXPECT_EQ(Selection(), (Flags{false, true, false}));
    // The current object was deselected: the picked one becomes current.
    EXPECT_EQ(Current(), 2);
    EXPECT_FALSE(document->Modified());
}

TEST_F(CanvasTest, DraggingAHandleResizesEverySelectedObjectByTheSameAmounts)
{
    TVoObject* a = Add(okButton, {100, 100, 80, 40});
    TVoObject* b = Add(okImage, {300, 200, 60, 60});
    a->Selected = b->Selected = true;

    MoveTo({179, 139});
    EXPECT_EQ(Picture()->cursor().shape(), Qt::SizeFDiagCursor);
    MoveTo({300, 230});
    EXPECT_EQ(Picture()->cursor().shape(), Qt::SizeHorCursor);
    MoveTo({20, 20});
    EXPECT_EQ(Picture()->cursor().shape(), Qt::ArrowCursor);

    Press({179, 139});
    EXPECT_EQ(canvas->Interaction().Hit(), hcBottomRight);
    MoveTo({195, 163});
    Release({195, 163});
    EXPECT_EQ(Bounds(a), QRect(100, 100, 96, 64));
    EXPECT_EQ(Bounds(b), QRect(300, 200, 76, 84));
}

TEST_F(CanvasTest, ASnappedDragWaitsForAWholeStepAndCarriesTheRest)
{
    TVoObject* a = Add(okButton, {100, 100, 40, 40});
    a->Selected = true;
    Press({120, 120});
    MoveTo({125, 120});
    EXPECT_EQ(Bounds(a).topLeft(), QPoint(100, 100));
    MoveTo({129, 120});
    EXPECT_EQ(Bounds(a).topLeft(), QPoint(108, 100));
    MoveTo({136, 124});
    EXPECT_EQ(Bounds(a).topLeft(), QPoint(116, 100));
    // The edit is made once, when the drag ends.
    EXPECT_FALSE(document->Modified());
    Release({136, 124});
    EXPECT_TRUE(document->Modified());

    // Without snapping every pixel counts.
    SetSnap(false);
    Drag({130, 110}, {133, 111});
    EXPECT_EQ(Bounds(a).topLeft(), QPoint(119, 101));
}

TEST_F(CanvasTest, ShrinkingLeavesOneGridStepAndAFarDragLeavesOneStepInside)
{
    TVoObject* a = Add(okButton, {100, 100, 40, 40});
    a->Selected = true;
    Drag({139, 120}, {39, 120}); // the right handle, far past the left edge
    EXPECT_EQ(Bounds(a), QRect(100, 100, 8, 40));

    Drag({104, 110}, {-400, -400});
    EXPECT_EQ(Bounds(a).topLeft(), QPoint(8 - 8, 8 - 40));
    const QSize client = menu->ScrollBox1()->size();
    Drag({4, 0}, {4 + 2000, 2000});
    EXPECT_EQ(Bounds(a).topLeft(), QPoint(client.width() - 8, client.height() - 8));
}

TEST_F(CanvasTest, CtrlClickTogglesOneObjectAndKeepsTheOthers)
{
    TVoObject* a = Add(okButton, {100, 100, 80, 40});
    TVoObject* b = Add(okButton, {300, 100, 80, 40});
    a->Selected = b->Selected = true;
    Click({140, 120}, Qt::ControlModifier);
    EXPECT_EQ(Selection(), (Flags{false, true}));
    EXPECT_EQ(Bounds(a), QRect(100, 100, 80, 40));
    Click({140, 120}, Qt::ControlModifier);
    EXPECT_EQ(Selection(), (Flags{true, true}));
    // A plain click on empty space deselects everything.
    Click({20, 300});
    EXPECT_EQ(Selection(), (Flags{false, false}));
}

TEST_F(CanvasTest, ABandSelectsWhatItTouchesAndCtrlTogglesIt)
{
    TVoObject* a = Add(okButton, {100, 100, 80, 40});
    Add(okText, {200, 100, 80, 40}); // the second of the three flags
    TVoObject* c = Add(okImage, {400, 300, 40, 40});
    a->Selected = c->Selected = true;
    document->SetCurrentEntry(3);

    Drag({90, 90}, {210, 150}, Qt::ControlModifier);
    EXPECT_EQ(Selection(), (Flags{false, true, false}));
    EXPECT_EQ(Current(), 2);

    Drag({20, 20}, {250, 110});
    EXPECT_EQ(Selection(), (Flags{true, true, false}));

    // A band over nothing deselects everything; the project becomes current.
    Drag({20, 300}, {60, 330});
    EXPECT_EQ(Selection(), (Flags{false, false, false}));
    EXPECT_EQ(Current(), 0);
    EXPECT_FALSE(document->Modified());
}

TEST_F(CanvasTest, TheBandIsDrawnOverThePictureAndGoneAfterTheRelease)
{
    const QImage clean = canvas->Picture().copy();
    Press({20, 20});
    MoveTo({120, 80});
    EXPECT_EQ(canvas->Interaction().Band(), QRect(QPoint(20, 20), QPoint(120, 80)));
    int changed = 0;
    for (int x = 20; x <= 120; ++x)
        if (canvas->Picture().pixel(x, 20) != clean.pixel(x, 20)) ++changed;
    EXPECT_EQ(changed, 51); // every other pixel along the edge
    EXPECT_EQ(canvas->Picture().pixel(60, 50), clean.pixel(60, 50));
    MoveTo({60, 40});
    EXPECT_EQ(canvas->Picture().pixel(120, 80), clean.pixel(120, 80)); // the old band is gone
    Release({60, 40});
    EXPECT_EQ(canvas->Picture(), clean);
}

TEST_F(CanvasTest, PlacingANewObjectSnapsItAndItsReleaseChangesNoSelection)
{
    TVoObject* text = Add(okTextBox, {300, 300, 100, 60});
    text->Selected = true;
    host.addTool = okButton;
    Press({13, 21});
    ASSERT_EQ(menu->ObjectList().size(), 2u);
    // Sorted: the button paints below the text box.
    TVoObject* placed = menu->ObjectList()[0];
    EXPECT_EQ(placed->ObjectType, okButton);
    EXPECT_EQ(Bounds(placed).topLeft(), QPoint(16, 24));
    EXPECT_EQ(placed->Name, "Button1");
    EXPECT_EQ(Selection(), (Flags{true, false}));
    EXPECT_EQ(host.addTool, -1);
    EXPECT_EQ(Current(), 1);
    EXPECT_TRUE(document->Modified());
    EXPECT_TRUE(canvas->Interaction().SkipNextRelease());

    Release({13, 21});
    EXPECT_FALSE(canvas->Interaction().SkipNextRelease());
    EXPECT_EQ(Selection(), (Flags{true, false}));
    EXPECT_EQ(Bounds(placed).topLeft(), QPoint(16, 24));

    // Without snapping the object lands at the point itself.
    SetSnap(false);
    host.addTool = okImage;
    Click({13, 21});
    EXPECT_EQ(Bounds(menu->ObjectList()[1]).topLeft(), QPoint(13, 21));
}

TEST_F(CanvasTest, OnlyTheLeftButtonPlacesObjects)
{
    Add(okButton, {100, 100, 80, 40});
    host.addTool = okImage;
    Press({120, 120}, {}, Qt::RightButton);
    EXPECT_EQ(menu->ObjectList().size(), 1u);
    EXPECT_EQ(Selection(), Flags{true});
    EXPECT_EQ(host.addTool, okImage);
    Release({120, 120}, {}, Qt::RightButton);
    canvas->PopupMenu1()->hide();
}

TEST_F(CanvasTest, APressTheGridRefusesDoesNothing)
{
    TVoObject* a = Add(okButton, {100, 100, 80, 40});
    host.commitSucceeds = false;
    host.addTool = okImage;
    Drag({120, 120}, {200, 200});
    EXPECT_EQ(menu->ObjectList().size(), 1u);
    EXPECT_FALSE(a->Selected);
    EXPECT_EQ(Bounds(a), QRect(100, 100, 80, 40));
    EXPECT_FALSE(document->Modified());
}

TEST_F(CanvasTest, ARightClickSelectsAndOpensThePopupWithTheEditMenusStates)
{
    Add(okButton, {100, 100, 80, 40});
    Add(okButton, {300, 100, 80, 40})->Selected = true;
    Press({120, 120}, {}, Qt::RightButton);
    EXPECT_EQ(Selection(), (Flags{true, false}));
    Release({120, 120}, {}, Qt::RightButton);
    EXPECT_EQ(Current(), 1);
    QMenu* popup = canvas->PopupMenu1();
    ASSERT_TRUE(popup->isVisible());
    EXPECT_EQ(host.menuUpdates, 1);
    EXPECT_FALSE(canvas->PopupItem(EditCommand::Paste)->isEnabled());
    EXPECT_TRUE(canvas->PopupItem(EditCommand::Copy)->isEnabled());
    canvas->PopupItem(EditCommand::AlignCenter)->trigger();
    canvas->PopupItem(EditCommand::AlignMiddle)->trigger();
    EXPECT_EQ(host.commands, (QList<EditCommand>{EditCommand::AlignCenter, EditCommand::AlignMiddle}));
    popup->hide();

    QStringList captions;
    for (QAction* action : popup->actions())
        captions << (action->isSeparator() ? QStringLiteral("-") : action->text());
    EXPECT_EQ(captions, (QStringList{"Undo", "Redo", "-", "Cut", "Copy", "Paste", "Duplicate", "Delete", "-", "Align", "-",
                                     "Bring to Front", "Send to Back"}));
    EXPECT_EQ(canvas->PopupItem(EditCommand::Delete)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Delete));
}
