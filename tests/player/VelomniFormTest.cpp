// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/ControlFactory.h"
#include "controls/VoImageButton.h"
#include "controls/VoSimpleText.h"
#include "controls/VoTextBox.h"
#include "model/GraphicClasses.h"
#include "model/Kinds.h"
#include "model/ProjectFile.h"
#include "player/BackgroundImage.h"
#include "player/ObjectEvents.h"
#include "player/VelomniForm.h"
#include "support/RecordingMessageBoxes.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QBitmap>
#include <QTest>

namespace {

class RecordingEvents final : public TObjectEventHandler {
public:
    void ObjectClicked(TVoObject& entry) override { clicked << entry.Name; }
    void ObjectEntered(TVoObject& entry) override { entered << entry.Name; }
    QStringList clicked;
    QStringList entered;
};

QWidget* WidgetOf(const TVoObject* entry)
{
    return ControlWidget(entry->Control.get());
}

// The stacking order of the object widgets on the surface, lowest first.
QStringList Stacking(TVelomniForm& form)
{
    QStringList names;
    for (QObject* child : form.ScrollBox1()->children())
        for (TVoObject* entry : form.ObjectList())
            if (WidgetOf(entry) == child) names << entry->Name;
    return names;
}

} // namespace

TEST(VelomniForm, ResetGivesTheDefaultWindow)
{
    TVelomniForm form;
    form.AddObject(okButton, 5, 5);
    form.Settings().FormCaption = "Changed";
    form.ResetProject();
    EXPECT_EQ(form.size(), QSize(640, 400));
    EXPECT_EQ(form.windowTitle(), "Velomni");
    EXPECT_TRUE(form.windowIcon().isNull());
    EXPECT_TRUE(form.ObjectList().empty());
    EXPECT_TRUE(form.Settings().FullScreenBack);
    EXPECT_EQ(form.Image1()->Picture().size(), QSize(640, 400));
    EXPECT_EQ(form.Image1()->Picture().pixel(10, 10), qRgb(255, 255, 255));
}

TEST(VelomniForm, AddedObjectsAreNamedAndCaptionedAfterTheirKind)
{
    TVelomniForm form;
    TVoObject* first = form.AddObject(okButton, 12, 34);
    ASSERT_NE(first, nullptr);
    EXPECT_EQ(first->Name, "Button1");
    EXPECT_TRUE(first->Selected);
    EXPECT_EQ(first->Control->Bounds().topLeft(), QPoint(12, 34));
    const auto* button = static_cast<TVoImageButton*>(first->Control.get());
    EXPECT_EQ(button->Caption(), "Button1");
    // The stock pictures, as PNG graphics of their own size.
    ASSERT_FALSE(button->NormalImage().Empty());
    EXPECT_EQ(button->NormalImage().Graphic()->Kind(), GraphicKind::Png);
    EXPECT_EQ(button->NormalImage().Graphic()->Size(), QSize(24, 24));
    EXPECT_FALSE(button->MouseOverImage().Empty());
    form.AddObject(okButton, 0, 0)->Name = "Button3";
    EXPECT_FALSE(first->Selected);
    EXPECT_EQ(form.AddObject(okButton, 0, 0)->Name, "Button2");
    TVoObject* memo = form.AddObject(okTextBox, 0, 0);
    EXPECT_EQ(static_cast<TVoTextBox*>(memo->Control.get())->Text(), "TextBox1");
    TVoObject* text = form.AddObject(okText, 0, 0);
    EXPECT_EQ(static_cast<TVoSimpleText*>(text->Control.get())->Caption(), "Text1");
    EXPECT_EQ(WidgetOf(text)->parentWidget(), form.ScrollBox1());
}

TEST(VelomniForm, ReorderingKeepsWindowedObjectsOnTop)
{
    TVelomniForm form;
    form.AddObject(okButton, 0, 0);
    form.AddObject(okImage, 0, 0);
    form.AddObject(okTextBox, 0, 0);
    form.SortObjectList();
    EXPECT_FALSE(form.BringObjectToFront(2));
    EXPECT_FALSE(form.SendObjectToBack(0));
    ASSERT_TRUE(form.BringObjectToFront(0));
    EXPECT_EQ(Stacking(form), (QStringList{"Image1", "Button1", "TextBox1"}));
    // The background stays the lowest child of the surface.
    EXPECT_EQ(form.ScrollBox1()->children().first(), form.Image1());
    form.DeleteObject(1);
    form.DeleteObject(9);
    EXPECT_EQ(form.ObjectList().size(), 2u);
}

TEST(VelomniForm, ClicksAndEnteringReachTheHandlerWithTheEntry)
{
    TVelomniForm form;
    RecordingEvents events;
    form.SetEventHandler(&events);
    TVoObject* button = form.AddObject(okButton, 10, 10);
    form.show();
    QTest::mouseClick(WidgetOf(button), Qt::LeftButton, {}, QPoint(5, 5));
    EXPECT_EQ(events.clicked, QStringList{"Button1"});
}

TEST(VelomniForm, MovingOverTheBackgroundClearsButtonHover)
{
    TVelomniForm form;
    RecordingEvents events;
    form.SetEventHandler(&events);
    TVoObject* entry = form.AddObject(okButton, 10, 10);
    auto* button = static_cast<TVoImageButton*>(entry->Control.get());
    form.show();
    QEnterEvent enter(QPointF(3, 3), QPointF(3, 3), QPointF(3, 3));
    QCoreApplication::sendEvent(button, &enter);
    ASSERT_TRUE(button->MouseInside());
    EXPECT_EQ(events.entered, QStringList{"Button1"});
    QTest::mouseMove(form.Image1(), QPoint(300, 300));
    QMouseEvent move(QEvent::MouseMove, QPointF(300, 300), QPointF(300, 300), Qt::NoButton,
                     Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(form.Image1(), &move);
    EXPECT_FALSE(button->MouseInside());
}

TEST(VelomniForm, DesignedPositionIsTakenWithoutCorrection)
{
    TVelomniForm form;
    form.Settings().FormPosition = 3;
    form.Settings().FormLeft = -500;
    form.Settings().FormTop = 5000;
    form.PositionWindow();
    EXPECT_EQ(form.pos(), QPoint(-500, 5000));
}

TEST(VelomniForm, ColourKeyMakesMatchingPixelsSeeThrough)
{
    TVelomniForm form;
    form.Settings().BorderStyle = 0;
    form.Settings().BackColor = 0x00FF00;
    form.Settings().Transparent = true;
    form.Settings().TransparentColor = 0x00FF00;
    TVoObject* memo = form.AddObject(okTextBox, 100, 100);
    form.ApplySettings();
    form.RedrawBackground();
    const QRegion visible = form.mask();
    EXPECT_FALSE(visible.contains(QPoint(10, 10)));
    EXPECT_TRUE(visible.contains(WidgetOf(memo)->geometry().center()));
    form.Settings().Transparent = false;
    form.ApplySettings();
    EXPECT_TRUE(form.mask().isEmpty());
}

TEST(VelomniForm, LoadAppliesTheStoredWindow)
{
    TempDir dir;
    {
        TVelomniForm source;
        source.Settings().FormCaption = "Stored";
        source.Settings().BorderStyle = 0;
        source.SetWindowSize(300, 200);
        source.AddObject(okTextBox, 1, 1);
        source.AddObject(okButton, 2, 2);
        source.SortObjectList();
        ASSERT_TRUE(SaveProject(source, dir.File("velomni.vpj")));
    }
    TVelomniForm form;
    ASSERT_TRUE(form.Load(dir.File("velomni.vpj")));
    EXPECT_EQ(form.windowTitle(), "Stored");
    EXPECT_EQ(form.size(), QSize(300, 200));
    EXPECT_EQ(form.RenderClientArea().size(), QSize(300, 200));
    EXPECT_EQ(Stacking(form), (QStringList{"Button1", "TextBox1"}));
}

namespace {

// How many pixels inside the area are clearly red.
int RedPixels(const QImage& image, const QRect& area)
{
    int count = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qRed(pixel) > 180 && qGreen(pixel) < 90 && qBlue(pixel) < 90) ++count;
        }
    return count;
}

TVoTextBox& RedTextBox(TVelomniForm& form, const QRect& bounds, const QString& text)
{
    TVoObject* entry = form.AddObject(okTextBox, bounds.left(), bounds.top());
    auto& box = static_cast<TVoTextBox&>(*entry->Control);
    box.SetBounds(bounds);
    box.SetText(text);
    box.SetFont(TVoFont{QStringLiteral("DejaVu Sans"), 0x0000FF, 18, 0, fsBold});
    return box;
}

QImage RenderSurface(TVelomniForm& form)
{
    // As the studio's canvas draws the menu: the surface of the hidden window.
    QImage image(form.ScrollBox1()->size(), QImage::Format_RGB32);
    form.ScrollBox1()->render(&image);
    return image;
}

} // namespace

TEST(VelomniForm, RenderingTheHiddenWindowDrawsTheTextOfItsTextBoxes)
{
    TempDir dir;
    {
        TVelomniForm source;
        RedTextBox(source, QRect(20, 20, 200, 80), QStringLiteral("WWW"));
        ASSERT_TRUE(SaveProject(source, dir.File("velomni.vpj")));
    }
    TVelomniForm form;
    ASSERT_TRUE(form.Load(dir.File("velomni.vpj")));
    ASSERT_FALSE(form.isVisible());
    EXPECT_GT(RedPixels(RenderSurface(form), QRect(20, 20, 200, 80)), 20);
    // One added after the window was first drawn is drawn too.
    RedTextBox(form, QRect(300, 150, 200, 80), QStringLiteral("MMM"));
    const QImage again = RenderSurface(form);
    EXPECT_GT(RedPixels(again, QRect(300, 150, 200, 80)), 20);
    EXPECT_EQ(RedPixels(again, QRect(20, 120, 200, 20)), 0);
}
