// SPDX-License-Identifier: GPL-2.0-or-later
#include "model/GifCodec.h"

#include "model/StreamError.h"
#include "support/TempDir.h"
#include "PixelTesting.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QProcess>
#include <QSet>

#include <cerrno>
#include <cstring>
#include <cstdlib>

namespace {

// Five colours and a transparent corner, transparent as 0 like the decoder gives it.
QImage FewColours(int width, int height)
{
    const QRgb colours[] = {qRgb(255, 0, 0), qRgb(0, 128, 0), qRgb(0, 0, 255), qRgb(250, 250, 250), qRgb(1, 2, 3)};
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) image.setPixel(x, y, x + y < 4 ? 0u : colours[(x / 2 + y * 3) % 5]);
    return image;
}

QByteArray WithImageMagick(const QList<QImage>& frames, QStringList options)
{
    TempDir dir;
    for (int i = 0; i < frames.size(); ++i) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        frames[i].save(&buffer, "PNG");
        options.insert(i, dir.Write(QString("in%1.png").arg(i), png));
    }
    QProcess::execute("convert", options << dir.File("out.gif"));
    return TempDir::Read(dir.File("out.gif"));
}

QByteArray WithScreen(QByteArray bytes, int width, int height)
{
    const char size[] = {char(width), char(width >> 8), char(height), char(height >> 8)};
    return bytes.replace(6, 4, size, 4);
}

// Where the first image descriptor starts, in files whose colours hold no 0x2c.
qsizetype FirstImage(const QByteArray& bytes)
{
    return bytes.indexOf(QByteArrayView("\x00\x2c", 2), 13) + 1;
}

} // namespace

TEST(GifCodec, DecodesImageMagickFilesPixelForPixel)
{
    const QImage source = FewColours(13, 21);
    const QByteArray plain = WithImageMagick({source}, {});
    const QByteArray interlaced = WithImageMagick({source}, {"-interlace", "GIF"});
    const QByteArray animation = WithImageMagick({source, source.mirrored(true, false)}, {"-delay", "10"});
    ASSERT_EQ(interlaced[FirstImage(interlaced) + 9] & 0x40, 0x40);
    for (const QByteArray& bytes : {plain, interlaced, animation}) {
        EXPECT_EQ(CheckGif(bytes), source.size());
        EXPECT_TRUE(SamePixels(DecodeGif(bytes), source)); // the first frame only
    }

    // The frame at its offset on a larger screen, clipped by a smaller one;
    // an empty screen takes the frame's extent.
    const QByteArray placed = WithImageMagick({source}, {"-page", "40x30+7+5"});
    QImage expected(40, 30, QImage::Format_ARGB32);
    expected.fill(0);
    for (int y = 0; y < source.height(); ++y)
        for (int x = 0; x < source.width(); ++x) expected.setPixel(x + 7, y + 5, source.pixel(x, y));
    const struct {
        QByteArray bytes;
        QSize size;
    } screens[] = {{placed, {40, 30}}, {WithScreen(placed, 10, 9), {10, 9}}, {WithScreen(placed, 0, 0), {20, 26}}};
    for (const auto& s : screens) {
        EXPECT_EQ(CheckGif(s.bytes), s.size);
        EXPECT_TRUE(SamePixels(DecodeGif(s.bytes), expected.copy(QRect(QPoint(0, 0), s.size))));
    }
}

TEST(GifCodec, EncodeKeepsFewColoursExactly)
{
    const QImage source = FewColours(17, 9);
    const QByteArray bytes = EncodeGif(source);
    EXPECT_TRUE(bytes.startsWith("GIF89a"));
    EXPECT_EQ(CheckGif(bytes), source.size());
    EXPECT_TRUE(SamePixels(DecodeGif(bytes), source));
    EXPECT_TRUE(SamePixels(QImage::fromData(bytes, "GIF"), source));

    const QImage opaque = source.copy(4, 4, 10, 5);
    EXPECT_EQ(DecodeGif(EncodeGif(opaque)).format(), QImage::Format_RGB32);
    EXPECT_TRUE(SamePixels(DecodeGif(EncodeGif(opaque)), opaque));
    EXPECT_THROW(EncodeGif(QImage()), StreamError);
}

TEST(GifCodec, EncodeReducesManyColoursCloselyAndKeepsTransparency)
{
    QImage source(64, 64, QImage::Format_ARGB32);
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) source.setPixel(x, y, y == 10 ? 0u : qRgb(x * 4, y * 4, (x * y) & 255));
    const QImage decoded = DecodeGif(EncodeGif(source)).convertToFormat(QImage::Format_ARGB32);
    ASSERT_EQ(decoded.size(), source.size());
    QSet<QRgb> colours;
    qint64 error = 0, bias = 0;
    for (int y = 0; y < 64; ++y)
        for (int x = 0; x < 64; ++x) {
            const QRgb p = decoded.pixel(x, y), q = source.pixel(x, y);
            colours.insert(p);
            EXPECT_EQ(qAlpha(p), qAlpha(q));
            bias += qRed(p) - qRed(q) + qGreen(p) - qGreen(q) + qBlue(p) - qBlue(q);
            error += std::abs(qRed(p) - qRed(q)) + std::abs(qGreen(p) - qGreen(q)) + std::abs(qBlue(p) - qBlue(q));
        }
    EXPECT_LE(colours.size(), 256);
    EXPECT_LT(error / (64 * 64 * 3), 12); // mean error per channel
    EXPECT_EQ(bias / (64 * 64 * 3), 0);   // no shift towards dark
}

TEST(GifCodec, RefusesTruncatedAndDamagedData)
{
    const QByteArray bytes = EncodeGif(FewColours(6, 5));
    ASSERT_NO_THROW(CheckGif(bytes));
    for (qsizetype n = 0; n < bytes.size(); ++n) {
        EXPECT_THROW(CheckGif(bytes.left(n)), StreamError) << n;
        DecodeGif(bytes.left(n));
    }

    const qsizetype image = FirstImage(bytes);
    const QByteArray wideFrame = QByteArray(bytes).replace(image + 5, 2, "\x40\x9c"); // 40000
    EXPECT_EQ(ErrorOf([&] { CheckGif(WithScreen(bytes, 65535, 65535)); }), EFBIG);
    EXPECT_TRUE(DecodeGif(WithScreen(bytes, 65535, 65535)).isNull());
    EXPECT_EQ(ErrorOf([&] { CheckGif(wideFrame); }), EFBIG);
    EXPECT_TRUE(DecodeGif(wideFrame).isNull());
    EXPECT_EQ(ErrorOf([&] { CheckGif(QByteArray(bytes).replace(image + 10, 1, "\x0c")); }), EINVAL); // code size
    EXPECT_EQ(ErrorOf([&] { CheckGif(bytes.left(image) + ";"); }), EINVAL); // no image
    EXPECT_EQ(ErrorOf([&] { CheckGif(bytes.left(image) + "\x01"); }), EINVAL);

    const QByteArray garbage = bytes.left(13) + QByteArray(300, '\x9d');
    EXPECT_THROW(CheckGif(garbage), StreamError);
    EXPECT_TRUE(DecodeGif(garbage).isNull());
    // A damaged byte may still give a picture, but must never crash.
    for (qsizetype i = 0; i < bytes.size(); ++i) DecodeGif(QByteArray(bytes).replace(i, 1, "\xa5"));
}
