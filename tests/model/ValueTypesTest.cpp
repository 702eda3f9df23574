// SPDX-License-Identifier: GPL-2.0-or-later
#include "model/ColorNames.h"
#include "model/Color.h"
#include "model/Cursor.h"
#include "model/VoFont.h"

#include <gtest/gtest.h>

#include <QFont>

TEST(Colors, RgbColorsKeepRedInTheLowByte)
{
    const QPalette palette;
    EXPECT_EQ(ColorToQColor(0x0000FF, palette), QColor(255, 0, 0));
    EXPECT_EQ(ColorToQColor(0xFF0000, palette), QColor(0, 0, 255));
    EXPECT_EQ(ColorToQColor(0x123456, palette), QColor(0x56, 0x34, 0x12));
    EXPECT_EQ(QColorToColor(QColor(0x56, 0x34, 0x12)), 0x123456u);
    EXPECT_EQ(RgbColor(1, 2, 3), 0x030201u);
}

TEST(Colors, SystemColorsResolveThroughThePalette)
{
    QPalette palette;
    palette.setColor(QPalette::Active, QPalette::Button, QColor(10, 20, 30));
    palette.setColor(QPalette::Active, QPalette::Light, QColor(200, 210, 220));
    palette.setColor(QPalette::Disabled, QPalette::Text, QColor(99, 98, 97));
    EXPECT_TRUE(IsSystemColor(clBtnFace));
    EXPECT_FALSE(IsSystemColor(clWhite));
    EXPECT_EQ(ColorToQColor(clBtnFace, palette), QColor(10, 20, 30));
    EXPECT_EQ(ColorToQColor(clBtnHighlight, palette), QColor(200, 210, 220));
    EXPECT_EQ(ColorToQColor(clSystemColor + 17, palette), QColor(99, 98, 97));
    EXPECT_EQ(ColorToRgb(clBtnFace, palette), RgbColor(10, 20, 30));
    // An index past the table draws black rather than garbage.
    EXPECT_EQ(ColorToQColor(clSystemColor + 31, palette), QColor(Qt::black));
}

TEST(Cursors, NamesShapesAndUnknownCodes)
{
    EXPECT_EQ(CursorName(0), "Default");
    EXPECT_EQ(CursorName(-21), "HandPoint");
    EXPECT_EQ(CursorName(-17), "SQLWait");
    EXPECT_EQ(CursorName(-5), "Unknown");
    EXPECT_EQ(CursorName(1), "Unknown");
    EXPECT_EQ(CursorName(-23), "Unknown");
    EXPECT_EQ(CursorFromName("SizeAll"), std::optional<TCursor>(-22));
    EXPECT_EQ(CursorFromName("handpoint"), std::nullopt);
    EXPECT_EQ(CursorShape(-21), std::optional(Qt::PointingHandCursor));
    EXPECT_EQ(CursorShape(-1), std::optional(Qt::BlankCursor));
    EXPECT_EQ(CursorShape(0), std::nullopt);
    EXPECT_EQ(CursorShape(-5), std::nullopt);
    for (TCursor c = -22; c <= 0; ++c)
        if (CursorName(c) != "Unknown") EXPECT_EQ(CursorFromName(CursorName(c)), c);
}

TEST(Fonts, StyleBitsBecomeQtFontFlags)
{
    TVoFont font;
    font.Name = "DejaVu Serif";
    font.Size = 14;
    font.Style = fsBold | fsStrikeOut;
    const QFont q = ToQFont(font);
    EXPECT_EQ(q.family(), "DejaVu Serif");
    EXPECT_EQ(q.pointSize(), 14);
    EXPECT_TRUE(q.bold());
    EXPECT_FALSE(q.italic());
    EXPECT_FALSE(q.underline());
    EXPECT_TRUE(q.strikeOut());
}

TEST(ColorNames, FiftyNamedColoursAndCustomForEveryOtherValue)
{
    EXPECT_EQ(NamedColors().size(), 50u);
    EXPECT_EQ(ColorName(0xFF00000F), "Button Face");
    EXPECT_EQ(ColorName(0xFF000015), "3D Dark Shadow");
    EXPECT_EQ(ColorName(0xF0CAA6), "Sky Blue");
    EXPECT_EQ(ColorName(0x123456), "Custom");
    EXPECT_EQ(ColorName(0x1FFFFFFF), "Custom");
    EXPECT_EQ(ColorName(0xFF000019), "Custom");
}
