// SPDX-License-Identifier: GPL-2.0-or-later
// The action editor: the table of parameter looks, the no-change rule, the
// folder the chooser starts in, and the dialog driven through its widgets
// with scripted choosers.
#include "model/Kinds.h"
#include "model/ProcessState.h"
#include "studio/ActionForm.h"
#include "studio/ActionKindRules.h"
#include "studio/ActionKindSelector.h"
#include "studio/StudioImages.h"
#include "support/ModalWindows.h"
#include "support/ProcessStateGuard.h"
#include "support/RecordingMessageBoxes.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QAbstractItemView>
#include <QApplication>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QTest>

#include <functional>

namespace {

// A project folder with a sound file and a subfolder, made current.
class ActionFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ProjectFolder = project.Path();
        QDir(project.Path()).mkpath("media/sub");
        project.Write("media/ding.wav", "RIFF");
    }

    // Runs call while script works the editor it opens; the editors seen.
    static int WithEditor(const std::function<void()>& call, const std::function<void(TActionForm&)>& script)
    {
        return WithModal(call, [&](QWidget* window) {
            auto* form = dynamic_cast<TActionForm*>(window);
            ASSERT_NE(form, nullptr);
            script(*form);
        });
    }
    static void Type(TActionForm& form, const QString& text) { QTest::keyClicks(form.Edit1, text); }
    static void Ok(TActionForm& form) { QTest::mouseClick(form.Button2, Qt::LeftButton); }
    static QRgb BoxColor(TActionForm& form)
    {
        const QImage image = form.Edit1->grab().toImage();
        return image.pixel(image.width() - 4, image.height() / 2) & 0xFFFFFF;
    }

    ProcessStateGuard state;
    TempDir project, outside;
    RecordingMessageBoxes boxes;
    ScriptedDialogs dialogs;
};

} // namespace

TEST(ActionKindRules, EachKindHasItsLabelInputAndChooser)
{
    using enum ParameterChooser;
    const struct {
        QString label;
        bool enabled;
        ParameterChooser chooser;
    } expected[kActionKindCount] = {
        {"File Name:", true, ProjectFile},  {"Website URL:", true, None},   {"Email Address:", true, None},
        {"File Name:", true, ProjectFile},  {"File Name:", true, ProjectFile}, {"File Name:", true, ProjectFile},
        {"File Name:", false, None},        {"File Name:", false, None},   {"Folder:", true, ProjectFolder},
        {"File Name:", false, None},
    };
    for (int kind = 0; kind < kActionKindCount; ++kind) {
        const ParameterLook look = ParameterLookOf(kind);
        EXPECT_EQ(look.label, expected[kind].label) << kind;
        EXPECT_EQ(look.enabled, expected[kind].enabled) << kind;
        EXPECT_EQ(look.chooser, expected[kind].chooser) << kind;
    }
    // A code from a damaged file gets nothing that could give it a parameter.
    for (int unknown : {-1, 10, 255}) {
        EXPECT_FALSE(ParameterLookOf(unknown).enabled);
        EXPECT_EQ(ParameterLookOf(unknown).chooser, None);
    }
}

TEST(ActionKindRules, AnEditCountsOnlyWhenKindOrExactTextDiffers)
{
    TVoAction action{akVisitWebsite, "http://a"};
    EXPECT_FALSE(StoreEditedAction(action, akVisitWebsite, "http://a"));
    EXPECT_TRUE(StoreEditedAction(action, akVisitWebsite, "http://a "));
    EXPECT_EQ(action.Parameter, "http://a ");
    EXPECT_TRUE(StoreEditedAction(action, akOpenRunFile, "http://a "));
    EXPECT_EQ(action.ActionType, akOpenRunFile);
    EXPECT_TRUE(StoreEditedAction(action, akOpenRunFile, ""));
    EXPECT_EQ(action.Parameter, "");
}

TEST_F(ActionFormTest, FolderChooserStartsInsideTheProjectOnly)
{
    const QString root = project.Path();
    EXPECT_EQ(ActionFolderStart(root, "  media\\sub "), QDir::toNativeSeparators(root + "/media/sub"));
    EXPECT_EQ(ActionFolderStart(root, "\\media"), QDir::toNativeSeparators(root + "/media"));
    EXPECT_EQ(ActionFolderStart(root, "\\missing"), root);
    EXPECT_EQ(ActionFolderStart(root, "\\media\\ding.wav"), root);
    EXPECT_EQ(ActionFolderStart(root, "..\\.."), root);
    EXPECT_EQ(QDir::cleanPath(ActionFolderStart(root, "")), QDir::cleanPath(root));
}

TEST_F(ActionFormTest, AddModeStartsAtOpenRunFileAndKeepsTheTextAsTyped)
{
    std::unique_ptr<TVoAction> added;
    const int seen = WithEditor([&] { added = AddAction(); }, [&](TActionForm& form) {
        EXPECT_EQ(form.windowTitle(), "Action");
        EXPECT_EQ(form.size(), QSize(403, 138));
        EXPECT_EQ(form.Label1->text(), "Action Type:");
        EXPECT_EQ(form.Button1->text(), "Select...");
        EXPECT_EQ(form.Button2->text(), "&OK");
        EXPECT_EQ(form.Button3->text(), "&Cancel");
        EXPECT_TRUE(form.Button2->isDefault());
        ASSERT_EQ(form.ComboBox1->count(), kActionKindCount);
        for (int code = 0; code < kActionKindCount; ++code) EXPECT_EQ(form.ComboBox1->itemText(code), ActionKindText(code));
        EXPECT_EQ(form.ComboBox1->currentText(), "OpenRunFile");
        EXPECT_EQ(form.Label2->text(), "File Name:");
        EXPECT_TRUE(form.Edit1->text().isEmpty());
        EXPECT_FALSE(form.Accepted());
        // The down key picks the next kind as a user does.
        QTest::keyClick(form.ComboBox1, Qt::Key_Down);
        EXPECT_EQ(form.ComboBox1->currentText(), "VisitWebsite");
        EXPECT_EQ(form.Label2->text(), "Website URL:");
        EXPECT_FALSE(form.Button1->isEnabled());
        Type(form, "  www.example.org ");
        Ok(form);
    });
    EXPECT_EQ(seen, 1);
    ASSERT_TRUE(added);
    EXPECT_EQ(added->ActionType, akVisitWebsite);
    EXPECT_EQ(added->Parameter, "  www.example.org ");

    // Cancel, Esc and an empty parameter.
    WithEditor([&] { added = AddAction(); }, [&](TActionForm& form) {
        Type(form, "lost");
        QTest::mouseClick(form.Button3, Qt::LeftButton);
    });
    EXPECT_FALSE(added);
    WithEditor([&] { added = AddAction(); }, [&](TActionForm& form) {
        Type(form, "lost");
        QTest::keyClick(form.Edit1, Qt::Key_Escape);
    });
    EXPECT_FALSE(added);
    WithEditor([&] { added = AddAction(); }, [&](TActionForm& form) { QTest::keyClick(form.Edit1, Qt::Key_Return); });
    ASSERT_TRUE(added);
    EXPECT_EQ(added->ActionType, akOpenRunFile);
    EXPECT_EQ(added->Parameter, "");
}

TEST_F(ActionFormTest, SwitchingTheKindAwayAndBackEmptiesTheParameterAndCountsAsAChange)
{
    TVoAction action{akVisitWebsite, "http://example.org"};
    bool changed = false;
    WithEditor([&] { changed = EditAction(action); }, [&](TActionForm& form) {
        EXPECT_EQ(form.ComboBox1->currentText(), "VisitWebsite");
        EXPECT_EQ(form.Edit1->text(), "http://example.org");
        form.ComboBox1->setCurrentIndex(akOpenRunFile);
        EXPECT_EQ(form.Edit1->text(), "");
        form.ComboBox1->setCurrentIndex(akVisitWebsite);
        EXPECT_EQ(form.Edit1->text(), "");
        Ok(form);
    });
    EXPECT_TRUE(changed);
    EXPECT_EQ(action.ActionType, akVisitWebsite);
    EXPECT_EQ(action.Parameter, "");
}

TEST_F(ActionFormTest, OkWithoutATouchOrCancelAfterOneReportsNoChange)
{
    TVoAction action{akPlaySound, "\\media\\ding.wav"};
    bool changed = true;
    WithEditor([&] { changed = EditAction(action); }, [&](TActionForm& form) { Ok(form); });
    EXPECT_FALSE(changed);
    // Typing and taking it back is no change either: the texts are compared.
    WithEditor([&] { changed = EditAction(action); }, [&](TActionForm& form) {
        Type(form, "x");
        QTest::keyClick(form.Edit1, Qt::Key_Backspace);
        Ok(form);
    });
    EXPECT_FALSE(changed);
    WithEditor([&] { changed = EditAction(action); }, [&](TActionForm& form) {
        form.ComboBox1->setCurrentIndex(akExit);
        QTest::mouseClick(form.Button3, Qt::LeftButton);
    });
    EXPECT_FALSE(changed);
    EXPECT_EQ(action.ActionType, akPlaySound);
    EXPECT_EQ(action.Parameter, "\\media\\ding.wav");

    // An action of a kind the selector lacks keeps its kind through OK.
    TVoAction unknown{42, "kept"};
    WithEditor([&] { changed = EditAction(unknown); }, [&](TActionForm& form) {
        EXPECT_EQ(form.ComboBox1->currentIndex(), -1);
        EXPECT_FALSE(form.Edit1->isEnabled());
        Ok(form);
    });
    EXPECT_FALSE(changed);
    EXPECT_EQ(unknown.ActionType, 42);
}

TEST_F(ActionFormTest, KindsWithoutAParameterGreyTheLabelAndTheBox)
{
    TActionForm form;
    form.OpenForAdd();
    form.show();
    const QRgb window = QApplication::palette().color(QPalette::Active, QPalette::Base).rgb() & 0xFFFFFF;
    EXPECT_EQ(BoxColor(form), window);
    for (int kind : {akStopSound, akStopBackSound, akExit}) {
        form.ComboBox1->setCurrentIndex(kind);
        EXPECT_EQ(form.Label2->text(), "File Name:");
        EXPECT_FALSE(form.Label2->isEnabled());
        EXPECT_FALSE(form.Edit1->isEnabled());
        EXPECT_FALSE(form.Button1->isEnabled());
        EXPECT_EQ(BoxColor(form), qRgb(192, 192, 192) & 0xFFFFFF) << kind;
    }
    form.ComboBox1->setCurrentIndex(akBrowseCD);
    EXPECT_EQ(form.Label2->text(), "Folder:");
    EXPECT_TRUE(form.Label2->isEnabled());
    EXPECT_TRUE(form.Edit1->isEnabled());
    EXPECT_TRUE(form.Button1->isEnabled());
    EXPECT_EQ(BoxColor(form), window);
    form.ComboBox1->setCurrentIndex(akSendEmail);
    EXPECT_EQ(form.Label2->text(), "Email Address:");
    EXPECT_FALSE(form.Button1->isEnabled());
}

TEST_F(ActionFormTest, SelectFillsAProjectFileAndACancelledChooserLeavesTheText)
{
    TVoAction action{akPlayBackSound, "\\old.wav"};
    WithEditor([&] { EditAction(action); }, [&](TActionForm& form) {
        dialogs.openFiles << QDir::toNativeSeparators(project.File("media/ding.wav"));
        QTest::mouseClick(form.Button1, Qt::LeftButton);
        EXPECT_EQ(form.Edit1->text(), "\\media\\ding.wav");
        QTest::mouseClick(form.Button1, Qt::LeftButton); // cancelled
        EXPECT_EQ(form.Edit1->text(), "\\media\\ding.wav");
        // A file outside the project that the user will not copy.
        boxes.Script({MsgAnswer::No});
        dialogs.openFiles << outside.Write("elsewhere.wav", "RIFF");
        QTest::mouseClick(form.Button1, Qt::LeftButton);
        EXPECT_EQ(form.Edit1->text(), "\\media\\ding.wav");
        Ok(form);
    });
    ASSERT_GE(dialogs.asked.size(), 1);
    EXPECT_EQ(dialogs.asked[0], "open All (*.*)|*.* @ " + QDir::toNativeSeparators(project.File("old.wav")));
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text, "The file you selected is not in project folder, copy it?");
    EXPECT_EQ(action.Parameter, "\\media\\ding.wav");
}

TEST_F(ActionFormTest, SelectOfBrowseCDGivesAFolderOfTheProjectRelativeToIt)
{
    TVoAction action{akBrowseCD, " media "};
    WithEditor([&] { EditAction(action); }, [&](TActionForm& form) {
        dialogs.foldersUnder << QDir::toNativeSeparators(project.File("media/sub"));
        QTest::mouseClick(form.Button1, Qt::LeftButton);
        EXPECT_EQ(form.Edit1->text(), "\\media\\sub");
        dialogs.foldersUnder << project.Path() + "/";
        QTest::mouseClick(form.Button1, Qt::LeftButton);
        EXPECT_EQ(form.Edit1->text(), "\\");
        QTest::mouseClick(form.Button1, Qt::LeftButton); // cancelled
        EXPECT_EQ(form.Edit1->text(), "\\");
        Ok(form);
    });
    EXPECT_EQ(dialogs.asked, QStringList(3, "Select Folder @ " + project.Path()));
    const QString media = QDir::toNativeSeparators(project.File("media"));
    EXPECT_EQ(dialogs.startedUnder,
              QStringList({media, QDir::toNativeSeparators(project.File("media/sub")), project.Path()}));
    EXPECT_EQ(action.Parameter, "\\");
}

TEST(ActionKindSelector, EntriesShowTheActionImageBesideTheText)
{
    QImage image(120, kActionKindItemHeight, QImage::Format_RGB32);
    image.fill(Qt::white);
    {
        QPainter painter(&image);
        painter.setPen(Qt::black);
        DrawActionKindEntry(painter, image.rect(), "PlaySound");
    }
    QImage expected(image.size(), QImage::Format_RGB32);
    expected.fill(Qt::white);
    {
        QPainter painter(&expected);
        painter.drawPixmap(0, 1, SidebarImage(kSidebarActionImage));
    }
    for (int y = 0; y < kActionKindItemHeight; ++y)
        for (int x = 0; x < 17; ++x) ASSERT_EQ(image.pixel(x, y), expected.pixel(x, y)) << x << "," << y;
    bool text = false;
    for (int y = 0; y < kActionKindItemHeight && !text; ++y)
        for (int x = 18; x < 120 && !text; ++x) text = image.pixel(x, y) != qRgb(255, 255, 255);
    EXPECT_TRUE(text);

    TActionKindSelector selector;
    selector.addItem("Exit");
    EXPECT_EQ(selector.maxVisibleItems(), 16);
    EXPECT_EQ(selector.view()->sizeHintForRow(0), kActionKindItemHeight);
}
