// SPDX-License-Identifier: GPL-2.0-or-later
#include "support/ProcessStateGuard.h"
#include "RenderTesting.h"

#include "controls/ButtonLayout.h"
#include "controls/VoImageButton.h"

#include <gtest/gtest.h>

namespace {

constexpr QRgb kRed = qRgb(220, 0, 0);
constexpr QRgb kBlue = qRgb(0, 0, 230);

// A 60 x 30 button at (10, 10) on an 80 x 50 menu, with a 10 x 8 red image
// centred and no caption, so that no font decides a pixel.
class ButtonPaint : public testing::Test {
protected:
    ButtonPaint() : menu(QSize(80, 50)), button(new TVoImageButton(&menu))
    {
        button->setGeometry(kButton);
        button->SetCaption(QString());
        button->SetMargin(4);
        button->SetSpacing(3);
        button->SetImageLayout(blCenter);
        button->SetButtonStyle(btsTransparent);
        button->SetNormalImage(SolidPicture(GraphicKind::Png, kRed, 10, 8));
    }

    QImage RenderIn(bool studio)
    {
        ProcessStateGuard guard(studio, QString());
        return menu.Render();
    }

    // The pixels of the button other than the centred image.
    int MenuPixelsAroundImage(const QImage& image) const
    {
        return CountOf(image, kButton, kMenuColor);
    }

    static constexpr QRect kButton{10, 10, 60, 30};
    static constexpr QRect kImage{35, 21, 10, 8};
    static constexpr int kAroundImage = 60 * 30 - 10 * 8;

    TTestMenu menu;
    TVoImageButton* button;
};

// The pixels on the outermost ring of the area.
QList<QPoint> Ring(const QRect& area)
{
    QList<QPoint> ring;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (x == area.left() || x == area.right() || y == area.top() || y == area.bottom())
                ring.append(QPoint(x, y));
    return ring;
}

} // namespace

TEST_F(ButtonPaint, TransparentStyleInThePlayerDrawsOnlyTheImage)
{
    // The menu paints under the button only when the button claims none of its pixels.
    EXPECT_FALSE(button->autoFillBackground());
    EXPECT_FALSE(button->testAttribute(Qt::WA_OpaquePaintEvent));
    const QImage image = RenderIn(false);
    EXPECT_TRUE(AllOf(image, kImage, kRed));
    EXPECT_EQ(MenuPixelsAroundImage(image), kAroundImage);
}

TEST_F(ButtonPaint, TransparentStyleInTheStudioAddsTheDottedOutline)
{
    const QImage image = RenderIn(true);
    EXPECT_EQ(image.pixel(10, 10), kOutlineColor);
    const QRect edges[] = {{10, 10, 60, 1}, {10, 39, 60, 1}, {10, 10, 1, 30}, {69, 10, 1, 30}};
    for (const QRect& edge : edges) {
        const int grey = CountOf(image, edge, kOutlineColor);
        const int length = edge.width() * edge.height();
        EXPECT_GT(grey, length / 4) << edge.x() << "," << edge.y();
        EXPECT_LT(grey, length) << "dotted, not solid";
        EXPECT_EQ(grey + CountOf(image, edge, kMenuColor), length);
    }
    EXPECT_EQ(CountOf(image, kButton.adjusted(1, 1, -1, -1), kMenuColor), 58 * 28 - 10 * 8);
    EXPECT_TRUE(AllOf(image, kImage, kRed));
    EXPECT_EQ(image.pixel(9, 10), kMenuColor);
}

TEST_F(ButtonPaint, OnlyTheFlatStylesCarryTheOutline)
{
    for (quint8 style = btsNormal; style <= btsTransparent; ++style) {
        button->SetButtonStyle(style);
        const QImage player = RenderIn(false);
        const QImage studio = RenderIn(true);
        const bool flat =
            style == btsNormalFlat || style == btsThemesFlat || style == btsTransparent;
        EXPECT_EQ(player != studio, flat) << int(style);
        if (!flat) continue;
        for (const QPoint& at : Ring(kButton)) {
            if (studio.pixel(at) != player.pixel(at)) {
                EXPECT_EQ(studio.pixel(at), kOutlineColor) << int(style);
            }
        }
        const QRect inside = kButton.adjusted(1, 1, -1, -1);
        EXPECT_EQ(studio.copy(inside), player.copy(inside)) << int(style);
    }
}

TEST_F(ButtonPaint, NormalStyleFillsTheFaceAndSinksWhenPressed)
{
    button->SetButtonStyle(btsNormal);
    const QPalette& palette = button->palette();
    QImage image = RenderIn(false);
    EXPECT_EQ(image.pixel(15, 15), ColorToQColor(clBtnFace, palette).rgb());
    EXPECT_EQ(image.pixel(10, 10), palette.light().color().rgb());
    EXPECT_EQ(image.pixel(69, 39), palette.shadow().color().rgb());
    EXPECT_TRUE(AllOf(image, kImage, kRed));

    SendLeftPress(*button);
    image = RenderIn(false);
    EXPECT_EQ(image.pixel(15, 15), ColorToQColor(clBtnFace, palette).rgb());
    EXPECT_EQ(image.pixel(10, 10), palette.shadow().color().rgb());
    EXPECT_EQ(image.pixel(69, 39), palette.light().color().rgb());
}

TEST_F(ButtonPaint, NormalFlatStyleShowsAnEdgeOnlyWhenHotOrPressed)
{
    button->SetButtonStyle(btsNormalFlat);
    const QPalette& palette = button->palette();
    EXPECT_EQ(MenuPixelsAroundImage(RenderIn(false)), kAroundImage);

    SendEnter(*button);
    QImage image = RenderIn(false);
    EXPECT_EQ(image.pixel(40, 10), palette.light().color().rgb());
    EXPECT_EQ(image.pixel(40, 39), palette.dark().color().rgb());
    EXPECT_EQ(CountOf(image, kButton.adjusted(1, 1, -1, -1), kMenuColor), 58 * 28 - 10 * 8);

    SendLeftPress(*button);
    image = RenderIn(false);
    EXPECT_EQ(image.pixel(40, 10), palette.dark().color().rgb());
    EXPECT_EQ(image.pixel(40, 39), palette.light().color().rgb());
}

TEST_F(ButtonPaint, ThemedPushButtonDrawsEachState)
{
    button->SetButtonStyle(btsThemes);
    const QImage normal = RenderIn(false);
    EXPECT_NE(normal.pixel(15, 25), kMenuColor);
    EXPECT_TRUE(AllOf(normal, kImage, kRed));
    SendEnter(*button);
    const QImage hot = RenderIn(false);
    SendLeftPress(*button);
    const QImage pressed = RenderIn(false);
    EXPECT_NE(hot, normal);
    EXPECT_NE(pressed, hot);
    EXPECT_NE(pressed, normal);
}

TEST_F(ButtonPaint, ThemedToolButtonRaisesItsPanelOnlyUnderTheMouse)
{
    button->SetButtonStyle(btsThemesFlat);
    EXPECT_EQ(MenuPixelsAroundImage(RenderIn(false)), kAroundImage);
    SendEnter(*button);
    const QImage hot = RenderIn(false);
    EXPECT_NE(hot.pixel(15, 25), kMenuColor);
    SendLeftPress(*button);
    const QImage pressed = RenderIn(false);
    EXPECT_NE(pressed.pixel(15, 25), kMenuColor);
    EXPECT_NE(pressed.copy(kButton), hot.copy(kButton));
}

TEST_F(ButtonPaint, HeldDownWithDownSlideMovesTheImageTwoPixels)
{
    SendLeftPress(*button);
    ASSERT_TRUE(button->Down());
    QImage image = RenderIn(false);
    EXPECT_TRUE(AllOf(image, kImage.translated(2, 2), kRed));
    EXPECT_EQ(image.pixel(36, 22), kMenuColor);
    EXPECT_EQ(image.pixel(37, 22), kMenuColor);
    EXPECT_EQ(image.pixel(36, 23), kMenuColor);

    button->SetDownSlide(false);
    image = RenderIn(false);
    EXPECT_TRUE(AllOf(image, kImage, kRed));
    EXPECT_EQ(MenuPixelsAroundImage(image), kAroundImage);
}

TEST_F(ButtonPaint, MouseOverImageWhileHoveredAndUp)
{
    button->SetMouseOverImage(SolidPicture(GraphicKind::Png, kBlue, 20, 10));
    EXPECT_TRUE(AllOf(RenderIn(false), kImage, kRed));

    SendEnter(*button);
    QImage image = RenderIn(false);
    // Placed by its own size: (60 - 20) div 2, (30 - 10) div 2.
    EXPECT_TRUE(AllOf(image, QRect(30, 20, 20, 10), kBlue));
    EXPECT_EQ(CountOf(image, kButton, kRed), 0);

    SendLeftPress(*button);
    image = RenderIn(false);
    EXPECT_TRUE(AllOf(image, kImage.translated(2, 2), kRed));
    EXPECT_EQ(CountOf(image, kButton, kBlue), 0);
}

TEST_F(ButtonPaint, NormalImageAgainAfterTheMouseIsCleared)
{
    button->SetMouseOverImage(SolidPicture(GraphicKind::Png, kBlue, 10, 8));
    SendEnter(*button);
    button->ClearMouseInside();
    EXPECT_TRUE(AllOf(RenderIn(false), kImage, kRed));

    SendEnter(*button);
    button->setEnabled(false);
    EXPECT_TRUE(AllOf(RenderIn(false), kImage, kRed));
}

TEST_F(ButtonPaint, EmptyMouseOverImageKeepsTheNormalImage)
{
    SendEnter(*button);
    EXPECT_TRUE(AllOf(RenderIn(false), kImage, kRed));
    TPicture blank;
    blank.SetGraphic(NewGraphic(GraphicKind::Png));
    button->SetMouseOverImage(std::move(blank));
    EXPECT_TRUE(AllOf(RenderIn(false), kImage, kRed));
}

TEST_F(ButtonPaint, StretchFillsTheAreaInsideTheMargins)
{
    button->SetImageLayout(blStretch);
    const QRect inside(14, 14, 52, 22);
    QImage image = RenderIn(false);
    EXPECT_TRUE(AllOf(image, inside, kRed));
    EXPECT_EQ(CountOf(image, kButton, kMenuColor), 60 * 30 - 52 * 22);

    SendLeftPress(*button);
    image = RenderIn(false);
    EXPECT_TRUE(AllOf(image, inside.translated(2, 2), kRed));
    EXPECT_EQ(image.pixel(14, 14), kMenuColor);
}

TEST_F(ButtonPaint, BitmapLeavesOutTheColourOfItsBottomLeftPixel)
{
    QImage bitmap(10, 8, QImage::Format_RGB32);
    bitmap.fill(Qt::white);
    for (int y = 2; y < 6; ++y)
        for (int x = 2; x < 8; ++x) bitmap.setPixel(x, y, kRed);
    button->SetNormalImage(PictureFromImage(GraphicKind::Bitmap, bitmap));
    const QImage image = RenderIn(false);
    EXPECT_TRUE(AllOf(image, QRect(37, 23, 6, 4), kRed));
    EXPECT_EQ(MenuPixelsAroundImage(image), 60 * 30 - 6 * 4);
}

namespace {

bool Blackish(QRgb pixel)
{
    return qRed(pixel) < 90 && qGreen(pixel) < 90 && qBlue(pixel) < 90;
}

bool Bluish(QRgb pixel)
{
    return qBlue(pixel) > 150 && qRed(pixel) < 90 && qGreen(pixel) < 90;
}

int CountWhere(const QImage& image, const QRect& area, bool (*test)(QRgb))
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (test(image.pixel(x, y))) ++count;
    return count;
}

// A 60 x 30 transparent button filling a white menu, showing a caption.
class ButtonCaption : public testing::Test {
protected:
    ButtonCaption() : menu(QSize(60, 30), qRgb(255, 255, 255)), button(new TVoImageButton(&menu))
    {
        button->setGeometry(0, 0, 60, 30);
        button->SetButtonStyle(btsTransparent);
        button->SetMargin(4);
        button->SetSpacing(3);
    }

    QImage Render()
    {
        ProcessStateGuard guard(false, QString());
        return menu.Render();
    }

    TTestMenu menu;
    TVoImageButton* button;
};

} // namespace

TEST_F(ButtonCaption, OverlongCaptionOnTheRightStartsAtTheMarginAndIsClipped)
{
    TVoFont large = button->NormalFont();
    large.Size = 20;
    button->SetNormalFont(large);
    button->SetImageLayout(blRight);
    button->SetCaption(QStringLiteral("WWWWWWWWWWWW"));
    const QImage image = Render();
    const QRect clip(QPoint(4, 4), QPoint(55, 25));
    EXPECT_GT(CountWhere(image, clip, Blackish), 50);
    EXPECT_GT(CountWhere(image, QRect(4, 4, 3, 22), Blackish), 0) << "starts at the margin";
    int outside = 0;
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 60; ++x)
            if (!clip.contains(x, y) && image.pixel(x, y) != qRgb(255, 255, 255)) ++outside;
    EXPECT_EQ(outside, 0);
}

TEST_F(ButtonCaption, MouseOverFontWhileHoveredAndUpOnly)
{
    button->SetImageLayout(blCenter);
    button->SetCaption(QStringLiteral("Menu"));
    const QRect all(0, 0, 60, 30);
    QImage image = Render();
    EXPECT_GT(CountWhere(image, all, Blackish), 0);
    EXPECT_EQ(CountWhere(image, all, Bluish), 0);

    // No mouse-over image, yet the font still changes.
    SendEnter(*button);
    image = Render();
    EXPECT_GT(CountWhere(image, all, Bluish), 0);
    EXPECT_EQ(CountWhere(image, all, Blackish), 0);

    SendLeftPress(*button);
    image = Render();
    EXPECT_GT(CountWhere(image, all, Blackish), 0);
    EXPECT_EQ(CountWhere(image, all, Bluish), 0);
}
