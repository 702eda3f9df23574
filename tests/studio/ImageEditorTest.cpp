// SPDX-License-Identifier: GPL-2.0-or-later
// The picture editor: the preview rule, the checkerboard, and the dialog
// driven through its buttons with the file dialogs scripted.
#include "model/GraphicClasses.h"
#include "model/PictureFiles.h"
#include "studio/ImageEditorForm.h"
#include "studio/PicturePreview.h"
#include "support/ModalWindows.h"
#include "support/RecordingMessageBoxes.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QBuffer>
#include <QLabel>
#include <QPushButton>
#include <QTest>

#include <functional>

namespace {

const QSize kDesign(385, 246);
const QSize kBox(409, 265);

QByteArray Encoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, format);
    return bytes;
}

QImage Filled(QSize size, QColor color)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(color);
    return image;
}

TPicture IconPicture()
{
    auto icon = std::make_unique<TIcon>();
    icon->Assign(Filled(QSize(32, 32), Qt::blue));
    TPicture picture;
    picture.SetGraphic(std::move(icon));
    return picture;
}

// Shows the editor modally on picture, runs script on it while it is open
// and returns what EditPicture returned.
bool RunEditor(TPicture& picture, bool iconOnly, const std::function<void(TImageEditorForm&)>& script)
{
    return WithModalForm<TImageEditorForm>([&] { return EditPicture(picture, iconOnly); }, script);
}

void Click(QPushButton* button)
{
    QTest::mouseClick(button, Qt::LeftButton);
}

} // namespace

TEST(PicturePreview, SmallPicturesAreCentredUnscaledLargeOnesShrinkToFit)
{
    // Both sides too large: first fitted to the height (410 x 246), which is
    // still too wide, so fitted to the width.
    EXPECT_EQ(PlacePreview({1000, 600}, kDesign, kBox).rect, QRect(12, 17, 385, 231));
    EXPECT_TRUE(PlacePreview({1000, 600}, kDesign, kBox).stretched);
    // Fits both ways: the whole preview, the picture at its own size in it.
    EXPECT_EQ(PlacePreview({100, 50}, kDesign, kBox).rect, QRect(12, 9, 385, 246));
    EXPECT_FALSE(PlacePreview({100, 50}, kDesign, kBox).stretched);
    EXPECT_FALSE(PlacePreview(kDesign, kDesign, kBox).stretched);
    // Too high only, too wide only, and both with the height deciding.
    EXPECT_EQ(PlacePreview({100, 500}, kDesign, kBox).rect, QRect(180, 9, 49, 246));
    EXPECT_EQ(PlacePreview({800, 100}, kDesign, kBox).rect, QRect(12, 108, 385, 48));
    EXPECT_EQ(PlacePreview({500, 1000}, kDesign, kBox).rect, QRect(143, 9, 123, 246));
    // Halves go to the even neighbour: 52.5 -> 52, 53.5 -> 54.
    EXPECT_EQ(PlacePreview({770, 105}, kDesign, kBox).rect.height(), 52);
    EXPECT_EQ(PlacePreview({770, 107}, kDesign, kBox).rect.height(), 54);
}

TEST(PicturePreview, CheckerboardOfEightPixelSquares)
{
    const QImage board = CheckerboardImage();
    ASSERT_EQ(board.size(), QSize(808, 808));
    EXPECT_EQ(board.pixel(0, 0), qRgb(255, 255, 255));
    EXPECT_EQ(board.pixel(7, 7), qRgb(255, 255, 255));
    EXPECT_EQ(board.pixel(8, 0), qRgb(192, 192, 192));
    EXPECT_EQ(board.pixel(0, 15), qRgb(192, 192, 192));
    EXPECT_EQ(board.pixel(15, 8), qRgb(255, 255, 255));
    EXPECT_EQ(board.pixel(807, 807), qRgb(255, 255, 255));
}

TEST(ImageEditor, OpensOnACopyWithKindSizeAndButtonStates)
{
    TImageEditorForm form;
    EXPECT_EQ(form.windowTitle(), "Image Editor");
    EXPECT_EQ(form.size(), QSize(540, 329));
    EXPECT_EQ(form.ScrollBox1->size(), kBox);
    EXPECT_TRUE(form.OkButton->isDefault());
    EXPECT_EQ(form.CancelButton->text(), "Cancel");

    form.Open(TPicture(), false);
    EXPECT_EQ(form.Label1->text(), "[None]");
    EXPECT_FALSE(form.SaveButton->isEnabled());
    EXPECT_FALSE(form.ClearButton->isEnabled());

    TPicture icon = IconPicture();
    form.Open(icon, false);
    EXPECT_EQ(form.Label1->text(), "Icon  [32 X 32]");
    EXPECT_TRUE(form.SaveButton->isEnabled());
    EXPECT_TRUE(form.ClearButton->isEnabled());
    EXPECT_EQ(form.Image1->geometry(), QRect(12, 9, 385, 246));
    Click(form.ClearButton);
    EXPECT_EQ(form.Label1->text(), "[None]");
    EXPECT_FALSE(icon.Empty()); // the caller's picture is not the working one
}

TEST(ImageEditor, ResultOnlyAfterLoadOrClearAndOk)
{
    TPicture picture = IconPicture();
    const QByteArray iconBytes = picture.Graphic()->SaveToBytes();
    // Confirmed without a change.
    EXPECT_FALSE(RunEditor(picture, false, [](TImageEditorForm& form) { Click(form.OkButton); }));
    EXPECT_EQ(picture.Graphic()->SaveToBytes(), iconBytes);
    // Cleared but cancelled.
    EXPECT_FALSE(RunEditor(picture, false, [](TImageEditorForm& form) {
        Click(form.ClearButton);
        Click(form.CancelButton);
    }));
    EXPECT_FALSE(picture.Empty());
    // Cleared and confirmed with Enter, which presses "&OK".
    EXPECT_TRUE(RunEditor(picture, false, [](TImageEditorForm& form) {
        Click(form.ClearButton);
        QTest::keyClick(&form, Qt::Key_Return);
    }));
    EXPECT_TRUE(picture.Empty());
}

TEST(ImageEditor, LoadShowsTheFileScaledAndOkHandsItBack)
{
    TempDir dir;
    ScriptedDialogs dialogs;
    const QString big = dir.Write("big.png", Encoded(Filled({1000, 600}, Qt::red), "PNG"));
    const QString small = dir.Write("small.JPG", Encoded(Filled({100, 50}, Qt::green), "JPEG"));
    dialogs.openFiles = {big, QString(), small};
    TPicture picture;
    EXPECT_TRUE(RunEditor(picture, false, [&](TImageEditorForm& form) {
        Click(form.LoadButton);
        EXPECT_EQ(form.Label1->text(), "PNGImage  [1000 X 600]");
        EXPECT_EQ(form.Image1->geometry(), QRect(12, 17, 385, 231));
        EXPECT_TRUE(form.SaveButton->isEnabled());
        Click(form.LoadButton); // cancelled: the picture stays
        EXPECT_EQ(form.Label1->text(), "PNGImage  [1000 X 600]");
        Click(form.LoadButton);
        EXPECT_EQ(form.Label1->text(), "JPEGImage  [100 X 50]");
        EXPECT_EQ(form.Image1->geometry(), QRect(12, 9, 385, 246));
        // Drawn unscaled in the middle, the checkerboard around it.
        const QImage shown = form.ScrollBox1->grab().toImage();
        const QColor middle = shown.pixelColor(204, 132);
        EXPECT_LT(middle.red(), 40);
        EXPECT_GT(middle.green(), 200);
        // The same square colour 14 squares apart on either side.
        EXPECT_EQ(shown.pixel(204 - 56, 132), shown.pixel(204 + 56, 132));
        EXPECT_NE(shown.pixel(204 - 56, 132), middle.rgb());
        Click(form.OkButton);
    }));
    ASSERT_FALSE(picture.Empty());
    EXPECT_EQ(picture.Graphic()->Kind(), GraphicKind::Jpeg);
    EXPECT_EQ(picture.Graphic()->SaveToBytes(), TempDir::Read(small));
    EXPECT_EQ(dialogs.asked.value(0), "open " + PictureOpenFilter() + " @ folder ");
}

TEST(ImageEditor, IconOnlyRefusesOtherPicturesAndKeepsTheCallersIcon)
{
    TempDir dir;
    ScriptedDialogs dialogs;
    RecordingMessageBoxes boxes;
    const QString bitmap = dir.Write("face.bmp", Encoded(Filled({16, 16}, Qt::yellow), "BMP"));
    dialogs.openFiles = {bitmap};
    TPicture icon = IconPicture();
    const QByteArray iconBytes = icon.Graphic()->SaveToBytes();
    EXPECT_FALSE(RunEditor(icon, true, [&](TImageEditorForm& form) {
        Click(form.LoadButton);
        EXPECT_EQ(form.Label1->text(), "Bitmap  [16 X 16]");
        Click(form.OkButton);
        ASSERT_EQ(boxes.Boxes().size(), 1);
        EXPECT_EQ(boxes.Boxes()[0].caption, "Information");
        EXPECT_EQ(boxes.Boxes()[0].text, "The image is not an icon.");
        EXPECT_EQ(boxes.Boxes()[0].icon, MsgIcon::Information);
        EXPECT_TRUE(form.isVisible());
        Click(form.CancelButton);
    }));
    EXPECT_EQ(icon.Graphic()->SaveToBytes(), iconBytes);
    EXPECT_EQ(dialogs.asked, QStringList{"open Icons (*.ico)|*.ico @ folder "});

    // An icon is taken.
    const QString other = dir.Write("other.ico", IconPicture().Graphic()->SaveToBytes());
    dialogs.openFiles = {other};
    EXPECT_TRUE(RunEditor(icon, true, [&](TImageEditorForm& form) {
        Click(form.LoadButton);
        Click(form.OkButton);
    }));
    EXPECT_EQ(icon.Graphic()->Kind(), GraphicKind::Icon);
    EXPECT_EQ(boxes.Boxes().size(), 1);
}

TEST(ImageEditor, PalettePngIsHandedBackWithRealAlpha)
{
    TempDir dir;
    ScriptedDialogs dialogs;
    QImage palette(4, 4, QImage::Format_Indexed8);
    palette.setColorTable({qRgba(255, 0, 0, 255), qRgba(255, 255, 255, 0)});
    palette.fill(0);
    palette.setPixel(1, 1, 1);
    dialogs.openFiles = {dir.Write("p.png", Encoded(palette, "PNG"))};
    TPicture picture;
    EXPECT_TRUE(RunEditor(picture, false, [&](TImageEditorForm& form) {
        Click(form.LoadButton);
        ASSERT_EQ(static_cast<const TPNGObject*>(form.WorkingPicture().Graphic())->ColorType(), 3);
        Click(form.OkButton);
    }));
    ASSERT_FALSE(picture.Empty());
    ASSERT_EQ(picture.Graphic()->Kind(), GraphicKind::Png);
    const auto& png = static_cast<const TPNGObject&>(*picture.Graphic());
    EXPECT_EQ(png.ColorType(), 6);
    EXPECT_EQ(png.BitDepth(), 8);
    TPNGObject stored; // the pixels as the project will store them
    stored.LoadFromBytes(png.SaveToBytes());
    const QImage pixels = stored.ToImage().convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(pixels.pixel(0, 0), qRgba(255, 0, 0, 255));
    EXPECT_EQ(pixels.pixel(2, 3), qRgba(255, 0, 0, 255));
    EXPECT_EQ(qAlpha(pixels.pixel(1, 1)), 0);
}

TEST(ImageEditor, UnreadableFileIsReportedAndChangesNothing)
{
    TempDir dir;
    ScriptedDialogs dialogs;
    RecordingMessageBoxes boxes;
    dialogs.openFiles = {dir.Write("broken.png", QByteArray("\x89PNG\r\n\x1a\n garbage")),
                         dir.Write("notes.txt", "hello")};
    TPicture picture = IconPicture();
    const QByteArray iconBytes = picture.Graphic()->SaveToBytes();
    EXPECT_FALSE(RunEditor(picture, false, [&](TImageEditorForm& form) {
        Click(form.LoadButton);
        Click(form.LoadButton);
        EXPECT_EQ(form.Label1->text(), "Icon  [32 X 32]");
        Click(form.OkButton); // nothing was changed, so nothing is handed back
    }));
    EXPECT_EQ(picture.Graphic()->SaveToBytes(), iconBytes);
    ASSERT_EQ(boxes.Boxes().size(), 2);
    for (const auto& box : boxes.Boxes()) {
        EXPECT_EQ(box.caption, QCoreApplication::applicationName());
        EXPECT_EQ(box.icon, MsgIcon::Error);
    }
    EXPECT_TRUE(boxes.Boxes()[0].text.startsWith("The picture \"broken.png\" is not valid"));
    EXPECT_EQ(boxes.Boxes()[1].text, "Unknown picture file extension (.txt).");
}

TEST(ImageEditor, SaveAsWritesThePictureInItsOwnFormatAndIsNoChange)
{
    TempDir dir;
    ScriptedDialogs dialogs;
    TPicture picture = IconPicture();
    dialogs.saveFiles = {dir.File("copy.ico")};
    EXPECT_FALSE(RunEditor(picture, false, [&](TImageEditorForm& form) {
        Click(form.SaveButton);
        Click(form.OkButton);
    }));
    EXPECT_EQ(dialogs.asked, QStringList{"save Icons (*.ico)|*.ico .ico"});
    EXPECT_EQ(TempDir::Read(dir.File("copy.ico")), picture.Graphic()->SaveToBytes());
}
