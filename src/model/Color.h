// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QColor>
#include <QPalette>

// A stored colour: 0x00BBGGRR for an RGB colour (red in the low byte), or
// a system colour when the top bit is set, named by the index in the low
// byte. Stored unchanged; turned into RGB only when drawn.
using TColor = quint32;

constexpr TColor clBlack = 0x000000;
constexpr TColor clWhite = 0xFFFFFF;
constexpr TColor clRed = 0x0000FF;
constexpr TColor clBlue = 0xFF0000;
constexpr TColor clGray = 0x808080;
constexpr TColor clSystemColor = 0xFF000000;
constexpr TColor clBtnFace = clSystemColor + 15;
constexpr TColor clBtnHighlight = clSystemColor + 20;

constexpr bool IsSystemColor(TColor color) { return (color & 0x80000000u) != 0; }
constexpr TColor RgbColor(int red, int green, int blue)
{
    return TColor(red & 0xFF) | (TColor(green & 0xFF) << 8) | (TColor(blue & 0xFF) << 16);
}

// The palette group and role that stand for a system colour index; false
// for an index outside the table.
bool SystemColorRole(int index, QPalette::ColorGroup& group, QPalette::ColorRole& role);
// The colour to draw with. A system colour takes its palette entry (black
// for an unknown index); the top byte of an RGB colour is ignored.
QColor ColorToQColor(TColor color, const QPalette& palette);
// The colour as 0x00BBGGRR, system colours resolved through the palette.
TColor ColorToRgb(TColor color, const QPalette& palette);
// An opaque QColor as a stored RGB colour.
TColor QColorToColor(const QColor& color);
