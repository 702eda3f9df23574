// SPDX-License-Identifier: GPL-2.0-or-later
#include "KindRecordTesting.h"

#include "controls/VoImageButton.h"

#include <QApplication>
#include <QMouseEvent>

namespace {

void Send(QWidget& widget, QEvent::Type type, QPoint at, Qt::MouseButton button,
          Qt::MouseButtons held)
{
    QMouseEvent event(type, QPointF(at), QPointF(widget.mapToGlobal(at)), button, held,
                      Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

} // namespace

TEST(ImageButton, FlatFollowsTheStyleOnlyWhenTheStyleChanges)
{
    TVoImageButton button;
    EXPECT_EQ(button.ButtonStyle(), btsThemes);
    EXPECT_FALSE(button.Flat());
    const std::pair<quint8, bool> cases[] = {{btsNormalFlat, true}, {btsNormal, false},
                                             {btsThemesFlat, true}, {btsThemes, false},
                                             {btsTransparent, true}};
    for (const auto& [style, flat] : cases) {
        button.SetButtonStyle(style);
        EXPECT_EQ(button.Flat(), flat) << int(style);
    }
    // The style it already has leaves a separately chosen look alone.
    button.SetFlat(false);
    button.SetButtonStyle(btsTransparent);
    EXPECT_FALSE(button.Flat());
}

TEST(ImageButton, RecordPutsEachImageInItsOwnState)
{
    TVoImageButton source;
    source.SetNormalImage(PictureOf(GraphicKind::Bitmap, 3, 2));
    source.SetMouseOverImage(PictureOf(GraphicKind::Png, 5, 4));
    TVoImageButton button;
    ASSERT_TRUE(ReadKind(button, WriteKind(source)).ok);
    EXPECT_EQ(button.NormalImage().Graphic()->Kind(), GraphicKind::Bitmap);
    EXPECT_EQ(button.MouseOverImage().Width(), 5);
}

TEST(ImageButton, ClickNeedsALeftPressAndReleaseInside)
{
    TVoImageButton button;
    int clicks = 0;
    button.OnClick = [&](TVoControl& control) {
        EXPECT_EQ(&control, static_cast<TVoControl*>(&button));
        ++clicks;
    };
    const QPoint inside(10, 10), outside(200, 10);

    Send(button, QEvent::MouseButtonPress, inside, Qt::LeftButton, Qt::LeftButton);
    EXPECT_TRUE(button.Down());
    Send(button, QEvent::MouseMove, outside, Qt::NoButton, Qt::LeftButton);
    EXPECT_FALSE(button.Down());
    Send(button, QEvent::MouseButtonRelease, outside, Qt::LeftButton, Qt::NoButton);
    EXPECT_EQ(clicks, 0);

    Send(button, QEvent::MouseButtonPress, inside, Qt::LeftButton, Qt::LeftButton);
    Send(button, QEvent::MouseMove, outside, Qt::NoButton, Qt::LeftButton);
    Send(button, QEvent::MouseMove, inside, Qt::NoButton, Qt::LeftButton);
    EXPECT_TRUE(button.Down());
    Send(button, QEvent::MouseButtonRelease, inside, Qt::LeftButton, Qt::NoButton);
    EXPECT_FALSE(button.Down());
    EXPECT_EQ(clicks, 1);

    Send(button, QEvent::MouseButtonRelease, inside, Qt::LeftButton, Qt::NoButton);
    Send(button, QEvent::MouseButtonPress, inside, Qt::RightButton, Qt::RightButton);
    Send(button, QEvent::MouseButtonRelease, inside, Qt::RightButton, Qt::NoButton);
    EXPECT_EQ(clicks, 1);
}

TEST(ImageButton, MouseInsideIsSetBeforeTheEnterHookRuns)
{
    TVoImageButton button;
    int insideDuringHook = -1;
    button.OnMouseEnterHook = [&](TVoControl&) { insideDuringHook = button.MouseInside(); };
    QEnterEvent enter(QPointF(5, 5), QPointF(5, 5), QPointF(5, 5));
    QApplication::sendEvent(&button, &enter);
    EXPECT_EQ(insideDuringHook, 1);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(&button, &leave);
    EXPECT_FALSE(button.MouseInside());
}
