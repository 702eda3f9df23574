// SPDX-License-Identifier: GPL-2.0-or-later
// Undo and redo in the studio, through the real canvas, property grid,
// action list and Edit menu: every kind of edit undone gives the data file
// saved before it, and redone the one saved after it; a long random
// sequence of edits goes back to the start and forth to the end.
#include "StudioGestures.h"

#include "model/Kinds.h"
#include "model/ProcessState.h"
#include "studio/ObjectSelector.h"
#include "support/ProcessStateGuard.h"
#include "support/RecordingMessageBoxes.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QLabel>
#include <QStatusBar>

#include <cstdio>
#include <functional>
#include <random>

namespace {

class UndoTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        IsStudio = true;
        ExeFolder = exe.Path();
        ProjectFolder = project.Path();
        {
            TVelomniForm menu;
            const int kinds[] = {okButton, okImage, okText, okTextBox, okButton};
            for (int i = 0; i < 5; ++i) menu.AddObject(kinds[i], 20 + 110 * i, 40 + 50 * i);
            for (TVoObject* entry : menu.ObjectList()) entry->Selected = false;
            menu.SortObjectList();
            ASSERT_TRUE(SaveProject(menu, project.File("velomni.vpj")));
        }
        form = std::make_unique<TMainForm>(std::make_unique<TVelomniForm>());
        form->show();
        form->OpenProjectFolder(project.Path());
        gestures = std::make_unique<StudioGestures>(*form, dialogs);
    }
    void TearDown() override
    {
        gestures.reset();
        form.reset();
    }

    TDesignDocument& Document() { return form->Document(); }
    QAction* Item(EditCommand command) { return ActionOf(form->EditItems, command); }

    ProcessStateGuard state;
    TempDir exe, project;
    RecordingMessageBoxes boxes;
    ScriptedDialogs dialogs;
    std::unique_ptr<TMainForm> form;
    std::unique_ptr<StudioGestures> gestures;
};

struct EditCase {
    const char* step; // what the Edit menu's Undo item names
    std::function<void(StudioGestures&, TMainForm&)> edit;
};

} // namespace

TEST_F(UndoTest, EachKindOfEditUndoneAndRedoneGivesTheBytesSavedBeforeAndAfterIt)
{
    const EditCase cases[] = {
        {"Move", [](StudioGestures& g, TMainForm&) { g.DragObject(1, {40, 24}); }},
        {"Resize", [](StudioGestures& g, TMainForm&) { g.ResizeObject(2, 24); }},
        {"Move", [](StudioGestures& g, TMainForm&) {
             g.ClickObject(0);
             for (int i = 0; i < 3; ++i) g.Key(Qt::Key_Down);
             g.Key(Qt::Key_Right, Qt::ShiftModifier);
         }},
        {"Caption", [](StudioGestures& g, TMainForm& f) {
             f.SetCurrentEntry(1);
             g.Type("Caption", "Hello");
         }},
        {"Name", [](StudioGestures& g, TMainForm& f) {
             f.SetCurrentEntry(3);
             g.Type("Name", "Title");
         }},
        {"Width", [](StudioGestures& g, TMainForm& f) {
             f.SetCurrentEntry(2);
             g.Type("Width", "123");
         }},
        {"ButtonStyle", [](StudioGestures& g, TMainForm& f) {
             f.SetCurrentEntry(1);
             g.Choose("ButtonStyle", "ThemesFlat");
         }},
        {"NormalFont", [](StudioGestures& g, TMainForm& f) {
             f.SetCurrentEntry(1);
             g.ChooseFont("NormalFont", QFont("DejaVu Serif", 15));
         }},
        {"FormCaption", [](StudioGestures& g, TMainForm& f) {
             f.SetCurrentEntry(0);
             g.Type("FormCaption", "Welcome");
         }},
        {"Add Image", [](StudioGestures& g, TMainForm&) { g.PlaceObject(okImage, {300, 150}); }},
        {"Delete", [](StudioGestures& g, TMainForm&) {
             g.ClickObject(3);
             g.Key(Qt::Key_Delete);
         }},
        {"Paste", [](StudioGestures& g, TMainForm& f) {
             g.ClickObject(0);
             f.Copy1Click();
             f.Paste1Click();
         }},
        {"Cut", [](StudioGestures& g, TMainForm& f) {
             g.ClickObject(2);
             f.Cut1Click();
         }},
        {"Bring to Front", [](StudioGestures&, TMainForm& f) {
             f.SetCurrentEntry(1);
             f.BringtoFront1Click();
         }},
        {"Send to Back", [](StudioGestures&, TMainForm& f) {
             f.SetCurrentEntry(3);
             f.SendtoBack1Click();
         }},
        {"Align", [](StudioGestures& g, TMainForm& f) {
             g.ClickObject(0);
             g.ClickObject(2, Qt::ControlModifier);
             f.AlignLeft1Click();
         }},
        {"Add Action", [](StudioGestures& g, TMainForm& f) {
             f.SetCurrentEntry(0);
             g.AddAction(akSendEmail, "info@example.org");
         }},
        {"Delete Action", [](StudioGestures& g, TMainForm& f) {
             f.SetCurrentEntry(0);
             g.DeleteAction(0);
         }},
        {"Size", [](StudioGestures& g, TMainForm&) { g.DragFrameBy({32, 16}); }},
    };
    for (const EditCase& edit : cases) {
        SCOPED_TRACE(edit.step);
        const QByteArray before = gestures->Bytes();
        const int steps = Document().UndoStack().count();
        edit.edit(*gestures, *form);
        const QByteArray after = gestures->Bytes();
        ASSERT_NE(after, before);
        EXPECT_EQ(Document().UndoStack().count(), steps + 1);
        form->Edit1Click();
        EXPECT_EQ(Item(EditCommand::Undo)->text(), QStringLiteral("Undo ") + edit.step);

        form->Undo1Click();
        EXPECT_EQ(gestures->Bytes(), before);
        EXPECT_EQ(Item(EditCommand::Redo)->text(), QStringLiteral("Redo ") + edit.step);
        form->Redo1Click();
        EXPECT_EQ(gestures->Bytes(), after);
    }
}

TEST_F(UndoTest, ARandomSequenceOfEditsUndoneToTheStartAndRedoneToTheEnd)
{
    const QByteArray seedText = qgetenv("VELOMNI_SEED");
    const unsigned seed = seedText.isEmpty() ? std::random_device{}() : seedText.toUInt();
    std::printf("random edits with VELOMNI_SEED=%u\n", seed);
    SCOPED_TRACE("VELOMNI_SEED=" + std::to_string(seed));
    std::mt19937 random(seed);
    auto below = [&](int n) { return int(random() % unsigned(n)); };
    auto anyObject = [&] { return below(int(gestures->Objects().size())); };

    const QByteArray start = gestures->Bytes();
    const QStringList names = {"Play", "Intro", "Extras", "Exit", "Help"};
    int edits = 0;
    for (int attempt = 0; edits < 220 && attempt < 2000; ++attempt) {
        const int steps = Document().UndoStack().count();
        const bool merging = Document().UndoStack().canUndo();
        if (gestures->Objects().size() < 3) gestures->PlaceObject(below(5), {20 + below(500), 20 + below(300)});
        else switch (below(13)) {
        case 0: gestures->DragObject(anyObject(), {8 * (below(9) - 4), 8 * (below(7) - 3)}); break;
        case 1: gestures->ResizeObject(anyObject(), 8 * (below(5) - 2)); break;
        case 2:
            if (!gestures->ClickObject(anyObject())) break;
            gestures->Key(below(2) ? Qt::Key_Left : Qt::Key_Down, below(2) ? Qt::ShiftModifier : Qt::NoModifier);
            break;
        case 3:
            form->SetCurrentEntry(1 + anyObject());
            gestures->Type("Name", names[below(names.size())] + QString::number(below(10)));
            break;
        case 4: {
            form->SetCurrentEntry(1 + anyObject());
            const QStringList cursors = gestures->PickList("Cursor");
            if (!cursors.isEmpty()) gestures->Choose("Cursor", cursors[below(cursors.size())]);
            break;
        }
        case 5:
            form->SetCurrentEntry(1 + anyObject());
            gestures->Type(below(2) ? "Top" : "Height", QString::number(10 + below(200)));
            break;
        case 6: gestures->PlaceObject(below(5), {20 + below(500), 20 + below(300)}); break;
        case 7:
            if (gestures->ClickObject(anyObject())) gestures->Key(Qt::Key_Delete);
            break;
        case 8:
            if (!gestures->ClickObject(anyObject())) break;
            form->Copy1Click();
            form->Paste1Click();
            break;
        case 9:
            form->SetCurrentEntry(1 + anyObject());
            below(2) ? form->BringtoFront1Click() : form->SendtoBack1Click();
            break;
        case 10:
            form->SetCurrentEntry(below(2) ? 0 : 1 + anyObject());
            if (below(2) || form->ListView1->topLevelItemCount() == 0)
                gestures->AddAction(akVisitWebsite, "www.example.org/" + QString::number(below(100)));
            else
                gestures->DeleteAction(below(form->ListView1->topLevelItemCount()));
            break;
        case 11:
            form->SetCurrentEntry(0);
            gestures->Type("ApplicationTitle", names[below(names.size())]);
            break;
        case 12: gestures->DragFrameBy({8 * (below(5) - 2), 8 * (below(5) - 2)}); break;
        }
        if (Document().UndoStack().count() > steps || (merging && Document().Modified())) ++edits;
    }
    ASSERT_GE(edits, 200);
    const QByteArray end = gestures->Bytes();
    const int steps = Document().UndoStack().count();

    for (int i = 0; i < steps; ++i) form->Undo1Click();
    EXPECT_EQ(gestures->Bytes(), start);
    EXPECT_FALSE(Document().Modified());
    for (int i = 0; i < steps; ++i) form->Redo1Click();
    EXPECT_EQ(gestures->Bytes(), end);
}

TEST_F(UndoTest, TheEditMenuNamesTheStepAndTheTitleAndStatusBarFollowTheSaves)
{
    form->Edit1Click();
    EXPECT_EQ(Item(EditCommand::Undo)->text(), "Undo");
    EXPECT_FALSE(Item(EditCommand::Undo)->isEnabled());
    EXPECT_FALSE(Item(EditCommand::Redo)->isEnabled());
    EXPECT_EQ(Item(EditCommand::Undo)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_Z));
    EXPECT_EQ(Item(EditCommand::Redo)->shortcuts(),
              (QList<QKeySequence>{QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)}));
    const QString folder = QDir(project.Path()).dirName();
    EXPECT_EQ(form->windowTitle(), folder + "[*] - Velomni Studio");
    EXPECT_FALSE(form->isWindowModified());

    // Typing in one row is one step; the grid shows the old value again
    // after the undo.
    form->SetCurrentEntry(1);
    const QString caption = form->ValueEdit->Value(gestures->RowOf("Caption"));
    gestures->Type("Caption", "Hello");
    EXPECT_EQ(Document().UndoStack().count(), 1);
    EXPECT_TRUE(Item(EditCommand::Undo)->isEnabled());
    EXPECT_EQ(Item(EditCommand::Undo)->text(), "Undo Caption");
    EXPECT_TRUE(form->isWindowModified());
    form->Undo1Click();
    EXPECT_EQ(form->ValueEdit->Value(gestures->RowOf("Caption")), caption);
    EXPECT_FALSE(form->isWindowModified());
    EXPECT_TRUE(Item(EditCommand::Redo)->isEnabled());
    form->Redo1Click();
    EXPECT_EQ(form->ValueEdit->Value(gestures->RowOf("Caption")), "Hello");

    // Saved: clean, and said so; undo after the save is a change again.
    form->SetPlayerSource(VERSION_FIXTURE);
    form->Save1Click();
    EXPECT_FALSE(form->isWindowModified());
    EXPECT_EQ(form->StatusBar1->currentMessage(), "Project saved and built.");
    form->Undo1Click();
    EXPECT_TRUE(Document().Modified());
    EXPECT_TRUE(form->isWindowModified());

    // An opened project starts without steps.
    boxes.Script({MsgAnswer::No});
    form->OpenProjectFolder(project.Path());
    EXPECT_FALSE(Document().UndoStack().canUndo());
    EXPECT_FALSE(Document().UndoStack().canRedo());
    EXPECT_FALSE(Document().Modified());
}

TEST_F(UndoTest, UndoWaitsWhileADragIsUnderWay)
{
    const QByteArray start = gestures->Bytes();
    gestures->DragObject(0, {16, 0});
    const auto at = gestures->PointOn(1);
    ASSERT_TRUE(at);
    QTest::mousePress(gestures->Picture(), Qt::LeftButton, {}, *at);
    QTest::mouseMove(gestures->Picture(), *at + QPoint(24, 8));
    form->Undo1Click();
    EXPECT_EQ(Document().UndoStack().index(), 1);
    QTest::mouseRelease(gestures->Picture(), Qt::LeftButton, {}, *at + QPoint(24, 8));
    EXPECT_EQ(Document().UndoStack().count(), 2);
    form->Undo1Click();
    form->Undo1Click();
    EXPECT_EQ(gestures->Bytes(), start);
}
