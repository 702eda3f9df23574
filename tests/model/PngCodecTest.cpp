// SPDX-License-Identifier: GPL-2.0-or-later
#include "model/PngCodec.h"

#include "model/StreamError.h"
#include "support/TempDir.h"
#include "PixelTesting.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QProcess>

#include <cerrno>
#include <cstring>

namespace {

QImage Pattern(int width, int height, QImage::Format format)
{
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgba(x * 255 / (width - 1), y * 255 / (height - 1), (x * 37 + y * 11) & 255,
                                       (x + y) % 5 == 0 ? 0 : 255 - x * 3));
    return image.convertToFormat(format);
}

QImage Palette()
{
    QImage image(9, 7, QImage::Format_Indexed8);
    image.setColorTable({qRgb(255, 0, 0), qRgba(0, 200, 0, 128), 0u, qRgb(10, 20, 30), qRgb(0, 0, 255)});
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) image.setPixel(x, y, uint(x * y + x) % 5);
    return image;
}

QByteArray WithQt(const QImage& image)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return bytes;
}

QByteArray WithImageMagick(const QImage& image, const QStringList& options)
{
    TempDir dir;
    QProcess::execute("convert", QStringList{dir.Write("in.png", WithQt(image))} + options << dir.File("out.png"));
    return TempDir::Read(dir.File("out.png"));
}

// The file with other IHDR fields and a matching CRC, so only the fields are wrong.
QByteArray WithHeader(QByteArray bytes, quint32 width, quint32 height, int depth, int colorType)
{
    const auto put = [&](int at, quint32 v) {
        for (int i = 0; i < 4; ++i) bytes[at + i] = char(v >> (24 - 8 * i));
    };
    put(16, width);
    put(20, height);
    bytes[24] = char(depth);
    bytes[25] = char(colorType);
    quint32 crc = ~0u;
    for (int i = 12; i < 29; ++i) {
        crc ^= uchar(bytes[i]);
        for (int k = 0; k < 8; ++k) crc = (crc >> 1) ^ (0xedb88320u & (0u - (crc & 1)));
    }
    put(29, ~crc);
    return bytes;
}

} // namespace

TEST(PngCodec, ReadsEveryColourTypeDepthAndInterlace)
{
    const QImage rgba = Pattern(23, 19, QImage::Format_ARGB32);
    QImage twoGreys(13, 9, QImage::Format_ARGB32); // one grey is the tRNS colour
    for (int y = 0; y < twoGreys.height(); ++y)
        for (int x = 0; x < twoGreys.width(); ++x) twoGreys.setPixel(x, y, (x + y) % 3 ? qRgb(85, 85, 85) : 0u);
    const QByteArray palette4 = // ImageMagick drops the palette's alpha here
        WithImageMagick(Palette(), {"-define", "png:color-type=3", "-define", "png:bit-depth=4", "-interlace", "PNG"});
    const struct {
        QByteArray bytes;
        QImage expected;
        int bitDepth, colorType;
    } cases[] = {
        {WithQt(rgba.convertToFormat(QImage::Format_RGB32)), rgba.convertToFormat(QImage::Format_RGB32), 8, 2},
        {WithQt(rgba), rgba, 8, 6},
        {WithQt(rgba.convertToFormat(QImage::Format_Grayscale8)), rgba.convertToFormat(QImage::Format_Grayscale8), 8, 0},
        {WithQt(rgba.convertToFormat(QImage::Format_Grayscale16)), rgba.convertToFormat(QImage::Format_Grayscale16), 16, 0},
        {WithQt(rgba.convertToFormat(QImage::Format_RGBA64)), rgba.convertToFormat(QImage::Format_RGBA64), 16, 6},
        {WithQt(Palette()), Palette(), 8, 3},
        {WithImageMagick(rgba, {"-interlace", "PNG"}), rgba, 8, 6},
        {WithImageMagick(twoGreys, {"-define", "png:color-type=0", "-define", "png:bit-depth=2"}), twoGreys, 2, 0},
        {palette4, QImage::fromData(palette4, "PNG"), 4, 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(&c - cases);
        const PngHeader header = CheckPng(c.bytes);
        EXPECT_EQ(QSize(header.width, header.height), c.expected.size());
        EXPECT_EQ(header.bitDepth, c.bitDepth);
        EXPECT_EQ(header.colorType, c.colorType);
        const QImage decoded = DecodePng(c.bytes);
        EXPECT_EQ(decoded.format(), c.expected.hasAlphaChannel() ? QImage::Format_ARGB32 : QImage::Format_RGB32);
        EXPECT_TRUE(SamePixels(decoded, c.expected));
    }
}

TEST(PngCodec, EncodeRoundTripsAndPicksTheColourType)
{
    const QImage alpha = Pattern(31, 7, QImage::Format_ARGB32);
    const QByteArray withAlpha = EncodePng(alpha);
    EXPECT_EQ(CheckPng(withAlpha).colorType, 6);
    EXPECT_EQ(CheckPng(withAlpha).bitDepth, 8);
    EXPECT_TRUE(SamePixels(DecodePng(withAlpha), alpha));
    EXPECT_TRUE(SamePixels(QImage::fromData(withAlpha, "PNG"), alpha));

    const QImage opaque = Pattern(31, 7, QImage::Format_RGB32);
    EXPECT_EQ(CheckPng(EncodePng(opaque)).colorType, 2);
    EXPECT_EQ(DecodePng(EncodePng(opaque)).format(), QImage::Format_RGB32);
    EXPECT_TRUE(SamePixels(DecodePng(EncodePng(opaque)), opaque));

    const QImage premultiplied = Palette().convertToFormat(QImage::Format_ARGB32_Premultiplied);
    EXPECT_TRUE(SamePixels(DecodePng(EncodePng(Palette())), Palette()));
    EXPECT_TRUE(SamePixels(DecodePng(EncodePng(premultiplied)), premultiplied));
    EXPECT_THROW(EncodePng(QImage()), StreamError);
}

TEST(PngCodec, RefusesTruncatedAndDamagedData)
{
    const QByteArray bytes = WithQt(Pattern(6, 5, QImage::Format_RGB32));
    ASSERT_NO_THROW(CheckPng(bytes));
    for (qsizetype n = 0; n < bytes.size(); ++n) {
        EXPECT_THROW(CheckPng(bytes.left(n)), StreamError) << n;
        DecodePng(bytes.left(n));
    }

    EXPECT_EQ(ErrorOf([&] { CheckPng(WithHeader(bytes, 100000, 100000, 8, 2)); }), EFBIG);
    EXPECT_EQ(ErrorOf([&] { CheckPng(WithHeader(bytes, 16384, 4097, 8, 2)); }), EFBIG);
    EXPECT_TRUE(DecodePng(WithHeader(bytes, 16384, 4097, 8, 2)).isNull());
    EXPECT_EQ(ErrorOf([&] { CheckPng(WithHeader(bytes, 6, 5, 4, 2)); }), EINVAL);
    EXPECT_EQ(ErrorOf([&] { CheckPng(WithHeader(bytes, 6, 5, 8, 5)); }), EINVAL);
    EXPECT_EQ(ErrorOf([&] { CheckPng(WithHeader(bytes, 6, 5, 8, 3)); }), EINVAL); // no palette
    EXPECT_EQ(ErrorOf([&] { CheckPng(QByteArray(bytes).replace(12, 4, "tEXt")); }), EINVAL);
    EXPECT_EQ(ErrorOf([&] { CheckPng(QByteArray(bytes).replace(33, 1, "\x7f")); }), ENODATA); // chunk length

    const QByteArray garbage = bytes.left(8) + QByteArray(bytes.mid(8)).fill('\x9d');
    EXPECT_THROW(CheckPng(garbage), StreamError);
    EXPECT_TRUE(DecodePng(garbage).isNull());
    // A damaged byte may still give a picture, but must never crash.
    for (qsizetype i = 0; i < bytes.size(); ++i) DecodePng(QByteArray(bytes).replace(i, 1, "\xa5"));
}
