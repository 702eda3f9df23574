// SPDX-License-Identifier: GPL-2.0-or-later
#include "model/GraphicClasses.h"
#include "model/ProjectSettings.h"
#include "player/ScreenBackForm.h"
#include "player/SplashScreenForm.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>
#include <QKeyEvent>
#include <QTest>
#include <QTimer>
#include <QMouseEvent>

namespace {

TPicture SolidPicture(QSize size, QColor color)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    auto png = NewGraphic(GraphicKind::Png);
    png->Assign(image);
    TPicture picture;
    picture.SetGraphic(std::move(png));
    return picture;
}

} // namespace

TEST(Splash, ShowsThePictureAtItsOwnSizeCentred)
{
    TSplashScreenForm splash(SolidPicture({60, 40}, Qt::red), 2);
    EXPECT_EQ(splash.size(), QSize(60, 40));
    const QRect screen = QGuiApplication::primaryScreen()->geometry();
    EXPECT_EQ(splash.pos(), QPoint((screen.width() - 60) / 2, (screen.height() - 40) / 2));
    EXPECT_EQ(splash.Timer1()->interval(), 2000);
    EXPECT_EQ(splash.grab().toImage().pixel(30, 20), qRgb(255, 0, 0));
}

TEST(Splash, AKeyAClickOrItsTimerClosesIt)
{
    TSplashScreenForm keyed(SolidPicture({60, 40}, Qt::red), 15);
    keyed.show();
    QKeyEvent key(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ");
    QCoreApplication::sendEvent(&keyed, &key);
    EXPECT_FALSE(keyed.isVisible());
    EXPECT_TRUE(keyed.Timer1()->isActive()); // closed before its time

    TSplashScreenForm clicked(SolidPicture({60, 40}, Qt::red), 15);
    clicked.show();
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(5, 5), QPointF(5, 5), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&clicked, &press);
    EXPECT_FALSE(clicked.isVisible());

    TSplashScreenForm timed(SolidPicture({60, 40}, Qt::red), 0);
    timed.show();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !timed.isVisible(); }, 3000));
}

TEST(Splash, AnEmptyPictureShowsNothing)
{
    ShowSplash(TPicture(), 15); // returns at once instead of waiting
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST(Backdrop, DisabledShowsNothingEvenWithAPicture)
{
    EXPECT_EQ(ShowBackdrop(false, clWhite, 1, 2, SolidPicture({8, 8}, Qt::red), clBlue), nullptr);
}

TEST(Backdrop, DefaultsPaintWhiteToBlueOverTheWholeScreen)
{
    const TProjectSettings s;
    auto backdrop = ShowBackdrop(s.FullScreenBack, s.FullScreenBackColor, s.FullScreenBackGradientStyle,
                                 s.FullScreenBackImageStyle, s.FullScreenBackImage,
                                 s.FullScreenBackGradientColor);
    ASSERT_NE(backdrop, nullptr);
    EXPECT_FALSE(backdrop->isEnabled());
    const QImage& surface = backdrop->Surface();
    ASSERT_EQ(surface.size(), QGuiApplication::primaryScreen()->geometry().size());
    EXPECT_EQ(surface.pixel(5, 0), qRgb(255, 255, 255));
    const QRgb bottom = surface.pixel(5, surface.height() - 1);
    EXPECT_LE(qRed(bottom), 2);
    EXPECT_EQ(qBlue(bottom), 255);
}

TEST(Backdrop, PictureStretchedOrCentredAndCut)
{
    const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
    TScreenBackForm stretched(clWhite, gsNone, isStretch, SolidPicture({4, 4}, Qt::green), clBlue);
    EXPECT_EQ(stretched.Surface().pixel(0, 0), qRgb(0, 255, 0));
    EXPECT_EQ(stretched.Surface().pixel(screen.width() - 1, screen.height() - 1), qRgb(0, 255, 0));

    // A picture wider than the screen by 40 pixels loses 20 on each side.
    TScreenBackForm centred(clWhite, gsNone, isCenter,
                            SolidPicture({screen.width() + 40, 10}, Qt::green), clBlue);
    const int top = (screen.height() - 10) / 2;
    EXPECT_EQ(centred.Surface().pixel(0, top), qRgb(0, 255, 0));
    EXPECT_EQ(centred.Surface().pixel(0, top - 1), qRgb(255, 255, 255));
}
