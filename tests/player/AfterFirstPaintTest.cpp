// SPDX-License-Identifier: GPL-2.0-or-later
// Work held back until the first frame: it waits for a real paint on
// screen, not for pictures drawn of hidden windows, and runs once.
#include "player/AfterFirstPaint.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QTest>
#include <QWidget>

TEST(AfterFirstPaint, RunsOnceAfterTheFirstShownPaintNotAfterARender)
{
    int runs = 0;
    RunAfterFirstPaint([&runs] { ++runs; });
    QWidget window;
    window.resize(120, 80);
    QImage picture(window.size(), QImage::Format_RGB32);
    window.render(&picture);
    QTest::qWait(50);
    EXPECT_EQ(runs, 0);

    window.show();
    ASSERT_TRUE(QTest::qWaitFor([&runs] { return runs > 0; }, 1500));
    window.update();
    QTest::qWait(50);
    EXPECT_EQ(runs, 1);
}
