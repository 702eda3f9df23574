// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "model/Color.h"

#include <QImage>
#include <QPalette>
#include <QRect>
#include <QString>

#include <optional>

// The colour picker's palette: 10 columns by 7 rows of swatches, each
// 35 x 30 pixels, drawn from a 10 x 7 bitmap that holds one pixel per swatch.
constexpr int kPaletteColumns = 10;
constexpr int kPaletteRows = 7;
constexpr int kSwatchWidth = 35;
constexpr int kSwatchHeight = 30;
constexpr int kPaletteWidth = kPaletteColumns * kSwatchWidth;   // 350
constexpr int kPaletteHeight = kPaletteRows * kSwatchHeight;    // 210

// Every swatch is outlined in this colour. It is no palette colour, so a
// pixel of it always means "between swatches".
constexpr QRgb kSwatchOutlineRgb = qRgb(1, 0, 0);
// What the palette picture holds where no swatch is drawn.
constexpr QRgb kPaletteBackgroundRgb = qRgb(127, 128, 128);

// The colour of the swatch in that column and row as an opaque QRgb;
// black outside the table.
QRgb PaletteSwatchRgb(int column, int row);
// The 10 x 7 bitmap: pixel (c, r) is the colour of swatch (c, r).
QImage PaletteBitmap();
// The area of swatch (c, r) in the drawn palette, outline included.
QRect PaletteSwatchRect(int column, int row);
// The 350 x 210 palette picture drawn from a bitmap of PaletteBitmap's
// form: each swatch a rectangle outlined in kSwatchOutlineRgb and filled
// with its bitmap pixel.
QImage DrawPalette(const QImage& bitmap);

// Pixels of these colours are outlines or background: a click on one
// selects nothing.
constexpr bool IsIgnoredPaletteRgb(QRgb rgb)
{
    const QRgb opaque = rgb & 0xFFFFFFu;
    return opaque == (kSwatchOutlineRgb & 0xFFFFFFu) || opaque == (kPaletteBackgroundRgb & 0xFFFFFFu);
}
// The colour a click at point of the drawn palette selects: the pixel
// under it, or nothing for an outline, the background or a point outside.
std::optional<TColor> PaletteColorAt(const QImage& palette, QPoint point);

// The value label of the colour picker:
// "R: 255 G: 0 B: 0  HEX: 000000FF". Red, green and blue are those drawn
// (system colours resolved through the palette); the hex digits are the
// stored value, so a system colour shows its code.
QString ColorValueText(TColor color, const QPalette& palette);


