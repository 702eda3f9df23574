// SPDX-License-Identifier: GPL-2.0-or-later
#include "studio/ColorPalette.h"

#include <QPainter>

#include <iterator>

namespace {

// Swatch colours as 0xRRGGBB, rows top to bottom.
constexpr QRgb kSwatches[kPaletteRows][kPaletteColumns] = {
    {0xFFFFFF, 0xFFCCCC, 0xFFCC99, 0xFFFF99, 0xFFFFCC, 0x99FF99, 0x99FFFF, 0xCCFFFF, 0xCCCCFF, 0xFFCCFF},
    {0xCCCCCC, 0xFF6666, 0xFF9966, 0xFFFF66, 0xFFFF33, 0x66FF99, 0x33FFFF, 0x66FFFF, 0x9999FF, 0xFF99FF},
    {0xC0C0C0, 0xFF0000, 0xFF9900, 0xFFCC66, 0xFFFF00, 0x33FF33, 0x66CCCC, 0x33CCFF, 0x6666CC, 0xCC66CC},
    {0x999999, 0xCC0000, 0xFF6600, 0xFFCC33, 0xFFCC00, 0x33CC00, 0x00CCCC, 0x3366FF, 0x6633FF, 0xCC33CC},
    {0x666666, 0x990000, 0xCC6600, 0xCC9933, 0x999900, 0x009900, 0x339999, 0x3333FF, 0x6600CC, 0x993399},
    {0x333333, 0x660000, 0x993300, 0x996633, 0x666600, 0x006600, 0x336666, 0x000099, 0x333399, 0x663366},
    {0x000000, 0x330000, 0x663300, 0x663333, 0x333300, 0x003300, 0x003333, 0x000066, 0x330099, 0x330033},
};

// Stored values (0x00BBGGRR); system colours are clSystemColor + index.

} // namespace

QRgb PaletteSwatchRgb(int column, int row)
{
    if (column < 0 || column >= kPaletteColumns || row < 0 || row >= kPaletteRows) return qRgb(0, 0, 0);
    return 0xFF000000u | kSwatches[row][column];
}

QImage PaletteBitmap()
{
    QImage bitmap(kPaletteColumns, kPaletteRows, QImage::Format_RGB32);
    for (int row = 0; row < kPaletteRows; ++row)
        for (int column = 0; column < kPaletteColumns; ++column)
            bitmap.setPixel(column, row, PaletteSwatchRgb(column, row));
    return bitmap;
}

QRect PaletteSwatchRect(int column, int row)
{
    return QRect(column * kSwatchWidth, row * kSwatchHeight, kSwatchWidth, kSwatchHeight);
}

QImage DrawPalette(const QImage& bitmap)
{
    QImage palette(kPaletteWidth, kPaletteHeight, QImage::Format_RGB32);
    palette.fill(kPaletteBackgroundRgb);
    QPainter painter(&palette);
    for (int row = 0; row < kPaletteRows; ++row) {
        for (int column = 0; column < kPaletteColumns; ++column) {
            const QRect swatch = PaletteSwatchRect(column, row);
            const QRgb fill = bitmap.valid(column, row) ? bitmap.pixel(column, row) : kPaletteBackgroundRgb;
            painter.fillRect(swatch, QColor::fromRgb(kSwatchOutlineRgb));
            painter.fillRect(swatch.adjusted(1, 1, -1, -1), QColor::fromRgb(fill));
        }
    }
    return palette;
}

std::optional<TColor> PaletteColorAt(const QImage& palette, QPoint point)
{
    if (!palette.valid(point)) return std::nullopt;
    const QRgb rgb = palette.pixel(point);
    if (IsIgnoredPaletteRgb(rgb)) return std::nullopt;
    return RgbColor(qRed(rgb), qGreen(rgb), qBlue(rgb));
}

QString ColorValueText(TColor color, const QPalette& palette)
{
    const QColor shown = ColorToQColor(color, palette);
    return QStringLiteral("R: %1 G: %2 B: %3  HEX: %4")
        .arg(shown.red())
        .arg(shown.green())
        .arg(shown.blue())
        .arg(QString::number(color, 16).toUpper().rightJustified(8, u'0'));
}
