// SPDX-License-Identifier: GPL-2.0-or-later
// The simple text's drawing, the text box's line breaks and how the text
// controls put their stored fields onto the widget.
#include "KindRecordTesting.h"
#include "support/ProcessStateGuard.h"

#include "controls/TextControlLook.h"
#include "controls/VoRichText.h"
#include "controls/VoSimpleText.h"
#include "controls/VoTextBox.h"
#include "support/TempDir.h"

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QTextOption>

namespace {

// Whether any pixel inside the rectangle is darker than mid grey.
bool HasInk(const QImage& image, const QRect& area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (qGray(image.pixel(x, y)) < 128) return true;
    return false;
}

} // namespace

TEST(SimpleText, DrawsTheCaptionWhereAlignedOverItsFaceUnlessTransparent)
{
    TVoSimpleText text;
    text.resize(120, 120);
    text.SetFont(MakeFont("Sans Serif", clBlack, 20, 1, 0));
    text.SetCaption(QStringLiteral("W"));
    text.SetAlignment(taRightJustify);
    text.SetLayout(tlBottom);
    text.SetColor(clRed);
    QImage image(text.size(), QImage::Format_RGB32);
    image.fill(Qt::white);
    text.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    EXPECT_EQ(image.pixel(1, 1), qRgb(255, 255, 255));
    EXPECT_TRUE(HasInk(image, QRect(60, 60, 60, 60)));
    EXPECT_FALSE(HasInk(image, QRect(0, 0, 120, 60)));
    EXPECT_FALSE(HasInk(image, QRect(0, 0, 60, 120)));

    text.SetTransparent(false);
    text.render(&image, QPoint(), QRegion(), QWidget::DrawChildren);
    EXPECT_EQ(image.pixel(1, 1), qRgb(255, 0, 0));
}

TEST(TextBox, EveryLineBreakBecomesCrLfAndNothingIsAdded)
{
    TVoTextBox box;
    box.SetText(QStringLiteral("a\nb\rc\r\nd"));
    EXPECT_EQ(box.Text(), "a\r\nb\r\nc\r\nd");
    box.SetText(QStringLiteral("x\r"));
    EXPECT_EQ(box.Text(), "x\r\n");
    box.SetText(QStringLiteral("\r\r\n\n"));
    EXPECT_EQ(box.Text(), "\r\n\r\n\r\n");
}

TEST(TextBox, StoredFieldsReachTheWidget)
{
    TVoTextBox box;
    QPlainTextEdit& edit = box.Edit();
    EXPECT_EQ(edit.viewport()->cursor().shape(), Qt::ArrowCursor);
    EXPECT_FALSE(edit.focusPolicy() & Qt::TabFocus);
    EXPECT_EQ(edit.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(edit.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);

    TVoTextBox source;
    source.SetFont(MakeFont("Mono", 0x0000FF, 10, 0, fsBold));
    source.SetHint(QStringLiteral("Read me"));
    source.SetCursor(crHandPoint);
    source.SetAlignment(taRightJustify);
    source.SetWordWrap(false);
    source.SetScrollBars(ssHorizontal);
    source.SetColor(0x00ABCDEF);
    source.SetBorderStyle(tbsNone);
    source.SetTabStop(true);
    // Read onto an edit that exists already.
    ASSERT_TRUE(ReadKind(box, WriteKind(source)).ok);
    EXPECT_TRUE(edit.font().bold());
    EXPECT_EQ(edit.palette().color(QPalette::Text), QColor(255, 0, 0));
    EXPECT_EQ(edit.palette().color(QPalette::Base), QColor(0xEF, 0xCD, 0xAB));
    EXPECT_EQ(box.toolTip(), "Read me");
    EXPECT_EQ(edit.viewport()->cursor().shape(), Qt::PointingHandCursor);
    EXPECT_EQ(edit.document()->defaultTextOption().alignment(), Qt::AlignRight);
    EXPECT_EQ(edit.lineWrapMode(), QPlainTextEdit::NoWrap);
    EXPECT_EQ(edit.horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(edit.verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    EXPECT_EQ(edit.frameShape(), QFrame::NoFrame);
    EXPECT_TRUE(edit.focusPolicy() & Qt::TabFocus);
    EXPECT_TRUE(edit.isReadOnly());
}

TEST(TextBox, ClickOnTheTextAreaFiresOnce)
{
    TVoTextBox box;
    int clicks = 0;
    box.OnClick = [&](TVoControl&) { ++clicks; };
    QWidget* area = box.Edit().viewport();
    const QPointF at(5, 5);
    QMouseEvent press(QEvent::MouseButtonPress, at, area->mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, at, area->mapToGlobal(at), Qt::LeftButton,
                        Qt::NoButton, Qt::NoModifier);
    QApplication::sendEvent(area, &press);
    QApplication::sendEvent(area, &release);
    EXPECT_EQ(clicks, 1);
}

TEST(RichText, FileLoadsInStudioAndPlayerAndAMissingOneEmptiesThePanel)
{
    TempDir project;
    QDir(project.Path()).mkdir("docs");
    project.Write("docs/readme.rtf", "{\\rtf1\\ansi Hello there}");
    {
        // The studio's canvas shows the text as the player will.
        ProcessStateGuard studio(true, project.Path());
        TVoRichText panel;
        panel.SetFileName(QStringLiteral("\\docs\\readme.rtf"));
        EXPECT_EQ(panel.Edit().toPlainText(), "Hello there");
    }
    ProcessStateGuard player(false, project.Path());
    TVoRichText panel;
    panel.SetFileName(QStringLiteral("\\docs\\readme.rtf"));
    QTextEdit& edit = panel.Edit();
    EXPECT_TRUE(edit.toPlainText().contains("Hello there")) << edit.toPlainText().toStdString();
    panel.SetFileName(QStringLiteral("\\docs\\missing.rtf"));
    EXPECT_TRUE(edit.toPlainText().isEmpty());
    panel.SetFileName(QStringLiteral("\\docs\\readme.rtf"));
    panel.SetFileName(QStringLiteral("\\docs")); // a folder is no file
    EXPECT_TRUE(edit.toPlainText().isEmpty());
}
