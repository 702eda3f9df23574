// SPDX-License-Identifier: GPL-2.0-or-later
// The Edit menu in the studio: the clipboard, deleting, the painting order
// and the arrangement commands, with their enabling and their effects.
#include "canvas/EditForm.h"
#include "inspector/PropertyGrid.h"
#include "model/Kinds.h"
#include "model/ObjectClipboard.h"
#include "model/ProjectFile.h"
#include "model/VoStream.h"
#include "player/VelomniForm.h"
#include "document/DesignDocument.h"
#include "studio/MainForm.h"
#include "studio/ObjectSelector.h"
#include "support/ProcessStateGuard.h"
#include "support/RecordingMessageBoxes.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QMenu>
#include <QMimeData>
#include <QTableWidget>
#include <QTest>
#include <QToolButton>

namespace {

class EditCommandsTest : public testing::Test {
protected:
    EditCommandsTest()
    {
        IsStudio = true;
        ExeFolder = exe.Path();
        ProjectFolder = project.Path();
        QGuiApplication::clipboard()->clear();
        form = std::make_unique<TMainForm>(std::make_unique<TVelomniForm>());
        form->SyncCanvasWindow();
    }

    TVelomniForm& Menu() { return form->MenuWindow(); }
    TObjectList& Objects() { return Menu().ObjectList(); }
    TVoObject* Add(int kind, const QRect& bounds)
    {
        TVoObject* entry = Menu().AddObject(kind, bounds.left(), bounds.top());
        entry->Control->SetBounds(bounds);
        entry->Selected = false;
        return entry;
    }
    // Selects the objects at the indexes; the first is the current entry.
    void Select(std::initializer_list<int> indexes)
    {
        for (TVoObject* entry : Objects()) entry->Selected = false;
        for (int i : indexes) Objects()[size_t(i)]->Selected = true;
        form->ListObjectsInSelector();
        form->Document().SetCurrentEntry(*indexes.begin() + 1);
    }
    QStringList Names()
    {
        QStringList names;
        for (const TVoObject* entry : Objects()) names << entry->Name;
        return names;
    }
    std::vector<bool> Selection()
    {
        std::vector<bool> flags;
        for (const TVoObject* entry : Objects()) flags.push_back(entry->Selected);
        return flags;
    }
    bool Enabled(EditCommand command) { return ActionOf(form->EditItems, command)->isEnabled(); }
    // A clipboard block as a copy in another studio would make it.
    static void PutBlock(const QByteArray& records, qint32 count)
    {
        TMemoryStream stream;
        stream.WriteI32(count);
        stream.WriteBytes(records);
        stream.Seek(0);
        PutStreamOnClipboard(stream, ClipboardFormat);
    }
    static QByteArray RecordOf(TVoObject& entry)
    {
        TMemoryStream stream;
        EXPECT_TRUE(WriteObjectRecord(stream, entry));
        return stream.Data();
    }

    ProcessStateGuard state;
    TempDir exe, project;
    RecordingMessageBoxes boxes;
    std::unique_ptr<TMainForm> form;
};

using Flags = std::vector<bool>;

} // namespace

TEST_F(EditCommandsTest, CopyThenPasteThreeTimesStepsEightPixelsEachTime)
{
    Add(okButton, {10, 20, 80, 30});
    Add(okButton, {620, 380, 40, 30}); // near the corner: held inside
    Select({0, 1});
    form->Copy1Click();
    EXPECT_EQ(form->Document().PasteOffset(), 8);
    EXPECT_FALSE(form->Document().Modified());

    for (int paste = 1; paste <= 3; ++paste) {
        form->Paste1Click();
        ASSERT_EQ(Objects().size(), size_t(2 + 2 * paste));
        const TVoObject* first = Objects()[size_t(2 * paste)];
        const TVoObject* second = Objects()[size_t(2 * paste + 1)];
        EXPECT_EQ(first->Control->Bounds().topLeft(), QPoint(10 + 8 * paste, 20 + 8 * paste));
        const QSize surface = Menu().ScrollBox1()->size();
        EXPECT_EQ(second->Control->Bounds().topLeft(), QPoint(surface.width() - 40, surface.height() - 30));
        // Only the objects this paste added are selected; the last is current.
        Flags expected(Objects().size(), false);
        expected[size_t(2 * paste)] = expected[size_t(2 * paste + 1)] = true;
        EXPECT_EQ(Selection(), expected);
        EXPECT_EQ(form->CurrentEntry(), 2 * paste + 2);
    }
    EXPECT_EQ(form->Document().PasteOffset(), 32);
    EXPECT_TRUE(form->Document().Modified());
    EXPECT_EQ(Names(), (QStringList{"Button1", "Button2", "Button3", "Button4", "Button5", "Button6", "Button7",
                                    "Button8"}));
    EXPECT_EQ(form->ComboBox1->count(), 9);
    EXPECT_EQ(form->ComboBox1->Entry(8).text, "Button8");
}

TEST_F(EditCommandsTest, PastedGraphicsGoBehindTheWindowedObjectsAndNewNamesOnlyWhenTaken)
{
    TVoObject* box = Add(okTextBox, {200, 200, 100, 60});
    box->Name = "Notes";
    TVoObject* button = Add(okButton, {10, 10, 80, 30});
    button->Name = "Play";
    Menu().SortObjectList();
    Select({0});
    form->Copy1Click();

    // Into an empty project the names stay as they were.
    Menu().ResetProject();
    form->RefreshObjectList();
    form->Paste1Click();
    EXPECT_EQ(Names(), QStringList{"Play"});

    Add(okTextBox, {300, 300, 100, 60});
    form->Paste1Click();
    EXPECT_EQ(Names(), (QStringList{"Play", "Button1", "TextBox1"}));
    EXPECT_EQ(Selection(), (Flags{false, true, false}));
    EXPECT_EQ(form->CurrentEntry(), 2);
}

TEST_F(EditCommandsTest, ABlockCopiedElsewhereIsFirstPastedWhereItWas)
{
    TVelomniForm elsewhere;
    TVoObject* original = elsewhere.AddObject(okImage, 0, 0);
    original->Control->SetBounds({50, 60, 40, 40});
    PutBlock(RecordOf(*original), 1);
    EXPECT_EQ(form->Document().PasteOffset(), 0);

    form->Edit1Click();
    EXPECT_TRUE(Enabled(EditCommand::Paste));
    form->Paste1Click();
    form->Paste1Click();
    ASSERT_EQ(Objects().size(), 2u);
    EXPECT_EQ(Objects()[0]->Control->Bounds().topLeft(), QPoint(50, 60));
    EXPECT_EQ(Objects()[1]->Control->Bounds().topLeft(), QPoint(58, 68));
    EXPECT_EQ(Names(), (QStringList{"Image1", "Image2"}));
}

TEST_F(EditCommandsTest, ADamagedBlockAddsNothingAndLeavesTheProjectAsItWas)
{
    Add(okButton, {10, 10, 80, 30});
    Add(okText, {100, 100, 80, 30});
    Select({1});
    form->Document().SetPasteOffset(16);
    TVelomniForm elsewhere;
    QByteArray record = RecordOf(*elsewhere.AddObject(okImage, 5, 5));

    for (const qint32 count : {3, 0x7FFFFFFF}) {
        boxes.Clear();
        PutBlock(record + record, count); // two records where more were promised
        form->Paste1Click();
        ASSERT_EQ(boxes.Boxes().size(), 1);
        EXPECT_EQ(boxes.Boxes()[0].text, "No data available (61-2010).");
        EXPECT_EQ(Objects().size(), 2u);
        EXPECT_EQ(Selection(), (Flags{false, true}));
        EXPECT_EQ(form->Document().PasteOffset(), 16);
        EXPECT_FALSE(form->Document().Modified());
        EXPECT_EQ(form->ComboBox1->count(), 3);
    }

    // Garbage in place of a record: the reader's own message.
    boxes.Clear();
    PutBlock(QByteArray("\x07\x00\x00\x00", 4) + record, 1);
    form->Paste1Click();
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].caption, "Data Error");
    EXPECT_EQ(Objects().size(), 2u);

    // A block too short for its count is no block at all: nothing happens.
    boxes.Clear();
    auto* mime = new QMimeData;
    mime->setData(ClipboardMimeType(ClipboardFormat), QByteArray("\x09\x00", 2));
    QGuiApplication::clipboard()->setMimeData(mime);
    form->Paste1Click();
    EXPECT_TRUE(boxes.Boxes().isEmpty());
    EXPECT_EQ(Objects().size(), 2u);
}

TEST_F(EditCommandsTest, CutWithTheProjectCurrentDoesNothingAndDeleteNeedsAnObjectToo)
{
    Add(okButton, {10, 10, 80, 30});
    Add(okButton, {100, 10, 80, 30});
    for (TVoObject* entry : Objects()) entry->Selected = true;
    form->ListObjectsInSelector();
    form->Document().SetCurrentEntry(0);
    form->Cut1Click();
    form->Delete1Click();
    EXPECT_EQ(Objects().size(), 2u);
    EXPECT_FALSE(ClipboardHasFormat(ClipboardFormat));
    EXPECT_FALSE(form->Document().Modified());

    // With an object current, Cut copies the selection and deletes it.
    Select({1, 0});
    form->Cut1Click();
    EXPECT_TRUE(Objects().empty());
    EXPECT_TRUE(ClipboardHasFormat(ClipboardFormat));
    EXPECT_EQ(form->CurrentEntry(), 0);
    EXPECT_TRUE(form->Document().Modified());
    form->Paste1Click();
    EXPECT_EQ(Names(), (QStringList{"Button1", "Button2"}));
}

TEST_F(EditCommandsTest, BringToFrontMovesOnlyTheCurrentObjectAndLeavesNothingSelected)
{
    Add(okButton, {10, 10, 80, 30});
    Add(okButton, {100, 10, 80, 30});
    Add(okButton, {200, 10, 80, 30});
    Add(okTextBox, {300, 100, 80, 30});
    Select({0, 1});
    form->BringtoFront1Click();
    // Still behind the windowed text box.
    EXPECT_EQ(Names(), (QStringList{"Button2", "Button3", "Button1", "TextBox1"}));
    EXPECT_EQ(Selection(), (Flags{false, false, false, false}));
    EXPECT_EQ(form->CurrentEntry(), -1);
    EXPECT_EQ(form->ValueEdit->rowCount(), 1);
    EXPECT_TRUE(form->Document().Modified());

    form->Document().MarkSaved();
    form->SetCurrentEntry(4);
    form->BringtoFront1Click();
    form->SetCurrentEntry(1);
    form->SendtoBack1Click();
    EXPECT_EQ(Names(), (QStringList{"Button2", "Button3", "Button1", "TextBox1"}));
    EXPECT_FALSE(form->Document().Modified());
    form->SetCurrentEntry(3);
    form->SendtoBack1Click();
    EXPECT_EQ(Names(), (QStringList{"Button1", "Button2", "Button3", "TextBox1"}));
    EXPECT_EQ(form->CurrentEntry(), 1);
}

TEST_F(EditCommandsTest, AlignToGridSnapsEverySelectedObjectToTheNearestPoint)
{
    Add(okButton, {12, 16, 80, 30});
    Add(okButton, {-7, 40, 80, 30});
    Add(okButton, {-13, 80, 80, 30});
    Add(okButton, {13, 120, 80, 30});
    Select({0, 1, 2});
    form->AligntoGrid1Click();
    EXPECT_EQ(Objects()[0]->Control->Bounds().topLeft(), QPoint(16, 16));
    EXPECT_EQ(Objects()[1]->Control->Bounds().topLeft(), QPoint(0, 40));
    EXPECT_EQ(Objects()[2]->Control->Bounds().topLeft(), QPoint(-8, 80));
    EXPECT_EQ(Objects()[3]->Control->Bounds().topLeft(), QPoint(13, 120));
    EXPECT_TRUE(form->Document().Modified());

    // Objects already on the grid stay; nothing is marked.
    Select({0, 1});
    form->Document().MarkSaved();
    form->AligntoGrid1Click();
    EXPECT_FALSE(form->Document().Modified());
}

TEST_F(EditCommandsTest, AlignmentsMoveTheOthersOntoTheCurrentObject)
{
    Add(okButton, {10, 20, 101, 51});
    Add(okImage, {300, 300, 20, 10});
    Select({0});
    form->AlignRight1Click();
    EXPECT_FALSE(form->Document().Modified());

    Select({0, 1});
    const std::pair<void (TMainForm::*)(), QPoint> cases[] = {
        {&TMainForm::AlignLeft1Click, {10, 300}},   {&TMainForm::AlignRight1Click, {91, 300}},
        {&TMainForm::AlignCenter1Click, {50, 300}}, {&TMainForm::AlignTop1Click, {50, 20}},
        {&TMainForm::AlignBottom1Click, {50, 61}},  {&TMainForm::AlignCenter2Click, {50, 40}},
    };
    for (const auto& [command, expected] : cases) {
        (form.get()->*command)();
        EXPECT_EQ(Objects()[1]->Control->Bounds().topLeft(), expected);
    }
    EXPECT_EQ(Objects()[0]->Control->Bounds().topLeft(), QPoint(10, 20));
    EXPECT_TRUE(form->Document().Modified());
}

TEST_F(EditCommandsTest, TheEditMenuEnablesWhatTheSelectionAndClipboardAllow)
{
    Add(okButton, {10, 10, 80, 30});
    Add(okButton, {100, 10, 80, 30});
    form->RefreshObjectList();
    form->Edit1Click();
    for (EditCommand command : {EditCommand::Cut, EditCommand::Copy, EditCommand::Paste, EditCommand::Delete,
                                EditCommand::AlignToGrid, EditCommand::AlignLeft, EditCommand::BringToFront})
        EXPECT_FALSE(Enabled(command)) << int(command);

    form->SetCurrentEntry(1);
    EXPECT_TRUE(Enabled(EditCommand::Copy));
    EXPECT_TRUE(Enabled(EditCommand::AlignToGrid));
    EXPECT_TRUE(Enabled(EditCommand::SendToBack));
    EXPECT_FALSE(Enabled(EditCommand::AlignBottom));

    Objects()[1]->Selected = true;
    form->Edit1Click();
    EXPECT_TRUE(Enabled(EditCommand::AlignBottom));
    EXPECT_TRUE(Enabled(EditCommand::AlignMiddle));

    form->Copy1Click();
    EXPECT_TRUE(Enabled(EditCommand::Paste)); // the clipboard tells the menu
    EXPECT_EQ(ActionOf(form->EditItems, EditCommand::Paste)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_V));
}

TEST_F(EditCommandsTest, CanvasGesturesInTheStudioMarkTheProjectThroughOnePlace)
{
    form->show();
    TVoObject* button = Add(okButton, {40, 40, 80, 30});
    form->RefreshObjectList();
    QWidget* picture = form->EditForm->Image1();

    QTest::mouseClick(picture, Qt::LeftButton, {}, {60, 50});
    EXPECT_EQ(form->CurrentEntry(), 1);
    EXPECT_TRUE(button->Selected);
    EXPECT_FALSE(form->Document().Modified());
    EXPECT_EQ(form->PageControl1->tabText(0), "Click Actions");

    QTest::mousePress(picture, Qt::LeftButton, {}, {60, 50});
    QTest::mouseMove(picture, {76, 66});
    QTest::mouseRelease(picture, Qt::LeftButton, {}, {76, 66});
    EXPECT_EQ(button->Control->Bounds().topLeft(), QPoint(56, 56));
    EXPECT_TRUE(form->Document().Modified());

    // The "Add Image" tool places an image and gives way to the select tool.
    form->Document().MarkSaved();
    form->ToolButton_Image->click();
    QTest::mouseClick(picture, Qt::LeftButton, {}, {203, 101});
    ASSERT_EQ(Objects().size(), 2u);
    EXPECT_EQ(Objects()[1]->Control->Bounds().topLeft(), QPoint(200, 104));
    EXPECT_TRUE(form->ToolButton_Select->isChecked());
    EXPECT_EQ(form->CurrentEntry(), 2);
    EXPECT_EQ(form->ComboBox1->count(), 3);
    EXPECT_TRUE(form->Document().Modified());

    // The canvas's frame resizes the menu window.
    form->Document().MarkSaved();
    form->EditForm->ResizeByFrame(QRect(form->EditForm->pos(), QSize(720, 480)));
    EXPECT_EQ(Menu().Settings().Width, 720);
    EXPECT_TRUE(form->Document().Modified());
}

TEST_F(EditCommandsTest, DistributeSpacesThreeObjectsEvenlyBetweenTheOutermostAsOneStep)
{
    Add(okButton, {10, 10, 40, 20});
    Add(okButton, {200, 100, 60, 30});
    Add(okButton, {70, 40, 20, 10});
    Select({0, 1, 2});
    form->Document().UndoStack().clear();

    // Between x 50 and 200 the middle object (20 wide) leaves 130: gaps 65.
    form->RunEditCommand(EditCommand::DistributeHorizontally);
    EXPECT_EQ(Objects()[0]->Control->Bounds(), QRect(10, 10, 40, 20));
    EXPECT_EQ(Objects()[2]->Control->Bounds(), QRect(115, 40, 20, 10));
    EXPECT_EQ(Objects()[1]->Control->Bounds(), QRect(200, 100, 60, 30));
    // Top to bottom: 10..30, then 40..50, then 100; gaps of 30 and 30.
    form->RunEditCommand(EditCommand::DistributeVertically);
    EXPECT_EQ(Objects()[2]->Control->Bounds(), QRect(115, 60, 20, 10));
    EXPECT_EQ(form->Document().UndoStack().count(), 2);
    EXPECT_EQ(form->Document().UndoText(), "Undo Distribute");

    form->Document().Undo();
    form->Document().Undo();
    EXPECT_EQ(Objects()[2]->Control->Bounds(), QRect(70, 40, 20, 10));

    // Two objects have nothing to spread.
    Select({0, 1});
    form->Edit1Click();
    EXPECT_FALSE(Enabled(EditCommand::DistributeHorizontally));
    form->RunEditCommand(EditCommand::DistributeHorizontally);
    EXPECT_EQ(form->Document().UndoStack().index(), 0);
}

TEST_F(EditCommandsTest, MakeSameSizeCopiesTheCurrentObjectsSidesToTheOthers)
{
    Add(okButton, {10, 10, 40, 20});
    Add(okButton, {200, 100, 60, 30});
    Add(okButton, {70, 40, 20, 10});
    Select({1, 0, 2}); // the largest is current
    form->Edit1Click();
    EXPECT_TRUE(Enabled(EditCommand::SameSize));

    form->RunEditCommand(EditCommand::SameWidth);
    EXPECT_EQ(Objects()[0]->Control->Bounds(), QRect(10, 10, 60, 20));
    EXPECT_EQ(Objects()[2]->Control->Bounds(), QRect(70, 40, 60, 10));
    form->RunEditCommand(EditCommand::SameHeight);
    EXPECT_EQ(Objects()[0]->Control->Bounds(), QRect(10, 10, 60, 30));
    EXPECT_EQ(Objects()[2]->Control->Bounds(), QRect(70, 40, 60, 30));
    EXPECT_EQ(Objects()[1]->Control->Bounds(), QRect(200, 100, 60, 30));

    form->Document().Undo();
    form->Document().Undo();
    form->RunEditCommand(EditCommand::SameSize);
    EXPECT_EQ(Objects()[0]->Control->Bounds(), QRect(10, 10, 60, 30));
    EXPECT_EQ(Objects()[2]->Control->Bounds(), QRect(70, 40, 60, 30));
    form->Document().Undo(); // one step for all of them
    EXPECT_EQ(Objects()[0]->Control->Bounds(), QRect(10, 10, 40, 20));
    EXPECT_EQ(Objects()[2]->Control->Bounds(), QRect(70, 40, 20, 10));
}

TEST_F(EditCommandsTest, DuplicateCopiesTheSelectionAtThePasteStepAndLeavesTheClipboardAlone)
{
    Add(okButton, {10, 10, 40, 20});
    Add(okButton, {100, 10, 40, 20});
    Add(okButton, {200, 10, 40, 20});
    QGuiApplication::clipboard()->setText("kept");
    Select({0, 2});
    form->Document().UndoStack().clear();
    EXPECT_EQ(ActionOf(form->EditItems, EditCommand::Duplicate)->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_D));

    form->RunEditCommand(EditCommand::Duplicate);
    ASSERT_EQ(Objects().size(), 5u);
    EXPECT_EQ(Objects()[3]->Control->Bounds(), QRect(18, 18, 40, 20));
    EXPECT_EQ(Objects()[4]->Control->Bounds(), QRect(208, 18, 40, 20));
    EXPECT_EQ(Selection(), (Flags{false, false, false, true, true}));
    EXPECT_EQ(Names().removeDuplicates(), 0);
    EXPECT_EQ(QGuiApplication::clipboard()->text(), "kept");
    EXPECT_EQ(form->Document().UndoText(), "Undo Duplicate");

    form->Document().Undo();
    EXPECT_EQ(Objects().size(), 3u);
}

TEST_F(EditCommandsTest, TheAlignMenuTellsTheCentresApartAndOffersTheLayoutHelpers)
{
    QStringList captions;
    for (QAction* item : qobject_cast<QMenu*>(ActionOf(form->EditItems, EditCommand::AlignLeft)->parent())->actions())
        if (!item->isSeparator()) captions << item->text();
    EXPECT_EQ(captions, (QStringList{"Align to Grid", "Align Left", "Align Center Horizontally", "Align Right",
                                     "Align Top", "Align Center Vertically", "Align Bottom",
                                     "Distribute Horizontally", "Distribute Vertically", "Make Same Width",
                                     "Make Same Height", "Make Same Size"}));
    EXPECT_EQ(form->EditForm->PopupItem(EditCommand::SameSize)->text(), "Make Same Size");
}
