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
    EXPECT_EQ(panel.textCursor().position(), 0);
    EXPECT_EQ(panel.verticalScrollBar()->value(), 0);
    EXPECT_TRUE(panel.toPlainText().startsWith("Line 0\nLine 1"));
}
