// SPDX-License-Identifier: GPL-2.0-or-later
// The text box and the rich-text panel build their Qt edit only when first
// polished or asked for: what that must not change.
#include "KindRecordTesting.h"
#include "support/ProcessStateGuard.h"

#include "controls/WindowlessProject.h"
#include "controls/TextControlLook.h"
#include "controls/VoRichText.h"
#include "controls/VoTextBox.h"
#include "model/Kinds.h"
#include "model/ProjectFile.h"
#include "model/VoObject.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QDir>
#include <QPushButton>
#include <QStringList>
#include <QTest>
#include <QTextBlock>
#include <QTextOption>
#include <QToolTip>

namespace {

// The lines of the edit's document joined the way the project stores them.
QString EditLines(QPlainTextEdit& edit)
{
    QStringList lines;
    for (QTextBlock block = edit.document()->begin(); block.isValid(); block = block.next())
        lines.append(block.text());
    return lines.join(QStringLiteral("\r\n"));
}

// What a save writes after the file's header, which differs every time.
QByteArray ProjectBody(TProjectHost& host)
{
    TMemoryStream stream;
    EXPECT_TRUE(WriteProjectBody(host, stream));
    return stream.Data();
}

template <class Control>
Control& AddControl(TWindowlessProject& document, int kind)
{
    TVoObject* entry = NewObjectEntry();
    entry->ObjectType = quint8(kind);
    entry->Name = QStringLiteral("Object%1").arg(document.ObjectList().size() + 1);
    document.ObjectList().push_back(entry);
    EXPECT_TRUE(CreateObjectControl(entry, &document, nullptr, 10, 20));
    return static_cast<Control&>(*entry->Control);
}

} // namespace

TEST(LazyTextPanel, ALoadedProjectSavesTheSameBytesWithoutBuildingAnEdit)
{
    for (const bool studio : {true, false}) {
        SCOPED_TRACE(studio ? "studio" : "player");
        TempDir dir;
        dir.Write("readme.rtf", "{\\rtf1\\ansi Hello}");
        ProcessStateGuard state(studio, dir.Path());
        QByteArray body;
        {
            TWindowlessProject source;
            auto& box = AddControl<TVoTextBox>(source, okTextBox);
            // Line ends of every kind, a tab and an empty last line.
            box.SetText(QString::fromUtf16(u"one\rtwo\nthree\r\nfour\u2029five\tsix\r\n"));
            box.SetFont(MakeFont("Mono", 0x0000FF, 10, 0, fsBold));
            box.SetTabStop(true);
            auto& rich = AddControl<TVoRichText>(source, okRichText);
            rich.SetFileName(QStringLiteral("\\readme.rtf"));
            rich.SetPlainText(true);
            ASSERT_TRUE(SaveProject(source, dir.File("first.vpj")));
            body = ProjectBody(source);
        }
        TWindowlessProject loaded;
        ASSERT_TRUE(LoadProject(loaded, dir.File("first.vpj")));
        ASSERT_EQ(loaded.ObjectList().size(), 2u);
        auto& box = static_cast<TVoTextBox&>(*loaded.ObjectList()[0]->Control);
        auto& rich = static_cast<TVoRichText&>(*loaded.ObjectList()[1]->Control);
        EXPECT_EQ(box.Text(), "one\r\ntwo\r\nthree\r\nfour\r\nfive\tsix\r\n");
        EXPECT_EQ(ProjectBody(loaded), body);
        ASSERT_TRUE(SaveProject(loaded, dir.File("second.vpj")));
        EXPECT_FALSE(box.EditBuilt());
        EXPECT_FALSE(rich.EditBuilt());
        // Once built, the edit holds the same lines.
        EXPECT_EQ(EditLines(box.Edit()), box.Text());
    }
}

TEST(LazyTextPanel, TheTextBoxKeepsTheLinesItsEditWouldGiveBack)
{
    const QString texts[] = {
        QString(),
        QStringLiteral("\r\n"),
        QStringLiteral("a\r\r\nb\n\rc"),
        QString::fromUtf16(u"x\u2029y\u2028z\uFDD0w\uFDD1v"),
        QString::fromUtf16(u"\u00A0nbsp\ttab\u000Cfeed"),
        QString(QChar(0)) + QStringLiteral("nul"),
    };
    for (const QString& text : texts) {
        SCOPED_TRACE(text.toStdString());
        TVoTextBox before;
        before.SetText(text);
        EXPECT_FALSE(before.EditBuilt());
        EXPECT_EQ(EditLines(before.Edit()), before.Text());
        // Set once the edit exists: the same lines on both sides.
        TVoTextBox after;
        after.Edit();
        after.SetText(text);
        EXPECT_EQ(after.Text(), before.Text());
        EXPECT_EQ(EditLines(after.Edit()), after.Text());
    }
}

TEST(LazyTextPanel, FieldsSetBeforeTheEditExistsAreAllOnItOnceBuilt)
{
    TVoTextBox box;
    box.SetText(QStringLiteral("first\r\nsecond"));
    box.SetFont(MakeFont("Mono", 0x0000FF, 10, 0, fsBold));
    box.SetHint(QStringLiteral("Read me"));
    box.SetCursor(crHandPoint);
    box.SetAlignment(taCenter);
    box.SetWordWrap(false);
    box.SetScrollBars(ssBoth);
    box.SetColor(0x00ABCDEF);
    box.SetBorderStyle(tbsNone);
    box.SetTabStop(true);
    box.SetBounds(QRect(5, 6, 150, 90));
    ASSERT_FALSE(box.EditBuilt());
    QPlainTextEdit& edit = box.Edit();
    EXPECT_EQ(edit.toPlainText(), "first\nsecond");
    EXPECT_EQ(edit.font().family(), "Mono");
    EXPECT_TRUE(edit.font().bold());
    EXPECT_TRUE(edit.document()->defaultFont().bold());
    EXPECT_EQ(edit.palette().color(QPalette::Text), QColor(255, 0, 0));
    EXPECT_EQ(edit.palette().color(QPalette::Base), QColor(0xEF, 0xCD, 0xAB));
    EXPECT_EQ(box.toolTip(), "Read me");
    EXPECT_EQ(edit.viewport()->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(edit.cursor().shape(), Qt::PointingHandCursor); // over the frame and bars
    EXPECT_EQ(edit.document()->defaultTextOption().alignment(), Qt::AlignHCenter);
    EXPECT_EQ(edit.lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(edit.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(edit.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(edit.frameShape(), QFrame::NoFrame);
    EXPECT_TRUE(edit.focusPolicy() & Qt::TabFocus);
    EXPECT_TRUE(edit.isReadOnly());
    // The edit fills the panel, and keeps filling it.
    EXPECT_EQ(edit.geometry(), QRect(0, 0, 150, 90));
    box.SetBounds(QRect(0, 0, 60, 70));
    EXPECT_EQ(edit.geometry(), QRect(0, 0, 60, 70));

    // The rich-text panel shares the look; its defaults reach the edit too.
    TVoRichText panel;
    panel.SetFont(MakeFont("Serif", clBlack, 12, 0, fsItalic));
    panel.SetAlignment(taRightJustify);
    panel.SetColor(clRed);
    panel.SetCursor(crDefault);
    ASSERT_FALSE(panel.EditBuilt());
    QTextEdit& rich = panel.Edit();
    EXPECT_TRUE(rich.font().italic());
    EXPECT_EQ(rich.palette().color(QPalette::Base), QColor(255, 0, 0));
    EXPECT_EQ(rich.document()->defaultTextOption().alignment(), Qt::AlignRight);
    EXPECT_EQ(rich.lineWrapMode(), QTextEdit::WidgetWidth);
    EXPECT_EQ(rich.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(rich.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(rich.frameShape(), QFrame::StyledPanel);
    EXPECT_EQ(rich.focusPolicy(), Qt::ClickFocus);
    EXPECT_TRUE(rich.isReadOnly());
    EXPECT_EQ(rich.geometry(), QRect(QPoint(), panel.size()));
    // The default cursor leaves the parent's in force over the text.
    EXPECT_FALSE(rich.viewport()->testAttribute(Qt::WA_SetCursor));
    panel.SetCursor(crHandPoint);
    EXPECT_EQ(rich.viewport()->cursor().shape(), Qt::PointingHandCursor);
    panel.SetCursor(crDefault);
    EXPECT_FALSE(rich.viewport()->testAttribute(Qt::WA_SetCursor));
}

TEST(LazyTextPanel, ThePlayersRichTextReadsItsFileWhenFirstShown)
{
    TempDir dir;
    dir.Write("note.rtf", "{\\rtf1\\ansi Old words}");
    ProcessStateGuard player(false, dir.Path());
    TVoRichText panel;
    panel.SetFileName(QStringLiteral("\\note.rtf"));
    EXPECT_FALSE(panel.EditBuilt());
    dir.Write("note.rtf", "{\\rtf1\\ansi New words}");
    panel.show();
    ASSERT_TRUE(panel.EditBuilt());
    EXPECT_TRUE(panel.Edit().isVisible());
    EXPECT_EQ(panel.Edit().toPlainText(), "New words");

    // The studio reads it the same way, for the canvas to show.
    IsStudio = true;
    TVoRichText studio;
    studio.SetFileName(QStringLiteral("\\note.rtf"));
    EXPECT_FALSE(studio.EditBuilt());
    studio.show();
    EXPECT_EQ(studio.Edit().toPlainText(), "New words");
}

TEST(LazyTextPanel, EventsFocusAndTabOrderAreThoseOfTheEdit)
{
    QWidget window;
    auto* before = new QPushButton(QStringLiteral("before"), &window);
    auto* box = new TVoTextBox(&window);
    box->SetTabStop(true);
    auto* middle = new QPushButton(QStringLiteral("middle"), &window);
    auto* panel = new TVoRichText(&window);
    auto* after = new QPushButton(QStringLiteral("after"), &window);
    box->SetBounds(QRect(0, 40, 100, 60));
    panel->SetBounds(QRect(0, 110, 100, 60));
    after->move(0, 180);
    int clicks = 0;
    QStringList entered;
    box->OnClick = [&](TVoControl&) { ++clicks; };
    box->OnMouseEnterHook = [&](TVoControl&) { entered << "box"; };
    panel->OnMouseEnterHook = [&](TVoControl&) { entered << "panel"; };
    window.show();
    ASSERT_TRUE(box->EditBuilt());
    ASSERT_TRUE(panel->EditBuilt());

    // Built after the buttons, the edits still take the panels' places.
    before->setFocus();
    QTest::keyClick(before, Qt::Key_Tab);
    EXPECT_EQ(window.focusWidget(), &box->Edit());
    QTest::keyClick(&box->Edit(), Qt::Key_Tab);
    EXPECT_EQ(window.focusWidget(), middle);
    QTest::keyClick(middle, Qt::Key_Tab); // the panel without a tab stop is passed
    EXPECT_EQ(window.focusWidget(), after);
    QTest::keyClick(after, Qt::Key_Backtab);
    EXPECT_EQ(window.focusWidget(), middle);
    QTest::keyClick(middle, Qt::Key_Backtab);
    EXPECT_EQ(window.focusWidget(), &box->Edit());
    // Focus given to the panel goes to its edit.
    panel->setFocus();
    EXPECT_EQ(window.focusWidget(), &panel->Edit());

    QWidget* area = box->Edit().viewport();
    QTest::mouseClick(area, Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(clicks, 1);
    // A release outside is no click.
    QTest::mousePress(area, Qt::LeftButton, {}, QPoint(5, 5));
    QTest::mouseRelease(area, Qt::LeftButton, {}, QPoint(500, 5));
    EXPECT_EQ(clicks, 1);
    QEnterEvent enter(QPointF(3, 3), QPointF(3, 3), QPointF(3, 3));
    QApplication::sendEvent(&box->Edit(), &enter);
    QApplication::sendEvent(&panel->Edit(), &enter);
    EXPECT_EQ(entered, (QStringList{"box", "panel"}));

    // The hint shows over the text, from the panel.
    box->SetHint(QStringLiteral("Read me"));
    QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), area->mapToGlobal(QPoint(5, 5)));
    QApplication::sendEvent(area, &help);
    EXPECT_EQ(QToolTip::text(), "Read me");
    QToolTip::hideText();
}
