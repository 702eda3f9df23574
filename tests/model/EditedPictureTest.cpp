// SPDX-License-Identifier: GPL-2.0-or-later
// Pictures coming out of the picture editor: files in and out, the read-back
// check and the palette PNG that becomes a PNG with real alpha.
#include "model/EditedPicture.h"
#include "model/GraphicClasses.h"
#include "model/Picture.h"
#include "model/PictureFiles.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>

#include <stdexcept>

namespace {

// A 4 x 4 palette PNG: red everywhere but a transparent palette entry at
// (1, 1) and a half-transparent blue one at (2, 2).
QByteArray PalettePngBytes()
{
    QImage image(4, 4, QImage::Format_Indexed8);
    image.setColorTable({qRgba(255, 0, 0, 255), qRgba(0, 255, 0, 0), qRgba(0, 0, 255, 128)});
    image.fill(0);
    image.setPixel(1, 1, 1);
    image.setPixel(2, 2, 2);
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

TPicture PngPicture(const QByteArray& bytes)
{
    auto png = std::make_unique<TPNGObject>();
    png->LoadFromBytes(bytes);
    TPicture picture;
    picture.SetGraphic(std::move(png));
    return picture;
}

const TPNGObject& Png(const TPicture& picture)
{
    return static_cast<const TPNGObject&>(*picture.Graphic());
}

} // namespace

TEST(EditedPicture, PalettePngComesBackWithARealAlphaChannel)
{
    TPicture picture = PngPicture(PalettePngBytes());
    ASSERT_EQ(Png(picture).ColorType(), 3); // the fixture really is a palette PNG
    SettleEditedPicture(picture);
    ASSERT_EQ(picture.Graphic()->Kind(), GraphicKind::Png);
    EXPECT_EQ(Png(picture).ColorType(), 6);
    EXPECT_EQ(Png(picture).BitDepth(), 8);
    EXPECT_EQ(picture.Graphic()->Size(), QSize(4, 4));

    // Read from the stored bytes, not from what the graphic keeps decoded.
    const QImage pixels = PngPicture(picture.Graphic()->SaveToBytes()).Graphic()->ToImage()
                              .convertToFormat(QImage::Format_ARGB32);
    EXPECT_EQ(pixels.pixel(0, 0), qRgba(255, 0, 0, 255));
    EXPECT_EQ(pixels.pixel(3, 3), qRgba(255, 0, 0, 255));
    EXPECT_EQ(qAlpha(pixels.pixel(1, 1)), 0);
    // A partly transparent entry keeps its partial alpha instead of vanishing.
    EXPECT_NEAR(qAlpha(pixels.pixel(2, 2)), 128, 1);
    EXPECT_NEAR(qBlue(pixels.pixel(2, 2)), 255, 2);
}

TEST(EditedPicture, OtherPicturesKeepTheirClassAndBytes)
{
    QImage image(3, 2, QImage::Format_RGB32);
    image.fill(qRgb(10, 20, 30));
    for (GraphicKind kind : {GraphicKind::Bitmap, GraphicKind::Icon, GraphicKind::Png, GraphicKind::Gif}) {
        auto graphic = NewGraphic(kind);
        graphic->Assign(image);
        const QByteArray bytes = graphic->SaveToBytes();
        TPicture picture;
        picture.SetGraphic(std::move(graphic));
        SettleEditedPicture(picture);
        EXPECT_EQ(picture.Graphic()->Kind(), kind);
        EXPECT_EQ(picture.Graphic()->SaveToBytes(), bytes) << GraphicClassName(kind).toStdString();
    }
    TPicture empty;
    SettleEditedPicture(empty);
    EXPECT_TRUE(empty.Empty());
}

TEST(EditedPicture, PixelsThatDoNotDecodeAreRefusedAndThePictureKept)
{
    // A sound PNG structure whose image data is damaged.
    QByteArray bytes = PalettePngBytes();
    const qsizetype idat = bytes.indexOf("IDAT");
    ASSERT_GT(idat, 0);
    bytes[idat + 4] = char(0xFF);
    bytes[idat + 5] = char(0xFF);
    const TPicture picture = PngPicture(bytes);
    TPicture edited = picture;
    EXPECT_ANY_THROW(SettleEditedPicture(edited));
    EXPECT_EQ(edited.Graphic()->SaveToBytes(), bytes);
}

TEST(EditedPicture, AlphaIsWhatTheBackgroundAdds)
{
    auto png = std::make_unique<TPNGObject>();
    QImage image(3, 1, QImage::Format_ARGB32);
    image.setPixel(0, 0, qRgba(0, 0, 0, 255));       // opaque black stays opaque
    image.setPixel(1, 0, qRgba(255, 255, 255, 0));   // transparent white
    image.setPixel(2, 0, qRgba(200, 100, 0, 64));
    png->Assign(image);
    const QImage alpha = AlphaFromBlackAndWhite(*png);
    EXPECT_EQ(alpha.pixel(0, 0), qRgba(0, 0, 0, 255));
    EXPECT_EQ(alpha.pixel(1, 0), qRgba(0, 0, 0, 0));
    EXPECT_NEAR(qAlpha(alpha.pixel(2, 0)), 64, 1);
    EXPECT_NEAR(qRed(alpha.pixel(2, 0)), 200, 4);
}

TEST(PictureFiles, FormatFollowsTheExtensionAndDamageIsRefused)
{
    TempDir dir;
    QImage image(5, 7, QImage::Format_RGB32);
    image.fill(Qt::green);
    ASSERT_TRUE(image.save(dir.File("a.BMP"), "BMP"));
    TPicture picture;
    LoadPictureFile(picture, dir.File("a.BMP"));
    ASSERT_EQ(picture.Graphic()->Kind(), GraphicKind::Bitmap);
    EXPECT_EQ(picture.Graphic()->Size(), QSize(5, 7));

    // Damaged, empty, unknown and missing files leave the picture alone.
    const auto refused = [&](const QString& path, const char* part) {
        try {
            LoadPictureFile(picture, path);
            ADD_FAILURE() << path.toStdString() << " was loaded";
        } catch (const std::runtime_error& e) {
            EXPECT_NE(std::string(e.what()).find(part), std::string::npos) << e.what();
        }
        EXPECT_EQ(picture.Graphic()->Kind(), GraphicKind::Bitmap);
    };
    refused(dir.Write("b.png", "not a picture at all"), "The picture \"b.png\" is not valid");
    QByteArray damagedPixels = PalettePngBytes(); // sound chunks, image data that does not inflate
    damagedPixels[damagedPixels.indexOf("IDAT") + 4] = char(0xFF);
    refused(dir.Write("e.png", damagedPixels), "The picture \"e.png\" cannot be decoded.");
    refused(dir.Write("c.gif", ""), "is empty");
    refused(dir.Write("d.txt", "text"), "Unknown picture file extension (.txt)");
    refused(dir.File("missing.jpg"), "Cannot open file \"missing.jpg\"");

    EXPECT_EQ(GraphicKindOfFile("x.JPEG"), GraphicKind::Jpeg);
    EXPECT_EQ(GraphicKindOfFile("x.wmf"), GraphicKind::Metafile);
    EXPECT_EQ(GraphicKindOfFile("png"), std::nullopt);
}

TEST(PictureFiles, SavingWritesTheGraphicsOwnBytesInItsOwnFormat)
{
    TempDir dir;
    TPicture picture = PngPicture(PalettePngBytes());
    const PictureSaveFormat format = SaveFormatOf(*picture.Graphic());
    EXPECT_EQ(format.filter, "PNG images (*.png)|*.png");
    EXPECT_EQ(format.suffix, "png");
    SavePictureFile(picture, dir.File("out.png"));
    EXPECT_EQ(TempDir::Read(dir.File("out.png")), PalettePngBytes());
    EXPECT_ANY_THROW(SavePictureFile(picture, dir.File("no/such/folder/out.png")));

    auto jpeg = NewGraphic(GraphicKind::Jpeg);
    EXPECT_EQ(SaveFormatOf(*jpeg).filter, "JPEG images (*.jpg;*.jpeg)|*.jpg;*.jpeg");
    EXPECT_EQ(SaveFormatOf(*jpeg).suffix, "jpg");
    EXPECT_EQ(PictureOpenFilter(),
              "All pictures (*.bmp;*.ico;*.emf;*.wmf;*.jpg;*.jpeg;*.gif;*.png)|"
              "*.bmp;*.ico;*.emf;*.wmf;*.jpg;*.jpeg;*.gif;*.png|"
              "Bitmap images (*.bmp)|*.bmp|Icons (*.ico)|*.ico|Enhanced metafiles (*.emf)|*.emf|"
              "Windows metafiles (*.wmf)|*.wmf|JPEG images (*.jpg;*.jpeg)|*.jpg;*.jpeg|"
              "GIF images (*.gif)|*.gif|PNG images (*.png)|*.png");
}
