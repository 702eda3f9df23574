// SPDX-License-Identifier: GPL-2.0-or-later
// Gestures as undo steps, Esc during a gesture, and editing with the keys
// on the canvas picture.
#include "CanvasFixture.h"

#include "model/Kinds.h"

using Flags = std::vector<bool>;

TEST_F(CanvasTest, ADragIsOneStepHoweverManyMovesItHad)
{
    TVoObject* a = Add(okButton, {100, 100, 40, 40});
    TVoObject* b = Add(okImage, {300, 200, 50, 50});
    a->Selected = b->Selected = true;
    Press({120, 120});
    for (int step = 1; step <= 12; ++step) MoveTo({120 + 4 * step, 120 + 2 * step});
    Release({168, 144});
    EXPECT_EQ(Bounds(a).topLeft(), QPoint(148, 124));
    EXPECT_EQ(document->UndoStack().count(), 1);
    EXPECT_EQ(document->UndoText(), "Undo Move");

    document->Undo();
    EXPECT_EQ(Bounds(a), QRect(100, 100, 40, 40));
    EXPECT_EQ(Bounds(b), QRect(300, 200, 50, 50));
    EXPECT_FALSE(document->Modified());
    EXPECT_EQ(document->RedoText(), "Redo Move");
    document->Redo();
    EXPECT_EQ(Bounds(a).topLeft(), QPoint(148, 124));
    EXPECT_EQ(Bounds(b).topLeft(), QPoint(348, 224));

    // A handle makes a resize; a click without a move makes no step.
    Drag({139 + 48, 120 + 24}, {155 + 48, 120 + 24});
    EXPECT_EQ(document->UndoText(), "Undo Resize");
    Click({160, 140});
    EXPECT_EQ(document->UndoStack().count(), 2);
}

TEST_F(CanvasTest, EscDuringADragOrAResizePutsEveryBoundAndTheSelectionBack)
{
    TVoObject* a = Add(okButton, {100, 100, 40, 40});
    TVoObject* b = Add(okImage, {300, 200, 50, 50});
    TVoObject* c = Add(okImage, {500, 300, 30, 30});
    a->Selected = b->Selected = true;
    document->SetCurrentEntry(1);

    Press({120, 120});
    MoveTo({160, 150});
    Key(Qt::Key_Escape);
    EXPECT_EQ(canvas->Interaction().State(), DragState::Idle);
    EXPECT_EQ(Bounds(a), QRect(100, 100, 40, 40));
    EXPECT_EQ(Bounds(b), QRect(300, 200, 50, 50));
    // The release that follows changes nothing either.
    MoveTo({200, 180});
    Release({200, 180});
    EXPECT_EQ(Bounds(a), QRect(100, 100, 40, 40));
    EXPECT_EQ(document->UndoStack().count(), 0);
    EXPECT_FALSE(document->Modified());

    // A press on an unselected object picked it; Esc gives the old selection back.
    Press({510, 310});
    EXPECT_EQ(Selection(), (Flags{false, false, true}));
    MoveTo({540, 330});
    Key(Qt::Key_Escape);
    Release({540, 330});
    EXPECT_EQ(Selection(), (Flags{true, true, false}));
    EXPECT_EQ(Current(), 1);
    EXPECT_EQ(Bounds(c), QRect(500, 300, 30, 30));

    // A resize by a handle.
    Press({139, 139});
    MoveTo({190, 190});
    Key(Qt::Key_Escape);
    Release({190, 190});
    EXPECT_EQ(Bounds(a), QRect(100, 100, 40, 40));
    EXPECT_EQ(Bounds(b), QRect(300, 200, 50, 50));

    // A band: the selection stays as it was.
    Press({20, 20});
    MoveTo({600, 400});
    Key(Qt::Key_Escape);
    Release({600, 400});
    EXPECT_EQ(Selection(), (Flags{true, true, false}));
    EXPECT_FALSE(canvas->Interaction().Band().isValid());
    EXPECT_FALSE(document->Modified());
}

TEST_F(CanvasTest, ArrowsNudgeTheSelectionAndPressesInARowAreOneStep)
{
    TVoObject* a = Add(okButton, {13, 21, 40, 40});
    TVoObject* b = Add(okImage, {100, 100, 50, 50});
    a->Selected = b->Selected = true;
    document->SetCurrentEntry(1);
    Click({500, 400}, Qt::ControlModifier); // focus on the picture, selection kept
    ASSERT_EQ(Selection(), (Flags{true, true}));

    for (int i = 0; i < 10; ++i) Key(Qt::Key_Right);
    Key(Qt::Key_Up);
    EXPECT_EQ(Bounds(a).topLeft(), QPoint(23, 20));
    EXPECT_EQ(Bounds(b).topLeft(), QPoint(110, 99));
    EXPECT_EQ(document->UndoStack().count(), 1);
    EXPECT_EQ(document->UndoText(), "Undo Move");

    // Shift: to the next grid line of the current object; the others keep
    // their distance.
    Key(Qt::Key_Right, Qt::ShiftModifier);
    EXPECT_EQ(Bounds(a).topLeft(), QPoint(24, 20));
    EXPECT_EQ(Bounds(b).topLeft(), QPoint(111, 99));
    Key(Qt::Key_Down, Qt::ShiftModifier);
    EXPECT_EQ(Bounds(a).topLeft(), QPoint(24, 24));
    Key(Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(Bounds(a).topLeft(), QPoint(16, 24));
    // Without snapping, one whole step.
    SetSnap(false);
    Key(Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(Bounds(a).topLeft(), QPoint(8, 24));

    document->Undo();
    EXPECT_EQ(Bounds(a).topLeft(), QPoint(13, 21));
    EXPECT_EQ(Bounds(b).topLeft(), QPoint(100, 100));

    // Another selection starts a step of its own.
    document->Redo();
    a->Selected = false;
    Key(Qt::Key_Down);
    EXPECT_EQ(document->UndoStack().count(), 2);
}

TEST_F(CanvasTest, TabPicksTheNextObjectCtrlAAllAndDeleteAsksForTheDelete)
{
    Add(okButton, {100, 100, 40, 40});
    Add(okImage, {200, 100, 40, 40});
    Add(okText, {300, 100, 40, 40});
    Click({500, 400});
    EXPECT_EQ(Current(), 0);

    Key(Qt::Key_Tab);
    EXPECT_EQ(Current(), 1);
    EXPECT_EQ(Selection(), (Flags{true, false, false}));
    Key(Qt::Key_Tab);
    Key(Qt::Key_Tab);
    EXPECT_EQ(Current(), 3);
    Key(Qt::Key_Tab);
    EXPECT_EQ(Current(), 1);
    Key(Qt::Key_Tab, Qt::ShiftModifier);
    EXPECT_EQ(Current(), 3);
    EXPECT_EQ(Selection(), (Flags{false, false, true}));

    Key(Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(Selection(), (Flags{true, true, true}));
    EXPECT_EQ(Current(), 3);

    Key(Qt::Key_Delete);
    EXPECT_EQ(host.commands, QList<EditCommand>{EditCommand::Delete});
    EXPECT_FALSE(document->Modified());
}
