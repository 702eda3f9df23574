// SPDX-License-Identifier: GPL-2.0-or-later
// The text editor driven through its text box and buttons, with the file
// dialogs scripted.
#include "studio/TextEditorForm.h"
#include "support/ModalWindows.h"
#include "support/RecordingMessageBoxes.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTest>

#include <functional>

namespace {

// Shows the editor modally on text, runs script while it is open and
// returns what EditText returned.
bool RunEditor(QString& text, const std::function<void(TTextEditorForm&)>& script)
{
    return WithModalForm<TTextEditorForm>([&] { return EditText(text); }, script);
}

void Click(QPushButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace

TEST(TextEditor, OpensWithTheTextAndItsParts)
{
    QString text = "one\r\ntwo";
    EXPECT_FALSE(RunEditor(text, [](TTextEditorForm& form) {
        EXPECT_EQ(form.windowTitle(), "Text Editor");
        EXPECT_EQ(form.size(), QSize(540, 329));
        EXPECT_EQ(form.Memo1->size(), QSize(409, 265));
        EXPECT_EQ(form.Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        EXPECT_EQ(form.Memo1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
        EXPECT_EQ(form.Memo1->blockCount(), 2);
        EXPECT_EQ(form.Text(), "one\r\ntwo");
        EXPECT_TRUE(form.OkButton->isDefault());
        EXPECT_EQ(form.ClearButton->text(), "Clear");
        EXPECT_EQ(form.CancelButton->text(), "&Cancel");
        Click(form.OkButton); // confirmed without a change
    }));
    EXPECT_EQ(text, "one\r\ntwo");
}

TEST(TextEditor, EveryChangeCountsEvenOneUndoneByHand)
{
    QString text = "abc";
    EXPECT_TRUE(RunEditor(text, [](TTextEditorForm& form) {
        form.Memo1->setFocus();
        QTest::keyClick(form.Memo1, Qt::Key_X);
        QTest::keyClick(form.Memo1, Qt::Key_Backspace);
        EXPECT_EQ(form.Text(), "abc");
        Click(form.OkButton);
    }));
    EXPECT_EQ(text, "abc");

    EXPECT_TRUE(RunEditor(text, [](TTextEditorForm& form) {
        Click(form.ClearButton);
        Click(form.OkButton);
    }));
    EXPECT_EQ(text, "");

    // Clearing an empty box is a change too.
    EXPECT_TRUE(RunEditor(text, [](TTextEditorForm& form) {
        Click(form.ClearButton);
        Click(form.OkButton);
    }));

    text = "kept";
    EXPECT_FALSE(RunEditor(text, [](TTextEditorForm& form) {
        Click(form.ClearButton);
        QTest::keyClick(&form, Qt::Key_Escape);
    }));
    EXPECT_EQ(text, "kept");
}

TEST(TextEditor, LinesComeBackWithCrLfAndNoBreakSpacesKept)
{
    QString text = QStringLiteral("a\nb\u00A0c\r\n");
    EXPECT_TRUE(RunEditor(text, [](TTextEditorForm& form) {
        QTest::keyClick(form.Memo1, Qt::Key_End, Qt::ControlModifier);
        QTest::keyClicks(form.Memo1, "d");
        Click(form.OkButton);
    }));
    EXPECT_EQ(text, QStringLiteral("a\r\nb\u00A0c\r\nd"));
}

TEST(TextEditor, LoadReplacesTheTextAndSaveAsWritesTheLines)
{
    TempDir dir;
    ScriptedDialogs dialogs;
    RecordingMessageBoxes boxes;
    const QString utf8 = dir.Write("utf8.txt", "Gr\xC3\xBC\xC3\x9F" "e\nzwei\n");
    const QString ansi = dir.Write("ansi.txt", "caf\xE9");
    dialogs.openFiles = {utf8, dir.File("missing.txt"), ansi};
    dialogs.saveFiles = {dir.File("out.txt")};
    QString text = "old text";
    EXPECT_TRUE(RunEditor(text, [&](TTextEditorForm& form) {
        Click(form.LoadButton);
        EXPECT_EQ(form.Text(), QStringLiteral("Gr\u00FC\u00DFe\r\nzwei\r\n"));
        Click(form.SaveButton);
        Click(form.LoadButton); // a file that is gone: reported, the text stays
        EXPECT_EQ(form.Text(), QStringLiteral("Gr\u00FC\u00DFe\r\nzwei\r\n"));
        Click(form.LoadButton);
        Click(form.OkButton);
    }));
    EXPECT_EQ(text, QStringLiteral("caf\u00E9"));
    EXPECT_EQ(TempDir::Read(dir.File("out.txt")), "Gr\xC3\xBC\xC3\x9F" "e\r\nzwei\r\n");
    EXPECT_EQ(dialogs.asked, (QStringList{"open Text file (*.txt)|*.txt @ folder ",
                                          "save Text file (*.txt)|*.txt .txt",
                                          "open Text file (*.txt)|*.txt @ folder ",
                                          "open Text file (*.txt)|*.txt @ folder "}));
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_TRUE(boxes.Boxes()[0].text.startsWith("Cannot open file \"missing.txt\"."));
}

TEST(TextEditor, LoadingTheSameTextIsAChangeAndSavingIsNone)
{
    TempDir dir;
    ScriptedDialogs dialogs;
    dialogs.openFiles = {dir.Write("same.txt", "same")};
    dialogs.saveFiles = {dir.File("saved.txt")};
    QString text = "same";
    EXPECT_FALSE(RunEditor(text, [](TTextEditorForm& form) {
        Click(form.SaveButton);
        Click(form.OkButton);
    }));
    EXPECT_EQ(TempDir::Read(dir.File("saved.txt")), "same\r\n");
    EXPECT_TRUE(RunEditor(text, [](TTextEditorForm& form) {
        Click(form.LoadButton);
        Click(form.OkButton);
    }));
    EXPECT_EQ(text, "same");
}
