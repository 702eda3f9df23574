// SPDX-License-Identifier: GPL-2.0-or-later
#include "model/GraphicClasses.h"
#include "player/BackgroundPainter.h"

#include <gtest/gtest.h>

#include <QImage>
#include <QPalette>

#include <functional>

namespace {

const QPalette kPalette;
const TColor kBack = RgbColor(10, 20, 30);

// Pixel (x, y) of a test picture: unique for x and y below 16.
TColor PictureColor(int x, int y) { return RgbColor(100 + x, 200 + y, 7); }

TPicture MakePicture(int w, int h)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x) image.setPixelColor(x, y, ColorToQColor(PictureColor(x, y), kPalette));
    auto png = NewGraphic(GraphicKind::Png);
    png->Assign(image);
    TPicture picture;
    picture.SetGraphic(std::move(png));
    return picture;
}

TColor PixelAt(const QImage& image, int x, int y)
{
    const QColor c = image.pixelColor(x, y);
    return RgbColor(c.red(), c.green(), c.blue());
}

void ExpectEvery(const QImage& image, const std::function<TColor(int, int)>& expected)
{
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) ASSERT_EQ(PixelAt(image, x, y), expected(x, y)) << x << "," << y;
}

QImage Painted(int w, int h, TPicture picture, quint8 style, const TGridDisplay& grid = {})
{
    TProjectSettings s;
    s.BackColor = kBack;
    s.GradientStyle = gsNone;
    s.BackImage = std::move(picture);
    s.BackImageStyle = style;
    QImage surface(w, h, QImage::Format_RGB32);
    surface.fill(Qt::magenta);
    PaintBackground(surface, s, grid, kPalette);
    return surface;
}

} // namespace

TEST(PaintBackground, FillsWithTheBackColourOrTheGradient)
{
    ExpectEvery(Painted(3, 2, {}, isNormal), [](int, int) { return kBack; });
    QPalette palette;
    palette.setColor(QPalette::Active, QPalette::Button, QColor(40, 80, 120));
    TProjectSettings s;
    s.BackColor = clBtnFace;
    s.GradientStyle = gsBottomTop;
    s.GradientColor = clBlack;
    QImage surface(3, 2, QImage::Format_RGB32);
    PaintBackground(surface, s, {}, palette);
    EXPECT_EQ(PixelAt(surface, 2, 0), clBlack);
    EXPECT_EQ(PixelAt(surface, 0, 1), RgbColor(20, 40, 60));
    // A code no gradient has takes the back colour instead of leaving
    // the old pixels.
    s.GradientStyle = 9;
    PaintBackground(surface, s, {}, palette);
    EXPECT_EQ(PixelAt(surface, 1, 0), RgbColor(40, 80, 120));
}

TEST(PaintBackground, NormalAndCenterDrawAtTheirOwnSize)
{
    ExpectEvery(Painted(5, 4, MakePicture(2, 3), isNormal),
                [](int x, int y) { return x < 2 && y < 3 ? PictureColor(x, y) : kBack; });
    // ((5 - 2) div 2, (6 - 3) div 2) = (1, 1).
    ExpectEvery(Painted(5, 6, MakePicture(2, 3), isCenter), [](int x, int y) {
        return x >= 1 && x < 3 && y >= 1 && y < 4 ? PictureColor(x - 1, y - 1) : kBack;
    });
    // 8 wide on 4: two columns cut each side. 7 high on 4: (4 - 7) div 2 is
    // -1 truncated toward zero, so one row is cut at the top, two below.
    ExpectEvery(Painted(4, 4, MakePicture(8, 7), isCenter), [](int x, int y) { return PictureColor(x + 2, y + 1); });
}

TEST(PaintBackground, StretchCoversTheWholeSurface)
{
    // 2x2 scaled to 6x4: each picture pixel becomes a 3x2 block.
    ExpectEvery(Painted(6, 4, MakePicture(2, 2), isStretch), [](int x, int y) { return PictureColor(x / 3, y / 2); });
}

TEST(PaintBackground, TileLeavesPartialTilesAtTheRightAndBottom)
{
    ExpectEvery(Painted(7, 5, MakePicture(3, 2), isTile), [](int x, int y) { return PictureColor(x % 3, y % 2); });
    ExpectEvery(Painted(3, 3, MakePicture(5, 4), isTile), [](int x, int y) { return PictureColor(x, y); });
}

TEST(PaintBackground, EmptyPictureOrUnknownStyleLeavesTheBackground)
{
    ExpectEvery(Painted(3, 3, MakePicture(2, 2), 4), [](int, int) { return kBack; });
    TPicture empty;
    empty.SetGraphic(NewGraphic(GraphicKind::Png));
    ExpectEvery(Painted(3, 3, std::move(empty), isTile), [](int, int) { return kBack; });
}

TEST(PaintBackground, GridMarksMultiplesOfItsSizeOverThePicture)
{
    ExpectEvery(Painted(7, 5, MakePicture(7, 5), isNormal, {true, 3, 2}),
                [](int x, int y) { return x % 3 == 0 && y % 2 == 0 ? clBlack : PictureColor(x, y); });
    // Sizes dividing the surface: the marks past the far edges are skipped.
    ExpectEvery(Painted(6, 4, {}, isNormal, {true, 3, 2}),
                [](int x, int y) { return x % 3 == 0 && y % 2 == 0 ? clBlack : kBack; });
    for (const TGridDisplay grid : {TGridDisplay{false, 2, 2}, TGridDisplay{true, 0, 2}, TGridDisplay{true, 2, -1}})
        ExpectEvery(Painted(4, 4, {}, isNormal, grid), [](int, int) { return kBack; });
}

TEST(PaintBackdrop, PaintsGradientAndPictureWithoutGrid)
{
    QImage surface(6, 5, QImage::Format_RGB32);
    PaintBackdrop(surface, clBlack, gsLeftRightMiddle, RgbColor(200, 100, 40), MakePicture(2, 1), isCenter,
                  kPalette);
    // Six columns: C2 in the middle, two thirds of the way to black at the sides.
    EXPECT_EQ(PixelAt(surface, 0, 0), RgbColor(67, 33, 13));
    EXPECT_EQ(PixelAt(surface, 3, 4), RgbColor(200, 100, 40));
    EXPECT_EQ(PixelAt(surface, 5, 4), RgbColor(67, 33, 13));
    EXPECT_EQ(PixelAt(surface, 2, 2), PictureColor(0, 0));
    EXPECT_EQ(PixelAt(surface, 3, 2), PictureColor(1, 0));
    QImage null;
    PaintBackdrop(null, clBlack, gsTopBottom, clWhite, MakePicture(2, 2), isTile, kPalette);
    EXPECT_TRUE(null.isNull());
}
