// SPDX-License-Identifier: GPL-2.0-or-later
// The canvas window: its frame copied from the menu window, its picture
// with the selection marks, resizing by the frame and refusing to close.
#include "CanvasFixture.h"

#include "canvas/SelectionMarks.h"
#include "controls/TextControlLook.h"
#include "controls/VoRichText.h"
#include "controls/VoTextBox.h"
#include "model/Kinds.h"

#include <QCloseEvent>

namespace {

constexpr QRgb kGrey = 0xFF808080;
constexpr QRgb kCurrentBlue = 0xFF0050C8;
constexpr QRgb kBlack = 0xFF000000;

QRgb At(const QImage& image, int x, int y)
{
    return image.pixel(x, y) | 0xFF000000;
}

int RedPixels(const QImage& image, const QRect& area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QRgb pixel = image.pixel(x, y);
            if (qRed(pixel) > 180 && qGreen(pixel) < 90 && qBlue(pixel) < 90) ++count;
        }
    return count;
}

} // namespace

TEST_F(CanvasTest, TheCanvasTakesTheMenuWindowsFrameAndItsClientAreaTheRest)
{
    menu->Settings().FormCaption = "Disc menu";
    menu->SetWindowSize(500, 300);
    canvas->SyncCanvasWindow();
    const QMargins frame = canvas->FrameMargins();
    EXPECT_GT(frame.top(), frame.bottom()); // a title bar
    EXPECT_EQ(canvas->size(), QSize(500, 300));
    EXPECT_EQ(Picture()->geometry(), QRect(0, 0, 500, 300).marginsRemoved(frame));
    EXPECT_EQ(menu->ScrollBox1()->size(), Picture()->size());
    EXPECT_EQ(canvas->Picture().size(), Picture()->size());
    EXPECT_EQ(menu->Settings().Width, 500);
    EXPECT_FALSE(document->Modified());

    // Without a border the whole window is the client area.
    menu->Settings().BorderStyle = bsNone;
    canvas->SyncCanvasWindow();
    EXPECT_EQ(canvas->FrameMargins(), QMargins());
    EXPECT_EQ(menu->ScrollBox1()->size(), QSize(500, 300));
    EXPECT_EQ(canvas->Picture().size(), QSize(500, 300));
}

TEST_F(CanvasTest, ResizingByTheFrameResizesTheMenuWindowAndMarksTheProject)
{
    canvas->ResizeByFrame(QRect(canvas->pos(), QSize(700, 450)));
    EXPECT_EQ(menu->Settings().Width, 700);
    EXPECT_EQ(menu->Settings().Height, 450);
    EXPECT_EQ(menu->ScrollBox1()->size(), Picture()->size());
    EXPECT_EQ(canvas->Picture().size(), Picture()->size());
    EXPECT_TRUE(document->Modified());
}

TEST_F(CanvasTest, DraggingTheFrameWithTheMouseResizesAndTheTitleBarMoves)
{
    const QPoint corner(canvas->width() - 1, canvas->height() - 1);
    QTest::mousePress(canvas, Qt::LeftButton, {}, corner);
    QTest::mouseMove(canvas, corner + QPoint(40, 24));
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, corner + QPoint(40, 24));
    EXPECT_EQ(menu->Settings().Width, 680);
    EXPECT_EQ(menu->Settings().Height, 424);
    // The whole drag is one step, which undo takes back.
    EXPECT_EQ(document->UndoText(), "Undo Size");
    document->Undo();
    EXPECT_EQ(canvas->size(), QSize(640, 400));
    document->Redo();
    EXPECT_EQ(canvas->size(), QSize(680, 424));

    const QPoint start = canvas->pos();
    const QPoint title(canvas->width() / 2, canvas->FrameMargins().top() / 2 + 1);
    QTest::mousePress(canvas, Qt::LeftButton, {}, title);
    QTest::mouseMove(canvas, title + QPoint(30, 20));
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, title + QPoint(30, 20));
    EXPECT_EQ(canvas->pos(), start + QPoint(30, 20));
    EXPECT_GT(host.moves, 0);
    EXPECT_EQ(menu->Settings().Width, 680);

    // A window of fixed size keeps its size.
    menu->Settings().BorderStyle = bsSingle;
    canvas->SyncCanvasWindow();
    const QPoint edge(canvas->width() - 1, canvas->height() / 2);
    QTest::mousePress(canvas, Qt::LeftButton, {}, edge);
    QTest::mouseMove(canvas, edge + QPoint(40, 0));
    QTest::mouseRelease(canvas, Qt::LeftButton, {}, edge + QPoint(40, 0));
    EXPECT_EQ(menu->Settings().Width, 680);
}

TEST_F(CanvasTest, TheCanvasRefusesToCloseUntilTheStudioAllowsIt)
{
    QCloseEvent refused;
    QCoreApplication::sendEvent(canvas, &refused);
    EXPECT_FALSE(refused.isAccepted());
    canvas->SetCloseAllowed(true);
    QCloseEvent allowed;
    QCoreApplication::sendEvent(canvas, &allowed);
    EXPECT_TRUE(allowed.isAccepted());
}

TEST_F(CanvasTest, SelectedObjectsGetHandlesAndTheCurrentOneBlueHandlesAndAThickDottedFrame)
{
    menu->Settings().BackColor = clWhite;
    menu->RedrawBackground();
    TVoObject* current = Add(okImage, {40, 40, 60, 30});
    TVoObject* other = Add(okImage, {200, 40, 60, 30});
    Add(okImage, {40, 150, 60, 30});
    current->Selected = other->Selected = true;
    document->SetCurrentEntry(1);
    canvas->RedrawCanvas();
    const QImage& picture = canvas->Picture();

    // Handle squares: a black edge from p - 4 to p + 3, blue inside for
    // the current object and grey for the other.
    for (const QPoint& p : {QPoint(40, 40), QPoint(70, 40), QPoint(100, 55), QPoint(200, 70), QPoint(260, 55)}) {
        EXPECT_EQ(At(picture, p.x() - 4, p.y() - 4), kBlack) << p.x() << "," << p.y();
        EXPECT_EQ(At(picture, p.x() + 3, p.y() + 3), kBlack) << p.x() << "," << p.y();
        EXPECT_EQ(At(picture, p.x() - 3, p.y() + 2), p.x() < 200 ? kCurrentBlue : kGrey) << p.x() << "," << p.y();
    }
    // The current object's dotted frame reaches 3 pixels out between the
    // handles; the other selected object has none; an unselected one no marks.
    EXPECT_NE(At(picture, 55, 37), At(picture, 55, 30));
    EXPECT_NE(At(picture, 56, 38), At(picture, 55, 30));
    EXPECT_EQ(At(picture, 215, 37), At(picture, 215, 30));
    EXPECT_EQ(At(picture, 215, 38), At(picture, 215, 30));
    EXPECT_EQ(At(picture, 40 - 4, 150 - 4), At(picture, 20, 120));
}

TEST(SelectionMarks, ADottedRectangleDrawnTwiceIsGone)
{
    QImage image(40, 30, QImage::Format_RGB32);
    image.fill(0xFF336699);
    const QImage clean = image.copy();
    XorDottedRect(image, QRect(QPoint(-5, 3), QPoint(45, 20))); // partly outside
    EXPECT_NE(image, clean);
    EXPECT_EQ(image.pixel(1, 3), 0xFFCC9966);
    EXPECT_EQ(image.pixel(2, 3), 0xFF336699);
    XorDottedRect(image, QRect(QPoint(-5, 3), QPoint(45, 20)));
    EXPECT_EQ(image, clean);
    XorDottedRect(image, QRect()); // nothing
    EXPECT_EQ(image, clean);
}

TEST_F(CanvasTest, TheTextPanelsAreDrawnWithTheirTextAndFace)
{
    auto& box = static_cast<TVoTextBox&>(*Add(okTextBox, {40, 40, 200, 80})->Control);
    box.SetText(QStringLiteral("WWW"));
    box.SetFont(TVoFont{QStringLiteral("DejaVu Sans"), 0x0000FF, 18, 0, fsBold});
    auto& panel = static_cast<TVoRichText&>(*Add(okRichText, {40, 150, 200, 80})->Control);
    panel.SetColor(0x0000FF);
    canvas->RedrawCanvas();
    const QImage& picture = canvas->Picture();
    // Red letters on the box's white face; a red face on the panel.
    EXPECT_GT(RedPixels(picture, QRect(44, 44, 150, 40)), 20);
    EXPECT_LT(RedPixels(picture, QRect(44, 44, 150, 40)), 150 * 40 / 2);
    EXPECT_GT(RedPixels(picture, QRect(50, 160, 150, 60)), 150 * 60 * 9 / 10);
}
