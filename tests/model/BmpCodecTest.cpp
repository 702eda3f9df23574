// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include <QProcess>
#include <QtEndian>

#include <cerrno>

#include "model/BmpCodec.h"
#include "model/StreamError.h"
#include "support/TempDir.h"
#include "PixelTesting.h"

namespace {

// An odd width, so that every row ends in padding, and few enough colours
// for a palette; `checker` gives two colours, `alpha` varying transparency.
QImage Source(bool checker = false, bool alpha = false)
{
    QImage image(7, 20, QImage::Format_ARGB32);
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            image.setPixel(x, y,
                           checker ? ((x + y) % 2 ? 0xFF000000 : 0xFFFFFFFF)
                                   : qRgba(y * 12, x * 36, 200 - y * 5, alpha ? 40 + x * 30 : 255));
    return image;
}

// The source as ImageMagick writes it with the given options.
QByteArray Convert(const QImage& image, const QStringList& options, const QString& format = "BMP3:")
{
    TempDir dir;
    image.save(dir.File("in.png"));
    EXPECT_EQ(QProcess::execute("convert", QStringList{dir.File("in.png")} + options +
                                               QStringList{format + dir.File("out.bmp")}),
              0);
    return TempDir::Read(dir.File("out.bmp"));
}

} // namespace

TEST(BmpCodec, DecodesEveryLayout)
{
    struct Case {
        QImage source;
        QStringList options;
        QString format;
        int bitCount;
    };
    const Case cases[] = {
        {Source(true), {"-type", "bilevel"}, "BMP3:", 1},
        {Source(), {"-type", "palette"}, "BMP3:", 8},
        {Source(), {"-type", "palette", "-compress", "RLE"}, "BMP3:", 8},
        {Source(), {"-type", "truecolor"}, "BMP3:", 24},
        {Source(false, true), {"-type", "truecoloralpha"}, "BMP:", 32},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.options.join(' ').toStdString());
        const QByteArray bytes = Convert(c.source, c.options, c.format);
        ASSERT_EQ(qFromLittleEndian<quint16>(bytes.constData() + 28), c.bitCount);
        EXPECT_EQ(CheckBmp(bytes), c.source.size());
        ExpectSamePixels(DecodeBmp(bytes), c.source);
    }

    // Rows stored top first, marked by a negative height.
    const QByteArray bottomUp = Convert(Source(), {"-type", "truecolor"});
    const int offset = qFromLittleEndian<qint32>(bottomUp.constData() + 10);
    const int rowSize = 24;
    QByteArray topDown = bottomUp.left(offset);
    for (int row = 19; row >= 0; --row) topDown += bottomUp.mid(offset + row * rowSize, rowSize);
    qToLittleEndian<qint32>(-20, topDown.data() + 22);
    EXPECT_EQ(CheckBmp(topDown), QSize(7, 20));
    ExpectSamePixels(DecodeBmp(topDown), Source());

    const QByteArray encoded = EncodeBmp(Source());
    EXPECT_EQ(CheckBmp(encoded), QSize(7, 20));
    ExpectSamePixels(DecodeBmp(encoded), Source());
    EXPECT_THROW(EncodeBmp(QImage()), StreamError);
}

TEST(BmpCodec, RefusesDamagedFiles)
{
    const QByteArray valid = Convert(Source(), {"-type", "truecolor"});
    for (qsizetype n = 0; n < valid.size(); ++n)
        EXPECT_THROW(CheckBmp(valid.left(n)), StreamError) << n;
    EXPECT_THROW(CheckBmp(QByteArray(200, 'x')), StreamError);

    auto damaged = [&](int at, quint32 value) {
        QByteArray bytes = valid;
        qToLittleEndian(value, bytes.data() + at);
        return bytes;
    };
    EXPECT_THROW(CheckBmp(damaged(14, 20)), StreamError);           // unknown info header
    EXPECT_THROW(CheckBmp(damaged(26, 2 | 24 << 16)), StreamError); // two planes
    EXPECT_THROW(CheckBmp(damaged(26, 1 | 7 << 16)), StreamError);  // 7 bits a pixel
    EXPECT_THROW(CheckBmp(damaged(10, 20)), StreamError);           // pixels inside the header

    QByteArray huge = damaged(18, 100000);
    qToLittleEndian<quint32>(100000, huge.data() + 22);
    try {
        CheckBmp(huge);
        ADD_FAILURE() << "oversized BMP accepted";
    } catch (const StreamError& e) {
        EXPECT_EQ(e.OsError(), EFBIG);
    }
    EXPECT_TRUE(DecodeBmp(huge).isNull());
}
