// SPDX-License-Identifier: GPL-2.0-or-later
#include "model/GraphicClasses.h"
#include "model/Picture.h"
#include "model/StreamError.h"
#include "model/StreamPrimitives.h"
#include "model/VoStream.h"
#include "support/RecordingMessageBoxes.h"
#include "support/TempDir.h"
#include "PixelTesting.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImage>
#include <QPainter>
#include <QProcess>

namespace {

// A small picture with distinct colours in each quadrant and a gradient,
// so a decoder that swaps channels or rows is caught.
QImage TestImage(int w = 24, int h = 16)
{
    QImage image(w, h, QImage::Format_RGB32);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            image.setPixel(x, y, qRgb(x * 10 % 256, y * 15 % 256, (x < w / 2) == (y < h / 2) ? 200 : 30));
    return image;
}

QByteArray QtEncoded(const QImage& image, const char* format)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    EXPECT_TRUE(image.save(&buffer, format)) << format;
    return bytes;
}

// A GIF written by ImageMagick, an encoder independent of ours.
QByteArray MagickGif(const QImage& image)
{
    TempDir dir;
    image.save(dir.File("in.png"));
    QProcess::execute("convert", {dir.File("in.png"), dir.File("out.gif")});
    return TempDir::Read(dir.File("out.gif"));
}

QByteArray PictureRecord(const QString& tag, const QByteArray& bytes)
{
    TMemoryStream s;
    WriteString(s, tag);
    s.WriteI32(qint32(bytes.size()));
    s.WriteBytes(bytes);
    return s.Data();
}

struct ReadOutcome {
    bool ok;
    QList<RecordingMessageBoxes::Box> boxes;
};

ReadOutcome ReadRecord(const QByteArray& record, TPicture& picture)
{
    RecordingMessageBoxes boxes;
    TMemoryStream s(record);
    const bool ok = ReadPicture(s, picture);
    return {ok, boxes.Boxes()};
}

} // namespace

TEST(Pictures, EmptyPictureIsTheEmptyTagAndReadsBackEmpty)
{
    TMemoryStream s;
    ASSERT_TRUE(WritePicture(s, TPicture()));
    EXPECT_EQ(s.Data(), QByteArray(4, '\0'));
    TPicture picture;
    picture.SetGraphic(NewGraphic(GraphicKind::Png));
    s.Seek(0);
    ASSERT_TRUE(ReadPicture(s, picture));
    EXPECT_TRUE(picture.Empty());
    EXPECT_EQ(PictureKindText(picture.Graphic()), "None");
}

TEST(Pictures, RasterFormatsKeepTheirBytesAndDecodePixelForPixel)
{
    const QImage source = TestImage();
    // At most 256 colours, so the GIF holds them exactly.
    const QImage few = TestImage(12, 16);
    struct Case {
        const char* tag;
        QByteArray bytes;
        const char* kindText;
        QImage source;
    } cases[] = {
        {"TPNGObject", QtEncoded(source, "PNG"), "PNGImage", source},
        {"TBitmap", QtEncoded(source, "BMP"), "Bitmap", source},
        {"TIcon", QtEncoded(source, "ICO"), "Icon", source},
        {"TGIFImage", MagickGif(few), "GIFImage", few},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.tag);
        const QImage& source = c.source;
        ASSERT_FALSE(c.bytes.isEmpty());
        const QByteArray record = PictureRecord(c.tag, c.bytes);
        TPicture picture;
        const ReadOutcome read = ReadRecord(record, picture);
        ASSERT_TRUE(read.ok);
        EXPECT_TRUE(read.boxes.isEmpty());
        ASSERT_NE(picture.Graphic(), nullptr);
        EXPECT_EQ(picture.Graphic()->ClassName(), c.tag);
        EXPECT_EQ(PictureKindText(picture.Graphic()), c.kindText);
        EXPECT_EQ(picture.Graphic()->Size(), source.size());
        ExpectSamePixels(picture.Graphic()->ToImage(), source);

        // Unchanged, it saves exactly what was loaded.
        TMemoryStream out;
        ASSERT_TRUE(WritePicture(out, picture));
        EXPECT_EQ(out.Data(), record);
    }
}

TEST(Pictures, JpegDecodesCloseToQtsOwnDecoder)
{
    const QByteArray jpeg = QtEncoded(TestImage(40, 30), "JPEG");
    TPicture picture;
    ASSERT_TRUE(ReadRecord(PictureRecord("TJPEGImage", jpeg), picture).ok);
    EXPECT_EQ(PictureKindText(picture.Graphic()), "JPEGImage");
    const QImage ours = picture.Graphic()->ToImage().convertToFormat(QImage::Format_RGB32);
    const QImage qts = QImage::fromData(jpeg).convertToFormat(QImage::Format_RGB32);
    ASSERT_EQ(ours.size(), qts.size());
    for (int y = 0; y < qts.height(); ++y)
        for (int x = 0; x < qts.width(); ++x) {
            const QRgb a = ours.pixel(x, y), b = qts.pixel(x, y);
            ASSERT_LE(std::abs(qRed(a) - qRed(b)) + std::abs(qGreen(a) - qGreen(b)) +
                          std::abs(qBlue(a) - qBlue(b)),
                      12)
                << "at " << x << "," << y;
        }
}

TEST(Pictures, TagsAreComparedIgnoringCase)
{
    const QImage source = TestImage();
    TPicture png;
    ASSERT_TRUE(ReadRecord(PictureRecord("tpngobject", QtEncoded(source, "PNG")), png).ok);
    EXPECT_EQ(png.Graphic()->Kind(), GraphicKind::Png);
    TPicture jpeg;
    ASSERT_TRUE(ReadRecord(PictureRecord("TJPEGIMAGE", QtEncoded(source, "JPEG")), jpeg).ok);
    EXPECT_EQ(jpeg.Graphic()->Kind(), GraphicKind::Jpeg);
    // Written back with the class's own spelling.
    TMemoryStream out;
    ASSERT_TRUE(WritePicture(out, png));
    EXPECT_EQ(out.Data().mid(4, 10), "TPNGObject");

    EXPECT_EQ(GraphicClassByName("tgifimage"), GraphicKind::Gif);
    EXPECT_EQ(GraphicClassByName("TMETAFILE"), GraphicKind::Metafile);
    EXPECT_EQ(GraphicClassByName("TPNGImage"), std::nullopt);
    EXPECT_EQ(GraphicClassByName(""), std::nullopt);
}

TEST(Pictures, BadDataFailsWithOneBoxCode1006AndAnEmptyPicture)
{
    const QByteArray png = QtEncoded(TestImage(), "PNG");
    QByteArray huge = png;
    huge[16] = 0x00; huge[17] = 0x01; huge[18] = 0x86; huge[19] = 0xA0; // width 100000
    const QByteArray cases[] = {
        PictureRecord("TWhatever", png),                       // unknown class
        PictureRecord("TPNGObject", png.left(png.size() / 2)), // truncated graphic
        PictureRecord("TPNGObject", huge),                     // oversized header
        PictureRecord("TJPEGImage", QByteArray(300, '\x5A')),  // garbage
        PictureRecord("TGIFImage", QByteArray("GIF89a\x01")),
        PictureRecord("TBitmap", QByteArray("BM\xFF\xFF\xFF\x7F")),
        PictureRecord("TIcon", QByteArray("\0\0\x01\0\xFF\xFF", 6)),
        PictureRecord("TMetafile", QByteArray(100, '\x01')),
        PictureRecord("TPNGObject", png).left(40),             // record cut inside the bytes
        PictureRecord("TPNGObject", png).replace(14, 4, QByteArray("\xFF\xFF\xFF\x7F", 4)),
        PictureRecord("TPNGObject", png).replace(14, 4, QByteArray("\xF0\xFF\xFF\xFF", 4)),
    };
    int i = 0;
    for (const QByteArray& record : cases) {
        SCOPED_TRACE(i++);
        TPicture picture;
        picture.SetGraphic(NewGraphic(GraphicKind::Bitmap));
        const ReadOutcome read = ReadRecord(record, picture);
        EXPECT_FALSE(read.ok);
        ASSERT_EQ(read.boxes.size(), 1);
        EXPECT_EQ(read.boxes[0].caption, "Error");
        EXPECT_TRUE(read.boxes[0].text.endsWith("-1006).")) << read.boxes[0].text.toStdString();
        EXPECT_EQ(picture.Graphic(), nullptr);
    }
}

TEST(Pictures, EveryTruncationOfARecordFailsCleanly)
{
    const QByteArray record = PictureRecord("TGIFImage", MagickGif(TestImage(8, 8)));
    for (int n = 0; n < record.size(); ++n) {
        TPicture picture;
        const ReadOutcome read = ReadRecord(record.left(n), picture);
        if (n == 0) continue; // no tag length at all
        ASSERT_FALSE(read.ok) << n;
        ASSERT_EQ(read.boxes.size(), 1) << n;
    }
}

TEST(Pictures, AssignedImagesAreEncodedInTheirClassFormat)
{
    const QImage source = TestImage();
    auto png = std::make_unique<TPNGObject>();
    png->Assign(source);
    EXPECT_EQ(png->ColorType(), 2); // RGB, no alpha
    EXPECT_EQ(png->BitDepth(), 8);
    const QByteArray bytes = png->SaveToBytes();
    ExpectSamePixels(QImage::fromData(bytes, "PNG"), source);

    TPicture picture;
    picture.SetGraphic(std::move(png));
    TPicture copy = picture;
    copy.Graphic()->Assign(TestImage(5, 5));
    EXPECT_EQ(picture.Graphic()->Size(), source.size()); // copies are deep

    TMetafile metafile;
    EXPECT_THROW(metafile.Assign(source), StreamError);
    EXPECT_TRUE(metafile.Empty());
}

TEST(Pictures, PngKnowsItsStoredColourTypeAndBitDepth)
{
    QImage indexed = TestImage().convertToFormat(QImage::Format_Indexed8);
    TPicture picture;
    ASSERT_TRUE(ReadRecord(PictureRecord("TPNGObject", QtEncoded(indexed, "PNG")), picture).ok);
    const auto* png = static_cast<const TPNGObject*>(picture.Graphic());
    EXPECT_EQ(png->ColorType(), 3);
    QImage grey16(4, 4, QImage::Format_Grayscale16);
    grey16.fill(Qt::gray);
    ASSERT_TRUE(ReadRecord(PictureRecord("TPNGObject", QtEncoded(grey16, "PNG")), picture).ok);
    png = static_cast<const TPNGObject*>(picture.Graphic());
    EXPECT_EQ(png->ColorType(), 0);
    EXPECT_EQ(png->BitDepth(), 16);
}
