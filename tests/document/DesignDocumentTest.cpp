// SPDX-License-Identifier: GPL-2.0-or-later
// The design document: the rules tying the current entry to the
// selection, the modified flag as the undo stack's clean state, and
// objects removed and brought back as the very same objects.
#include "controls/ControlFactory.h"
#include "document/DesignDocument.h"
#include "model/Kinds.h"
#include "player/VelomniForm.h"
#include "support/ProcessStateGuard.h"

#include <gtest/gtest.h>

#include <QPointer>
#include <QSignalSpy>

namespace {

using Flags = std::vector<bool>;

class DocumentTest : public testing::Test {
protected:
    DocumentTest() { IsStudio = true; }

    TVoObject* Add(int kind)
    {
        TVoObject* entry = menu->AddObject(kind, 10, 10);
        entry->Selected = false;
        return entry;
    }
    TObjectList& Objects() { return menu->ObjectList(); }
    bool Shown(TVoObject* entry) { return ControlWidget(entry->Control.get())->isVisibleTo(menu->ScrollBox1()); }

    ProcessStateGuard state;
    QWidget holder;
    TVelomniForm* menu = new TVelomniForm(&holder);
    TDesignDocument document{*menu};
};

} // namespace

TEST_F(DocumentTest, TheCurrentEntryFollowsTheSelection)
{
    TVoObject* a = Add(okButton);
    TVoObject* b = Add(okButton);
    QSignalSpy changes(&document, &TDesignDocument::changed);

    // A current object that stays selected stays current.
    a->Selected = b->Selected = true;
    document.SetCurrentEntry(1);
    document.FollowSelection();
    EXPECT_EQ(document.CurrentEntry(), 1);
    // No current entry stays so while objects are selected.
    document.SetCurrentEntry(-1);
    document.FollowSelection();
    EXPECT_EQ(document.CurrentEntry(), -1);
    // A lost current object gives way to the topmost selected one.
    a->Selected = false;
    document.SetCurrentEntry(1);
    document.FollowSelection();
    EXPECT_EQ(document.CurrentEntry(), 2);
    // Nothing selected: the project.
    b->Selected = false;
    document.FollowSelection();
    EXPECT_EQ(document.CurrentEntry(), 0);
    for (const QList<QVariant>& change : changes) EXPECT_TRUE(change[0].toUInt() & EntryChange);
}

TEST_F(DocumentTest, TheSelectorsRuleCountsTheSelectedObjects)
{
    Add(okButton);
    TVoObject* b = Add(okImage);
    TVoObject* c = Add(okText);
    document.EntryFromSelection();
    EXPECT_EQ(document.CurrentEntry(), 0);
    b->Selected = true;
    document.EntryFromSelection();
    EXPECT_EQ(document.CurrentEntry(), 2);
    // Several: no entry, and the selection follows it.
    c->Selected = true;
    document.EntryFromSelection();
    EXPECT_EQ(document.CurrentEntry(), -1);
    EXPECT_EQ(document.Selection(), (Flags{false, false, false}));
    // Picking an entry selects its object alone.
    document.PickEntry(3);
    EXPECT_EQ(document.Selection(), (Flags{false, false, true}));
    document.PickEntry(0);
    EXPECT_EQ(document.Selection(), (Flags{false, false, false}));
}

TEST_F(DocumentTest, ModifiedIsTheStackAwayFromTheSavedState)
{
    TVoObject* a = Add(okButton);
    QSignalSpy modified(&document, &TDesignDocument::modifiedChanged);
    EXPECT_FALSE(document.Modified());
    EXPECT_EQ(document.UndoText(), "Undo");
    EXPECT_EQ(document.RedoText(), "Redo");

    const QRect bounds = a->Control->Bounds();
    document.SetBounds("Move", {a}, {bounds}, {bounds.translated(5, 0)});
    EXPECT_TRUE(document.Modified());
    EXPECT_EQ(document.UndoText(), "Undo Move");
    document.Undo();
    EXPECT_FALSE(document.Modified());
    EXPECT_EQ(document.RedoText(), "Redo Move");
    document.Redo();
    document.MarkSaved();
    EXPECT_FALSE(document.Modified());
    // Undo after a save makes the project modified again.
    document.Undo();
    EXPECT_TRUE(document.Modified());
    EXPECT_EQ(a->Control->Bounds(), bounds);
    EXPECT_GE(modified.count(), 4);
    EXPECT_TRUE(modified.last()[0].toBool());

    // A new project: no steps, and unsaved until it is saved.
    document.Restart(true);
    EXPECT_TRUE(document.Modified());
    EXPECT_FALSE(document.UndoStack().canUndo());
    EXPECT_FALSE(document.UndoStack().canRedo());
    document.MarkSaved();
    EXPECT_FALSE(document.Modified());
    // An edit that changes nothing makes no step.
    document.SetBounds("Move", {a}, {bounds}, {bounds});
    EXPECT_FALSE(document.Modified());
}

TEST_F(DocumentTest, ARemovedObjectComesBackAsTheVeryObjectAndAnUndoneOneIsFreedWithItsStep)
{
    TVoObject* a = Add(okButton);
    TVoObject* b = Add(okImage);
    TVoObject* c = Add(okText);
    b->Selected = c->Selected = true;
    document.SetCurrentEntry(2);
    document.RemoveSelected("Delete");
    EXPECT_EQ(Objects(), (TObjectList{a}));
    EXPECT_EQ(document.CurrentEntry(), 0);
    EXPECT_FALSE(Shown(b));

    document.Undo();
    EXPECT_EQ(Objects(), (TObjectList{a, b, c}));
    EXPECT_TRUE(Shown(b));
    EXPECT_TRUE(Shown(c));
    EXPECT_EQ(document.Selection(), (Flags{false, true, true}));
    EXPECT_EQ(document.CurrentEntry(), 2);

    // An added object that was undone goes with its step when a new edit
    // drops it; the removed ones are freed with theirs.
    TVoObject* added = document.AddObject(okImage, QPoint(40, 40));
    ASSERT_NE(added, nullptr);
    EXPECT_EQ(document.UndoText(), "Undo Add Image");
    EXPECT_EQ(document.CurrentEntry(), 4);
    QPointer<QWidget> addedControl(ControlWidget(added->Control.get()));
    document.Undo();
    EXPECT_EQ(Objects(), (TObjectList{a, b, c}));
    ASSERT_FALSE(addedControl.isNull());
    document.SetCurrentEntry(1);
    EXPECT_TRUE(document.MoveCurrentToFront());
    EXPECT_TRUE(addedControl.isNull());
    EXPECT_EQ(Objects(), (TObjectList{b, c, a}));
    EXPECT_EQ(document.UndoText(), "Undo Bring to Front");
    document.Undo();
    EXPECT_EQ(Objects(), (TObjectList{a, b, c}));

    QPointer<QWidget> removedControl(ControlWidget(b->Control.get()));
    document.PickEntry(2);
    document.RemoveSelected("Cut");
    document.UndoStack().clear();
    EXPECT_TRUE(removedControl.isNull());
    EXPECT_EQ(Objects(), (TObjectList{a, c}));
}

TEST_F(DocumentTest, ActionsAddedDeletedAndEditedAreUndoneInPlace)
{
    TVoActions& actions = menu->StartActions();
    document.AddAction(actions, std::make_unique<TVoAction>(TVoAction{1, "\\a.wav"}));
    document.AddAction(actions, std::make_unique<TVoAction>(TVoAction{2, "\\b.txt"}));
    const TVoAction* first = actions[0].get();
    document.EditAction(actions, 0, TVoAction{3, "\\c.exe"});
    EXPECT_EQ(actions[0]->Parameter, "\\c.exe");
    document.DeleteAction(actions, 0);
    ASSERT_EQ(actions.size(), 1u);
    EXPECT_EQ(document.UndoText(), "Undo Delete Action");

    document.Undo();
    document.Undo();
    ASSERT_EQ(actions.size(), 2u);
    EXPECT_EQ(actions[0].get(), first);
    EXPECT_EQ(actions[0]->ActionType, 1);
    EXPECT_EQ(actions[0]->Parameter, "\\a.wav");
    document.Undo();
    document.Undo();
    EXPECT_TRUE(actions.empty());
    while (document.UndoStack().canRedo()) document.Redo();
    ASSERT_EQ(actions.size(), 1u);
    EXPECT_EQ(actions[0]->Parameter, "\\b.txt");
}

TEST_F(DocumentTest, AnActionMovedUpOrDownIsOneStepAndStopsAtTheEnds)
{
    TVoActions& actions = menu->StartActions();
    for (const char* parameter : {"\\a.wav", "\\b.txt", "\\c.exe"})
        actions.push_back(std::make_unique<TVoAction>(TVoAction{1, parameter}));
    const std::vector<const TVoAction*> start = {actions[0].get(), actions[1].get(), actions[2].get()};
    auto order = [&] {
        QStringList parameters;
        for (const auto& action : actions) parameters << action->Parameter;
        return parameters.join(' ');
    };

    EXPECT_FALSE(document.MoveAction(actions, 0, true));
    EXPECT_FALSE(document.MoveAction(actions, 2, false));
    EXPECT_FALSE(document.MoveAction(actions, 3, true));
    EXPECT_FALSE(document.MoveAction(actions, -1, false));
    EXPECT_EQ(document.UndoStack().count(), 0);

    EXPECT_TRUE(document.MoveAction(actions, 2, true));
    EXPECT_EQ(order(), "\\a.wav \\c.exe \\b.txt");
    EXPECT_EQ(document.UndoText(), "Undo Move Action Up");
    EXPECT_TRUE(document.MoveAction(actions, 0, false));
    EXPECT_EQ(order(), "\\c.exe \\a.wav \\b.txt");
    EXPECT_EQ(document.UndoText(), "Undo Move Action Down");
    EXPECT_EQ(actions[0].get(), start[2]); // the very actions, not copies
    EXPECT_EQ(document.UndoStack().count(), 2);

    document.Undo();
    EXPECT_EQ(order(), "\\a.wav \\c.exe \\b.txt");
    document.Undo();
    for (size_t i = 0; i < start.size(); ++i) EXPECT_EQ(actions[i].get(), start[i]) << i;
    document.Redo();
    document.Redo();
    EXPECT_EQ(order(), "\\c.exe \\a.wav \\b.txt");
}
