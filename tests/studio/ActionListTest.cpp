// SPDX-License-Identifier: GPL-2.0-or-later
// The action list of the studio's sidebar: listing the current entry's
// actions, and "Add...", "Edit..." (and the double click) and "Delete"
// through the real buttons, list and editor.
#include "model/Kinds.h"
#include "model/ProcessState.h"
#include "model/VoObject.h"
#include "player/VelomniForm.h"
#include "studio/ActionForm.h"
#include "studio/ActionKindSelector.h"
#include "document/DesignDocument.h"
#include "studio/MainForm.h"
#include "support/ModalWindows.h"
#include "support/ProcessStateGuard.h"
#include "support/RecordingMessageBoxes.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include <functional>

namespace {

class ActionListTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        IsStudio = true;
        ExeFolder = exe.Path();
        ProjectFolder = project.Path();
        form = std::make_unique<TMainForm>(std::make_unique<TVelomniForm>());
        form->RefreshObjectList();
    }
    void TearDown() override { form.reset(); }

    TVelomniForm& Menu() { return form->MenuWindow(); }
    QTreeWidget& List() { return *form->ListView1; }
    // The rows of the list as "kind | parameter".
    QStringList Rows()
    {
        QStringList rows;
        for (int i = 0; i < List().topLevelItemCount(); ++i)
            rows << List().topLevelItem(i)->text(0) + " | " + List().topLevelItem(i)->text(1);
        return rows;
    }
    static void Append(TVoActions& list, int kind, const QString& parameter)
    {
        list.push_back(std::make_unique<TVoAction>(TVoAction{quint8(kind), parameter}));
    }
    // An object of the kind, made the current entry with the given actions.
    TVoObject& CurrentObject(int kind, std::initializer_list<std::pair<int, QString>> actions = {})
    {
        TVoObject* object = Menu().AddObject(kind, 10, 10);
        for (const auto& [code, parameter] : actions) Append(object->Actions, code, parameter);
        form->RefreshObjectList();
        form->SetCurrentEntry(int(Menu().ObjectList().size()));
        return *object;
    }
    void Select(int row) { List().setCurrentItem(List().topLevelItem(row)); }
    // Presses a button (or runs call) while script works the editor; the
    // number of editors that opened.
    int WithEditor(const std::function<void()>& call, const std::function<void(TActionForm&)>& script)
    {
        return WithModal(call, [&](QWidget* window) {
            auto* editor = dynamic_cast<TActionForm*>(window);
            ASSERT_NE(editor, nullptr);
            script(*editor);
        });
    }
    static void Ok(TActionForm& editor) { QTest::mouseClick(editor.Button2, Qt::LeftButton); }
    void DoubleClickRow(int row)
    {
        QTreeWidgetItem* item = List().topLevelItem(row);
        const QPoint at = List().visualItemRect(item).center();
        QTest::mouseClick(List().viewport(), Qt::LeftButton, {}, at);
        QTest::mouseDClick(List().viewport(), Qt::LeftButton, {}, at);
    }
    QString PageCaption() const { return form->PageControl1->tabText(0); }

    ProcessStateGuard state;
    TempDir exe, project;
    RecordingMessageBoxes boxes;
    ScriptedDialogs dialogs;
    std::unique_ptr<TMainForm> form;
};

} // namespace

TEST_F(ActionListTest, TheProjectsStartActionsAreListedAndAddedToAtTheEnd)
{
    Append(Menu().StartActions(), akPlayBackSound, "\\music.mp3");
    form->SetCurrentEntry(0);
    EXPECT_EQ(PageCaption(), "Start Actions");
    EXPECT_EQ(Rows(), QStringList({"PlayBackSound (Loop) | \\music.mp3"}));
    for (QPushButton* button : {form->Button1, form->Button2, form->Button3}) EXPECT_TRUE(button->isEnabled());

    // Cancelled: nothing happens.
    EXPECT_EQ(WithEditor([&] { form->Button1->click(); }, [](TActionForm&) {}), 1);
    EXPECT_EQ(Menu().StartActions().size(), 1u);
    EXPECT_FALSE(form->Document().Modified());

    WithEditor([&] { form->Button1->click(); }, [&](TActionForm& editor) {
        editor.ComboBox1->setCurrentIndex(akSendEmail);
        QTest::keyClicks(editor.Edit1, "info@example.org");
        Ok(editor);
    });
    ASSERT_EQ(Menu().StartActions().size(), 2u);
    EXPECT_EQ(Menu().StartActions()[1]->ActionType, akSendEmail);
    EXPECT_EQ(Menu().StartActions()[1]->Parameter, "info@example.org");
    EXPECT_EQ(Rows(), QStringList({"PlayBackSound (Loop) | \\music.mp3", "SendEmail | info@example.org"}));
    EXPECT_TRUE(form->Document().Modified());
}

TEST_F(ActionListTest, EditRewritesTheItemAndOkWithoutAChangeLeavesTheProjectUnmodified)
{
    TVoObject& button = CurrentObject(okButton, {{akVisitWebsite, "http://example.org"}, {akExit, ""}});
    EXPECT_EQ(PageCaption(), "Click Actions");
    EXPECT_EQ(Rows(), QStringList({"VisitWebsite | http://example.org", "Exit | "}));

    // Nothing selected: "Edit..." opens nothing.
    List().clearSelection();
    EXPECT_EQ(WithEditor([&] { form->Button2->click(); }, [](TActionForm&) {}), 0);

    Select(0);
    EXPECT_EQ(WithEditor([&] { form->Button2->click(); }, [&](TActionForm& editor) { Ok(editor); }), 1);
    EXPECT_FALSE(form->Document().Modified());

    // A double click on the row edits it too.
    const int seen = WithEditor([&] { DoubleClickRow(0); }, [&](TActionForm& editor) {
        EXPECT_EQ(editor.Edit1->text(), "http://example.org");
        editor.ComboBox1->setCurrentIndex(akOpenRunFile);
        editor.ComboBox1->setCurrentIndex(akVisitWebsite);
        QTest::keyClicks(editor.Edit1, "http://example.com");
        Ok(editor);
    });
    EXPECT_EQ(seen, 1);
    EXPECT_EQ(button.Actions[0]->Parameter, "http://example.com");
    EXPECT_EQ(Rows(), QStringList({"VisitWebsite | http://example.com", "Exit | "}));
    EXPECT_TRUE(form->Document().Modified());
}

TEST_F(ActionListTest, DeleteRemovesTheSelectedOneOfTwoEqualActions)
{
    TVoObject& text = CurrentObject(okText, {{akPlaySound, "\\a.wav"}, {akPlaySound, "\\a.wav"}, {akExit, ""}});
    const TVoAction* first = text.Actions[0].get();
    const TVoAction* exit = text.Actions[2].get();
    List().clearSelection();
    form->Button3->click();
    EXPECT_EQ(text.Actions.size(), 3u);
    EXPECT_FALSE(form->Document().Modified());

    Select(1);
    form->Button3->click();
    ASSERT_EQ(text.Actions.size(), 2u);
    EXPECT_EQ(text.Actions[0].get(), first);
    EXPECT_EQ(text.Actions[1].get(), exit);
    EXPECT_EQ(Rows(), QStringList({"PlaySound | \\a.wav", "Exit | "}));
    EXPECT_TRUE(form->Document().Modified());
    // Nothing is selected afterwards, so a second press deletes nothing.
    form->Button3->click();
    EXPECT_EQ(text.Actions.size(), 2u);

    // The rows still refer to their actions: deleting the first row now
    // leaves Exit alone.
    Select(0);
    form->Button3->click();
    ASSERT_EQ(text.Actions.size(), 1u);
    EXPECT_EQ(text.Actions[0].get(), exit);
    EXPECT_EQ(Rows(), QStringList({"Exit | "}));
}

TEST_F(ActionListTest, AnExplorerHasNoActionsToEdit)
{
    TVoObject& explorer = CurrentObject(okExplorer, {{akExit, ""}});
    EXPECT_EQ(PageCaption(), "Click Actions");
    EXPECT_EQ(List().topLevelItemCount(), 0);
    for (QPushButton* button : {form->Button1, form->Button2, form->Button3}) EXPECT_FALSE(button->isEnabled());
    EXPECT_EQ(WithEditor([&] { QTest::mouseDClick(List().viewport(), Qt::LeftButton, {}, QPoint(20, 10)); },
                         [](TActionForm&) {}),
              0);
    // Even called directly, the commands leave the Explorer's list alone.
    EXPECT_EQ(WithEditor([&] { form->Button1Click(); form->Button2Click(); form->Button3Click(); },
                         [](TActionForm&) {}),
              0);
    EXPECT_EQ(explorer.Actions.size(), 1u);
    EXPECT_FALSE(form->Document().Modified());
}

TEST_F(ActionListTest, WithNoCurrentEntryTheListIsEmptyAndTheCommandsDoNothing)
{
    TVoObject& a = CurrentObject(okButton, {{akExit, ""}});
    Select(0);
    TVoObject* b = Menu().AddObject(okImage, 50, 50);
    a.Selected = true;
    b->Selected = true;
    form->RefreshObjectList();
    ASSERT_EQ(form->CurrentEntry(), -1);
    EXPECT_EQ(PageCaption(), "Start Actions");
    EXPECT_EQ(List().topLevelItemCount(), 0);
    for (QPushButton* button : {form->Button1, form->Button2, form->Button3}) EXPECT_FALSE(button->isEnabled());
    EXPECT_EQ(WithEditor([&] { form->Button1Click(); form->Button2Click(); form->Button3Click(); },
                         [](TActionForm&) {}),
              0);
    EXPECT_EQ(a.Actions.size(), 1u);
    EXPECT_TRUE(Menu().StartActions().empty());
    EXPECT_FALSE(form->Document().Modified());

    // Back on the project the buttons work again.
    form->SetCurrentEntry(0);
    for (QPushButton* button : {form->Button1, form->Button2, form->Button3}) EXPECT_TRUE(button->isEnabled());
}

TEST_F(ActionListTest, TheSelectedActionMovesUpAndDownInOneStepAndStaysSelected)
{
    TVoObject& button = CurrentObject(
        okButton, {{akPlaySound, "\\a.wav"}, {akVisitWebsite, "http://example.org"}, {akExit, ""}});
    const std::vector<const TVoAction*> start = {button.Actions[0].get(), button.Actions[1].get(),
                                                 button.Actions[2].get()};
    auto* up = form->findChild<QToolButton*>("MoveActionUp");
    auto* down = form->findChild<QToolButton*>("MoveActionDown");
    ASSERT_NE(up, nullptr);
    ASSERT_NE(down, nullptr);
    auto selectedRow = [this] {
        const QList<QTreeWidgetItem*> selected = List().selectedItems();
        return selected.size() == 1 ? List().indexOfTopLevelItem(selected[0]) : -1;
    };

    // Nothing selected, or an end: that way is closed.
    List().clearSelection();
    EXPECT_FALSE(up->isEnabled());
    EXPECT_FALSE(down->isEnabled());
    Select(0);
    EXPECT_FALSE(up->isEnabled());
    EXPECT_TRUE(down->isEnabled());
    Select(2);
    EXPECT_TRUE(up->isEnabled());
    EXPECT_FALSE(down->isEnabled());

    Select(1);
    QTest::mouseClick(up, Qt::LeftButton);
    EXPECT_EQ(Rows(), QStringList({"VisitWebsite | http://example.org", "PlaySound | \\a.wav", "Exit | "}));
    EXPECT_EQ(button.Actions[0].get(), start[1]);
    EXPECT_EQ(selectedRow(), 0);
    EXPECT_FALSE(up->isEnabled());
    EXPECT_EQ(form->Document().UndoStack().count(), 1);
    EXPECT_EQ(form->Document().UndoText(), "Undo Move Action Up");
    EXPECT_TRUE(form->Document().Modified());

    // Ctrl+Down in the list, twice: the second time it is at the end.
    List().setFocus();
    QTest::keyClick(&List(), Qt::Key_Down, Qt::ControlModifier);
    QTest::keyClick(&List(), Qt::Key_Down, Qt::ControlModifier);
    QTest::keyClick(&List(), Qt::Key_Down, Qt::ControlModifier);
    EXPECT_EQ(Rows(), QStringList({"PlaySound | \\a.wav", "Exit | ", "VisitWebsite | http://example.org"}));
    EXPECT_EQ(selectedRow(), 2);
    EXPECT_FALSE(down->isEnabled());
    EXPECT_EQ(form->Document().UndoStack().count(), 3);
    QTest::keyClick(&List(), Qt::Key_Up, Qt::ControlModifier);
    EXPECT_EQ(selectedRow(), 1);

    while (form->Document().UndoStack().canUndo()) form->Document().Undo();
    for (size_t i = 0; i < start.size(); ++i) EXPECT_EQ(button.Actions[i].get(), start[i]) << i;
    EXPECT_EQ(Rows(), QStringList({"PlaySound | \\a.wav", "VisitWebsite | http://example.org", "Exit | "}));
    EXPECT_FALSE(form->Document().Modified());

    // An Explorer has no actions to move.
    CurrentObject(okExplorer);
    EXPECT_FALSE(up->isEnabled());
    EXPECT_FALSE(down->isEnabled());
}
