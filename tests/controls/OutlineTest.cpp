// SPDX-License-Identifier: GPL-2.0-or-later
#include "support/ProcessStateGuard.h"
#include "RenderTesting.h"

#include "controls/DesignOutline.h"
#include "controls/VoImage.h"
#include "controls/VoSimpleText.h"

#include <gtest/gtest.h>

#include <QPainter>

namespace {

QImage OutlineOf(QSize size, bool studio)
{
    ProcessStateGuard guard(studio, QString());
    QImage image(size, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    DrawDesignOutline(painter, size);
    return image;
}

// Grey pixels on each of the four sides of the area, and nothing else
// changed inside the menu colour.
void ExpectOutlineAround(const QImage& image, const QRect& area)
{
    const QRect sides[] = {{area.left(), area.top(), area.width(), 1},
                           {area.left(), area.bottom(), area.width(), 1},
                           {area.left(), area.top(), 1, area.height()},
                           {area.right(), area.top(), 1, area.height()}};
    for (const QRect& side : sides) EXPECT_GT(CountOf(image, side, kOutlineColor), 0);
    EXPECT_EQ(CountOf(image, area.adjusted(1, 1, -1, -1), kOutlineColor), 0);
}

} // namespace

TEST(DesignOutline, DottedOnTheOutermostPixelsInTheStudioOnly)
{
    const QImage studio = OutlineOf(QSize(9, 6), true);
    for (const QPoint corner : {QPoint(0, 0), QPoint(8, 0), QPoint(8, 5), QPoint(0, 5)})
        EXPECT_EQ(studio.pixel(corner), kOutlineColor) << corner.x() << "," << corner.y();
    ExpectOutlineAround(studio, QRect(0, 0, 9, 6));
    EXPECT_EQ(CountOf(studio, QRect(1, 1, 7, 4), qRgb(255, 255, 255)), 7 * 4);
    EXPECT_LT(CountOf(studio, QRect(0, 0, 9, 1), kOutlineColor), 9);

    const QImage player = OutlineOf(QSize(9, 6), false);
    EXPECT_EQ(CountOf(player, QRect(0, 0, 9, 6), qRgb(255, 255, 255)), 9 * 6);
}

TEST(DesignOutline, ImageControlWithoutPictureIsOutlinedInTheStudio)
{
    TTestMenu menu(QSize(120, 70));
    auto* image = new TVoImage(&menu);
    image->setGeometry(10, 10, 100, 50);
    {
        ProcessStateGuard guard(true, QString());
        const QImage shown = menu.Render();
        ExpectOutlineAround(shown, image->geometry());
        EXPECT_TRUE(AllOf(shown, image->geometry().adjusted(1, 1, -1, -1), kMenuColor));
    }
    ProcessStateGuard guard(false, QString());
    EXPECT_TRUE(AllOf(menu.Render(), image->geometry(), kMenuColor));
}

TEST(DesignOutline, TransparentSimpleTextIsOutlinedInTheStudio)
{
    TTestMenu menu(QSize(120, 70));
    auto* text = new TVoSimpleText(&menu);
    text->setGeometry(10, 10, 100, 50);
    text->SetCaption(QString());
    {
        ProcessStateGuard guard(true, QString());
        ExpectOutlineAround(menu.Render(), text->geometry());
    }
    ProcessStateGuard guard(false, QString());
    EXPECT_TRUE(AllOf(menu.Render(), text->geometry(), kMenuColor));
}

TEST(ImageExPaint, DrawsThePictureIntoDestRect)
{
    ProcessStateGuard guard(false, QString());
    TTestMenu menu(QSize(120, 70));
    auto* image = new TImageEx(&menu);
    image->setGeometry(10, 10, 100, 50);
    image->SetProportional(true);
    image->SetCenter(true);
    image->SetPicture(SolidPicture(GraphicKind::Png, qRgb(220, 0, 0), 400, 400));
    const QImage shown = menu.Render();
    // 50 x 50 at x = 25 inside the control.
    EXPECT_TRUE(AllOf(shown, QRect(35, 10, 50, 50), qRgb(220, 0, 0)));
    EXPECT_TRUE(AllOf(shown, QRect(10, 10, 25, 50), kMenuColor));
    EXPECT_TRUE(AllOf(shown, QRect(85, 10, 25, 50), kMenuColor));
}

TEST(ImageExPaint, TransparentBitmapShowsTheMenuThroughItsKeyColour)
{
    ProcessStateGuard guard(false, QString());
    QImage bitmap(20, 20, QImage::Format_RGB32);
    bitmap.fill(Qt::white);
    bitmap.setPixel(10, 10, qRgb(220, 0, 0));
    TTestMenu menu(QSize(40, 40));
    auto* image = new TImageEx(&menu);
    image->setGeometry(10, 10, 20, 20);
    image->SetPicture(PictureFromImage(GraphicKind::Bitmap, bitmap));
    EXPECT_EQ(menu.Render().pixel(10, 10), qRgb(255, 255, 255));
    image->SetTransparent(true);
    const QImage shown = menu.Render();
    EXPECT_EQ(shown.pixel(10, 10), kMenuColor);
    EXPECT_EQ(shown.pixel(20, 20), qRgb(220, 0, 0));
}
