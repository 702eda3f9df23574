// SPDX-License-Identifier: GPL-2.0-or-later
#include "model/JpegCodec.h"

#include "model/StreamError.h"
#include "support/TempDir.h"
#include "PixelTesting.h"

#include <gtest/gtest.h>

#include <QBuffer>
#include <QImageWriter>
#include <QProcess>

#include <cerrno>
#include <cstdlib>

namespace {

// Smooth enough for JPEG to keep it close at high quality.
QImage Gradient(int width, int height)
{
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x)
            image.setPixel(x, y, qRgb(40 + x * 180 / width, 220 - y * 180 / height, 128 + (x - y) / 2));
    return image;
}

QByteArray WithQt(const QImage& image, const char* format, bool progressive = false)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(95);
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    return bytes;
}

QByteArray CmykWithImageMagick(const QImage& image)
{
    TempDir dir;
    const QString in = dir.Write("in.png", WithQt(image, "PNG"));
    QProcess::execute("convert", {in, "-colorspace", "CMYK", "-quality", "95", dir.File("cmyk.jpg")});
    return TempDir::Read(dir.File("cmyk.jpg"));
}

// The largest channel difference between two pictures of the same size.
int MaxDifference(const QImage& a, const QImage& b)
{
    if (a.size() != b.size()) return 1000;
    int most = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y), q = b.pixel(x, y);
            most = std::max({most, std::abs(qRed(p) - qRed(q)), std::abs(qGreen(p) - qGreen(q)),
                             std::abs(qBlue(p) - qBlue(q))});
        }
    return most;
}

QByteArray WithFrameSize(QByteArray bytes, int width, int height)
{
    const qsizetype frame = bytes.indexOf("\xff\xc0");
    const char size[] = {char(height >> 8), char(height), char(width >> 8), char(width)};
    return bytes.replace(frame + 5, 4, size, 4);
}

} // namespace

TEST(JpegCodec, DecodesBaselineProgressiveGreyAndCmykLikeQt)
{
    const QImage source = Gradient(40, 24);
    const QByteArray cases[] = {WithQt(source, "JPEG"), WithQt(source, "JPEG", true), CmykWithImageMagick(source),
                                WithQt(source.convertToFormat(QImage::Format_Grayscale8), "JPEG")};
    for (const QByteArray& bytes : cases) {
        SCOPED_TRACE(&bytes - cases);
        EXPECT_EQ(CheckJpeg(bytes), source.size());
        const QImage decoded = DecodeJpeg(bytes);
        EXPECT_EQ(decoded.format(), QImage::Format_RGB32);
        EXPECT_LE(MaxDifference(decoded, QImage::fromData(bytes, "JPEG")), 2);
        if (&bytes != &cases[3]) { // the grey one has lost the colours
            EXPECT_LE(MaxDifference(decoded, source), 12);
        }
    }
}

TEST(JpegCodec, EncodeRoundTripsCloselyAtTheGivenQuality)
{
    const QImage source = Gradient(33, 17);
    const QByteArray fine = EncodeJpeg(source, 95);
    EXPECT_EQ(CheckJpeg(fine), source.size());
    EXPECT_LE(MaxDifference(DecodeJpeg(fine), source), 12);
    EXPECT_LE(MaxDifference(QImage::fromData(fine, "JPEG"), DecodeJpeg(fine)), 2);
    EXPECT_LT(EncodeJpeg(source, 20).size(), fine.size());
    EXPECT_LE(MaxDifference(DecodeJpeg(EncodeJpeg(source.convertToFormat(QImage::Format_ARGB32), 95)), source), 12);
    EXPECT_THROW(EncodeJpeg(QImage()), StreamError);
}

TEST(JpegCodec, RefusesTruncatedAndDamagedData)
{
    const QByteArray bytes = EncodeJpeg(Gradient(8, 8), 50);
    ASSERT_NO_THROW(CheckJpeg(bytes));
    for (qsizetype n = 0; n < bytes.size(); ++n) {
        EXPECT_THROW(CheckJpeg(bytes.left(n)), StreamError) << n;
        DecodeJpeg(bytes.left(n));
    }
    EXPECT_EQ(CheckJpeg(bytes + QByteArray(5, '\0')), QSize(8, 8));
    EXPECT_THROW(CheckJpeg(bytes + "x"), StreamError);

    EXPECT_EQ(ErrorOf([&] { CheckJpeg(WithFrameSize(bytes, 60000, 60000)); }), EFBIG);
    EXPECT_TRUE(DecodeJpeg(WithFrameSize(bytes, 60000, 60000)).isNull());
    EXPECT_EQ(ErrorOf([&] { CheckJpeg(WithFrameSize(bytes, 8, 0)); }), EINVAL);
    // C8 lies among the frame markers but is none.
    EXPECT_EQ(ErrorOf([&] { CheckJpeg(QByteArray(bytes).replace("\xff\xc0", "\xff\xc8")); }), EINVAL);

    const QByteArray garbage = bytes.left(2) + QByteArray(300, '\x9d');
    EXPECT_THROW(CheckJpeg(garbage), StreamError);
    EXPECT_TRUE(DecodeJpeg(garbage).isNull());
    // A damaged byte may still give a picture, but must never crash.
    for (qsizetype i = 0; i < bytes.size(); ++i) DecodeJpeg(QByteArray(bytes).replace(i, 1, "\xa5"));
}
