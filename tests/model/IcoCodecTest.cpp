// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include <QProcess>
#include <QtEndian>

#include "model/IcoCodec.h"
#include "model/StreamError.h"
#include "support/TempDir.h"

namespace {

// With alpha: a transparent band on the left, a half transparent one next to it.
QImage Pattern(int width, int height, bool alpha = false)
{
    QImage image(width, height, QImage::Format_ARGB32);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const int a = !alpha || x >= 8 ? 255 : x < 4 ? 0 : 128;
            image.setPixel(x, y, a ? qRgba(x * 5, y * 7, (x + y) * 3, a) : 0);
        }
    }
    return image;
}

// Half transparent pixels may differ by a step: Qt's writer premultiplies.
void ExpectSamePixels(const QImage& decoded, const QImage& source)
{
    ASSERT_EQ(decoded.size(), source.size());
    const QImage a = decoded.convertToFormat(QImage::Format_ARGB32);
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb p = a.pixel(x, y);
            const QRgb q = source.pixel(x, y);
            ASSERT_EQ(qAlpha(p), qAlpha(q)) << x << "," << y;
            const int diff = qAbs(qRed(p) - qRed(q)) + qAbs(qGreen(p) - qGreen(q)) +
                             qAbs(qBlue(p) - qBlue(q));
            ASSERT_LE(diff, qAlpha(q) == 255 ? 0 : 3) << x << "," << y;
        }
    }
}

// An icon made by ImageMagick with one image per source, in that order.
QByteArray IconOf(const QList<QImage>& images)
{
    TempDir dir;
    QStringList args;
    for (int i = 0; i < images.size(); ++i) {
        args << dir.File(QString("in%1.png").arg(i));
        images[i].save(args.last());
    }
    EXPECT_EQ(QProcess::execute("convert", args << dir.File("out.ico")), 0);
    return TempDir::Read(dir.File("out.ico"));
}

} // namespace

TEST(IcoCodec, DecodesTheFirstImage)
{
    const QByteArray bytes = IconOf({Pattern(16, 16), Pattern(32, 32), Pattern(48, 48)});
    ASSERT_EQ(qFromLittleEndian<quint16>(bytes.constData() + 4), 3);
    EXPECT_EQ(CheckIco(bytes), QSize(16, 16));
    ExpectSamePixels(DecodeIco(bytes), Pattern(16, 16));

    // A stored size of 0 stands for 256.
    const QByteArray large = IconOf({Pattern(256, 256)});
    ASSERT_EQ(large[6], '\0');
    EXPECT_EQ(CheckIco(large), QSize(256, 256));
    EXPECT_EQ(DecodeIco(large).size(), QSize(256, 256));

    const QByteArray encoded = EncodeIco(Pattern(40, 30, true));
    EXPECT_EQ(CheckIco(encoded), QSize(40, 30));
    ExpectSamePixels(DecodeIco(encoded), Pattern(40, 30, true));
    EXPECT_EQ(CheckIco(EncodeIco(Pattern(600, 300))), QSize(256, 128));
    EXPECT_EQ(CheckIco(EncodeIco(Pattern(2000, 4))), QSize(256, 1));
    EXPECT_THROW(EncodeIco(QImage()), StreamError);
}

TEST(IcoCodec, RefusesDamagedFiles)
{
    const QByteArray valid = IconOf({Pattern(16, 16), Pattern(24, 24)});
    for (qsizetype n = 0; n < valid.size(); ++n)
        EXPECT_THROW(CheckIco(valid.left(n)), StreamError) << n;
    EXPECT_THROW(CheckIco(QByteArray(100, 'x')), StreamError);

    auto damaged = [&](int at, quint16 value) {
        QByteArray bytes = valid;
        qToLittleEndian(value, bytes.data() + at);
        return bytes;
    };
    EXPECT_THROW(CheckIco(damaged(2, 2)), StreamError);      // a cursor
    EXPECT_THROW(CheckIco(damaged(4, 0)), StreamError);      // no images
    EXPECT_THROW(CheckIco(damaged(6 + 12, 8)), StreamError); // image inside the directory

    // The image's own header, not the directory, decides what is allocated.
    QByteArray huge = valid;
    const int image = qFromLittleEndian<qint32>(valid.constData() + 6 + 12);
    qToLittleEndian<quint32>(100000, huge.data() + image + 4);
    qToLittleEndian<quint32>(200000, huge.data() + image + 8);
    EXPECT_EQ(CheckIco(huge), QSize(16, 16));
    EXPECT_TRUE(DecodeIco(huge).isNull());
}
