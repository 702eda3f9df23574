// SPDX-License-Identifier: GPL-2.0-or-later
#include "support/ProcessStateGuard.h"
#include "controls/VoRichText.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QScrollBar>

TEST(RichTextLoad, ALongFileIsShownFromItsBeginning)
{
    TempDir dir;
    QByteArray rtf = "{\\rtf1\\ansi ";
    for (int i = 0; i < 200; ++i) rtf += "Line " + QByteArray::number(i) + "\\par ";
    rtf += "}";
    dir.Write("long.rtf", rtf);
    ProcessStateGuard player(false, dir.Path());
    TVoRichText panel(nullptr);
    panel.resize(200, 100);
    panel.SetFileName("\\long.rtf");
    QTextEdit& edit = panel.Edit();
    EXPECT_EQ(edit.textCursor().position(), 0);
    EXPECT_EQ(edit.verticalScrollBar()->value(), 0);
    EXPECT_TRUE(edit.toPlainText().startsWith("Line 0\nLine 1"));
    // Loaded again into the edit that exists.
    edit.moveCursor(QTextCursor::End);
    panel.SetFileName("\\long.rtf");
    EXPECT_EQ(edit.textCursor().position(), 0);
    EXPECT_EQ(edit.verticalScrollBar()->value(), 0);
}
