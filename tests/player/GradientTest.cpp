// SPDX-License-Identifier: GPL-2.0-or-later
#include "model/ProjectSettings.h"
#include "player/Gradient.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPalette>

#include <vector>

namespace {

const QPalette kPalette;
constexpr TColor kSentinel = 0x123456;
constexpr TColor kMixed = 0xFFFFFFFF; // a line whose pixels differ
constexpr TColor C1 = 0x000000;
// Distinct channels catch a red/blue swap; over 2, 4 and 5 steps the
// blends are whole numbers.
const TColor C2 = RgbColor(200, 100, 40);
const TColor kHalf = RgbColor(100, 50, 20);

TColor Blend(TColor a, TColor b, int n, int i) { return BlendColor(a, b, n, i, kPalette); }

TColor PixelAt(const QImage& image, int x, int y)
{
    const QColor c = image.pixelColor(x, y);
    return RgbColor(c.red(), c.green(), c.blue());
}

QImage Filled(int w, int h, int style, QImage::Format format = QImage::Format_RGB32)
{
    QImage image(w, h, format);
    image.fill(ColorToQColor(kSentinel, kPalette));
    GradientFill(image, style, C1, C2, kPalette);
    return image;
}

// The colour of each row (or column), kMixed where its pixels differ.
std::vector<TColor> Lines(const QImage& image, bool rows)
{
    std::vector<TColor> lines;
    const int count = rows ? image.height() : image.width();
    const int along = rows ? image.width() : image.height();
    for (int k = 0; k < count; ++k) {
        const TColor first = rows ? PixelAt(image, 0, k) : PixelAt(image, k, 0);
        for (int j = 1; j < along; ++j)
            if ((rows ? PixelAt(image, j, k) : PixelAt(image, k, j)) != first) lines.push_back(kMixed);
        if (int(lines.size()) == k) lines.push_back(first);
    }
    return lines;
}

} // namespace

TEST(BlendColor, RoundsToNearestWithTiesToEvenPerChannel)
{
    EXPECT_EQ(Blend(0, RgbColor(1, 0, 0), 2, 1), 0u);                     // 0.5 -> 0
    EXPECT_EQ(Blend(0, RgbColor(3, 0, 0), 2, 1), RgbColor(2, 0, 0));      // 1.5 -> 2
    EXPECT_EQ(Blend(0, RgbColor(5, 7, 1), 2, 1), RgbColor(2, 4, 0));      // 2.5, 3.5, 0.5
    EXPECT_EQ(Blend(RgbColor(1, 3, 0), 0, 2, 1), RgbColor(1, 1, 0));      // -0.5, -1.5
    EXPECT_EQ(Blend(0, RgbColor(10, 10, 3), 3, 2), RgbColor(7, 7, 2));    // 6.67, 2
    EXPECT_EQ(Blend(RgbColor(255, 0, 128), RgbColor(0, 255, 128), 7, 3), RgbColor(146, 109, 128));
}

TEST(BlendColor, EndsAndStepCountsBelowOne)
{
    const TColor a = RgbColor(17, 201, 99);
    const TColor b = RgbColor(250, 3, 140);
    EXPECT_EQ(Blend(a, b, 9, 0), a);
    EXPECT_EQ(Blend(a, b, 9, 9), b);
    EXPECT_EQ(Blend(a, b, 0, 1), b);
    EXPECT_EQ(Blend(a, b, -4, 1), b);
}

TEST(BlendColor, ResolvesSystemColoursAndClearsTopByte)
{
    QPalette palette;
    palette.setColor(QPalette::Active, QPalette::Button, QColor(40, 80, 120));
    EXPECT_EQ(BlendColor(clBlack, clBtnFace, 2, 1, palette), RgbColor(20, 40, 60));
    EXPECT_EQ(Blend(0x12000080, 0x34000080, 1, 0), 0x000080u);
    QImage image(2, 1, QImage::Format_RGB32);
    GradientFill(image, gsLeftRight, clBtnFace, clBlack, palette);
    EXPECT_EQ(Lines(image, false), (std::vector<TColor>{RgbColor(40, 80, 120), RgbColor(20, 40, 60)}));
}

TEST(GradientFill, EveryStyleLineByLine)
{
    const TColor r1 = RgbColor(40, 20, 8), r2 = RgbColor(80, 40, 16), r3 = RgbColor(120, 60, 24),
                 r4 = RgbColor(160, 80, 32), q1 = RgbColor(50, 25, 10), q3 = RgbColor(150, 75, 30);
    const struct {
        int style, w, h;
        std::vector<TColor> lines;
    } cases[] = {
        {gsTopBottom, 4, 5, {C1, r1, r2, r3, r4}},
        {gsBottomTop, 4, 5, {C2, r4, r3, r2, r1}},
        {gsLeftRight, 4, 5, {C1, q1, kHalf, q3}},
        {gsRightLeft, 4, 5, {C2, q3, kHalf, q1}},
        // Rows 0-1 from C2 toward C1, rows 2-4 from C1 to exactly C2.
        {gsMiddleTopBottom, 4, 5, {C2, kHalf, C1, kHalf, C2}},
        {gsMiddleTopBottom, 3, 4, {C2, kHalf, C1, kHalf}},
        {gsTopBottomMiddle, 4, 5, {C1, kHalf, C2, kHalf, C1}},
        // The left half starts at the middle, so column 0 stops a step
        // short of C2; the odd width's right half reaches it.
        {gsMiddleLeftRight, 5, 4, {kHalf, C1, C1, kHalf, C2}},
        {gsMiddleLeftRight, 4, 5, {kHalf, C1, C1, kHalf}},
        {gsLeftRightMiddle, 5, 4, {kHalf, C2, C2, kHalf, C1}},
        {gsTopBottom, 1, 1, {C1}},       {gsBottomTop, 1, 1, {C2}},       {gsLeftRight, 1, 1, {C1}},
        {gsRightLeft, 1, 1, {C2}},       {gsMiddleTopBottom, 1, 1, {C1}}, {gsTopBottomMiddle, 1, 1, {C2}},
        {gsMiddleLeftRight, 1, 1, {C1}}, {gsLeftRightMiddle, 1, 1, {C2}},
    };
    for (const auto& c : cases) {
        const bool rows = c.style == gsTopBottom || c.style == gsBottomTop || c.style == gsMiddleTopBottom ||
                          c.style == gsTopBottomMiddle;
        EXPECT_EQ(Lines(Filled(c.w, c.h, c.style), rows), c.lines) << c.style << " " << c.w << "x" << c.h;
    }
}

TEST(GradientFill, PaintsNothingForNoneUnknownStylesOrEmptySurfaces)
{
    for (int style : {int(gsNone), 9, -1})
        EXPECT_EQ(Lines(Filled(3, 2, style), true), (std::vector<TColor>{kSentinel, kSentinel})) << style;
    for (const QSize size : {QSize(0, 5), QSize(5, 0)}) {
        QImage image(size, QImage::Format_RGB32);
        GradientFill(image, gsTopBottom, C1, C2, kPalette);
        EXPECT_TRUE(image.isNull());
    }
}

TEST(GradientFill, PaintsOtherFormatsOpaque)
{
    for (auto format : {QImage::Format_ARGB32_Premultiplied, QImage::Format_ARGB32, QImage::Format_RGB888}) {
        const QImage image = Filled(5, 4, gsMiddleLeftRight, format);
        EXPECT_EQ(Lines(image, false), (std::vector<TColor>{kHalf, C1, C1, kHalf, C2})) << format;
        EXPECT_EQ(qAlpha(image.pixel(4, 3)), 255) << format;
        EXPECT_EQ(Lines(Filled(4, 5, gsTopBottomMiddle, format), true),
                  (std::vector<TColor>{C1, kHalf, C2, kHalf, C1}))
            << format;
    }
}

TEST(GradientFill, KeepsToTheSurfaceMemory)
{
    // Each line of a surface over outside memory ends 2 pixels before the
    // next; those stay untouched, and so does a shared copy of a surface.
    std::vector<QRgb> memory(18, 0xFF010203u);
    QImage outside(reinterpret_cast<uchar*>(memory.data()), 4, 3, 6 * 4, QImage::Format_RGB32);
    GradientFill(outside, gsLeftRight, C1, C2, kPalette);
    for (size_t y = 0; y < 3; ++y)
        EXPECT_EQ(std::vector<QRgb>(memory.begin() + 6 * y + 3, memory.begin() + 6 * y + 6),
                  (std::vector<QRgb>{qRgb(150, 75, 30), 0xFF010203u, 0xFF010203u}));
    QImage surface = Filled(3, 3, gsNone);
    const QImage copy = surface;
    GradientFill(surface, gsTopBottom, C1, C2, kPalette);
    EXPECT_EQ(PixelAt(copy, 1, 1), kSentinel);
    EXPECT_EQ(PixelAt(surface, 1, 0), C1);
}
