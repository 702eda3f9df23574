// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <QStringList>

#include <optional>
#include <span>

class TPicture;

// The value texts of the property grid and the readers of typed values.

// "True" or "False".
QString BoolText(bool value);
// "[" + the picture's kind text + "]": [None], [Bitmap], [PNGImage] ...
QString PictureText(const TPicture& picture);
// "[Text]" for a text that is not empty, else "[None]".
QString LongTextMarker(const QString& text);
// "True" maps to true, "False" to false, anything else to nothing.
std::optional<bool> BoolFromText(const QString& text);

// A signed 32-bit integer as typed: leading spaces, an optional sign,
// then decimal digits, or hexadecimal ones after "$", "x", "X" or "0x".
// Nothing for an empty text, anything after the digits (a trailing space
// too) or a value beyond 32 bits.
std::optional<qint32> ParseNumberText(const QString& text);
// The value held to the limits that are in use: the maximum first, then
// the minimum.
qint32 LimitNumber(qint32 value, std::optional<qint32> minimum, std::optional<qint32> maximum);

// An enumeration as the grid shows it: the text of each code, and the
// order of its pick list, which need not follow the codes.
struct TCodeTable {
    std::span<const char* const> texts; // indexed by code
    std::span<const int> pickOrder;     // codes in pick-list order; empty: code order
};
// The text of a code; empty for a code outside the table.
QString CodeText(const TCodeTable& table, int code);
// The code whose text equals the text exactly; nothing for no match.
std::optional<int> CodeOfText(const TCodeTable& table, const QString& text);
QStringList PickList(const TCodeTable& table);

// The tables of the grid's enumerations.
const TCodeTable& GradientStyleTable();
const TCodeTable& ImageStyleTable();   // Normal, Center, Stretch, Tile
const TCodeTable& FormPositionTable();
const TCodeTable& ButtonStyleTable();
const TCodeTable& ImageLayoutTable();
const TCodeTable& AlignmentTable();    // Left, Right, Center
const TCodeTable& TextLayoutTable();   // Top, Center, Bottom; listed Top, Bottom, Center
const TCodeTable& ScrollBarsTable();
const TCodeTable& BoolTable();         // False, True
// The 22 cursor names in pick-list order.
QStringList CursorPickList();

// The text of a window's border (style and icons), and what choosing a
// text stores; nothing for a style without a text.
QString BorderText(quint8 borderStyle, quint8 borderIcons);
struct TBorderChoice {
    quint8 borderStyle;
    quint8 borderIcons;
};
std::optional<TBorderChoice> BorderFromText(const QString& text);
QStringList BorderPickList();
