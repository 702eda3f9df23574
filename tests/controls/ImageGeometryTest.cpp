// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/ImageGeometry.h"

#include <gtest/gtest.h>

TEST(ImageDestRect, ProportionalScalesDownKeepingTheAspect)
{
    EXPECT_EQ(ImageDestRect({400, 400}, {100, 50}, false, true, false), QRect(0, 0, 50, 50));
    EXPECT_EQ(ImageDestRect({400, 400}, {100, 50}, false, true, true), QRect(25, 0, 50, 50));
    // Wide picture into a tall area: width fills, height follows.
    EXPECT_EQ(ImageDestRect({300, 100}, {90, 200}, false, true, true), QRect(0, 85, 90, 30));
    // A picture that fits is left alone unless stretched.
    EXPECT_EQ(ImageDestRect({40, 20}, {100, 50}, false, true, false), QRect(0, 0, 40, 20));
    EXPECT_EQ(ImageDestRect({40, 20}, {100, 80}, true, true, false), QRect(0, 0, 100, 50));
}

TEST(ImageDestRect, StretchFillsAndCenterRoundsTowardZero)
{
    EXPECT_EQ(ImageDestRect({40, 20}, {100, 50}, true, false, true), QRect(0, 0, 100, 50));
    EXPECT_EQ(ImageDestRect({41, 21}, {100, 50}, false, false, true), QRect(29, 14, 41, 21));
    // Larger than the area and not stretched: centred with a negative offset.
    EXPECT_EQ(ImageDestRect({105, 55}, {100, 50}, false, false, true), QRect(-2, -2, 105, 55));
    EXPECT_EQ(ImageDestRect({0, 0}, {100, 50}, false, true, true), QRect(50, 25, 0, 0));
}
