// SPDX-License-Identifier: GPL-2.0-or-later
#include <gtest/gtest.h>

#include <QPainter>
#include <QtEndian>

#include <cerrno>

#include "model/MetafileCodec.h"
#include "model/StreamError.h"

namespace {

constexpr quint32 kRed = 0x000000FF; // COLORREF 0x00BBGGRR

struct Bytes {
    QByteArray data;
    Bytes& u16(quint32 v) { return put<quint16>(quint16(v)); }
    Bytes& u32(quint32 v) { return put<quint32>(v); }
    template <typename T> Bytes& put(T v)
    {
        const T le = qToLittleEndian(v);
        data.append(reinterpret_cast<const char*>(&le), sizeof le);
        return *this;
    }
};

// A 2x2 blue bitmap whose header may claim another size.
QByteArray Dib(qint32 width = 2, qint32 height = 2)
{
    Bytes d;
    d.u32(40).u32(quint32(width)).u32(quint32(height)).u16(1).u16(24).u32(0).u32(16);
    d.u32(0).u32(0).u32(0).u32(0);
    for (int row = 0; row < 2; ++row) d.u32(0xFF0000FF).u16(0).u16(0);
    return d.data;
}

// 100x50 pixels (frame in 0.01 mm) with a red rectangle from (10,10) to
// (90,40) and no outline; `extra` records are drawn after it.
QByteArray Emf(const QByteArray& extra = {}, qint32 frameRight = 2646, qint32 frameBottom = 1323)
{
    Bytes r;
    r.u32(39).u32(24).u32(1).u32(0).u32(kRed).u32(0);  // CREATEBRUSHINDIRECT #1 solid red
    r.u32(37).u32(12).u32(1);                          // SELECTOBJECT #1
    r.u32(37).u32(12).u32(0x80000008);                 // SELECTOBJECT NULL_PEN
    r.u32(43).u32(24).u32(10).u32(10).u32(90).u32(40); // RECTANGLE
    r.data += extra;
    r.u32(14).u32(20).u32(0).u32(16).u32(20); // EOF
    Bytes h;
    h.u32(1).u32(88).u32(0).u32(0).u32(99).u32(49);
    h.u32(0).u32(0).u32(quint32(frameRight)).u32(quint32(frameBottom));
    h.u32(0x464D4520).u32(0x10000).u32(quint32(88 + r.data.size())).u32(6);
    h.u16(1).u16(0).u32(0).u32(0).u32(0).u32(1024).u32(768).u32(271).u32(203);
    return h.data + r.data;
}

// The bitmap stretched over (80,10)-(90,40).
QByteArray EmfStretchDib(const QByteArray& dib)
{
    Bytes r;
    r.u32(81).u32(quint32(80 + dib.size())).u32(80).u32(10).u32(89).u32(39);
    r.u32(80).u32(10).u32(0).u32(0).u32(2).u32(2);
    r.u32(80).u32(40).u32(120).u32(quint32(dib.size() - 40)).u32(0).u32(0x00CC0020);
    r.u32(10).u32(30);
    return r.data + dib;
}

// The same drawing as a placeable metafile at 1440 units per inch, its box
// and window starting at `origin`.
QByteArray Wmf(const QByteArray& extra = {}, qint16 origin = 0, qint16 width = 1500,
               qint16 height = 750, quint16 inch = 1440)
{
    auto w = [origin](int v) { return quint16(origin + v); };
    Bytes r;
    r.u32(5).u16(0x020B).u16(w(0)).u16(w(0));                      // SETWINDOWORG
    r.u32(5).u16(0x020C).u16(quint16(height)).u16(quint16(width)); // SETWINDOWEXT
    r.u32(5).u16(0x0201).u32(0x00FFFFFF);                          // SETBKCOLOR
    r.u32(7).u16(0x02FC).u16(0).u32(kRed).u16(0);                  // CREATEBRUSHINDIRECT #0
    r.u32(4).u16(0x012D).u16(0);                                   // SELECTOBJECT #0
    r.u32(8).u16(0x02FA).u16(5).u16(0).u16(0).u32(0);              // CREATEPENINDIRECT #1 null
    r.u32(4).u16(0x012D).u16(1);                                   // SELECTOBJECT #1
    r.u32(7).u16(0x041B).u16(w(600)).u16(w(1350)).u16(w(150)).u16(w(150)); // RECTANGLE b r t l
    r.data += extra;
    r.u32(3).u16(0); // EOF
    Bytes p;
    p.u32(0x9AC6CDD7).u16(0).u16(w(0)).u16(w(0)).u16(w(width)).u16(w(height)).u16(inch).u32(0);
    quint16 sum = 0;
    for (int i = 0; i < 10; ++i) sum ^= qFromLittleEndian<quint16>(p.data.constData() + 2 * i);
    p.u16(sum);
    const quint32 words = quint32(r.data.size() / 2);
    p.u16(1).u16(9).u16(0x0300).u32(9 + words).u16(2).u32(words).u16(0);
    return p.data + r.data;
}

// The bitmap stretched over (80,10)-(90,40) in a drawing from `origin`.
QByteArray WmfStretchDib(const QByteArray& dib, qint16 origin = 0)
{
    Bytes r;
    r.u32(quint32(14 + dib.size() / 2)).u16(0x0F43).u32(0x00CC0020).u16(0);
    r.u16(2).u16(2).u16(0).u16(0).u16(450).u16(150); // source h w y x, destination h w
    r.u16(quint16(origin + 150)).u16(quint16(origin + 1200)); // destination y x
    return r.data + dib;
}

void ExpectRedRectangle(const QImage& image)
{
    ASSERT_EQ(image.size(), QSize(100, 50));
    EXPECT_EQ(image.pixelColor(50, 25), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(15, 15), QColor(Qt::red));
    EXPECT_EQ(qAlpha(image.pixel(3, 3)), 0);
    EXPECT_EQ(qAlpha(image.pixel(96, 46)), 0);
}

} // namespace

TEST(MetafileCodec, ReportsSizeAt96Dpi)
{
    EXPECT_EQ(CheckMetafile(Emf()).format, MetafileFormat::Emf);
    EXPECT_EQ(CheckMetafile(Emf()).size, QSize(100, 50));
    // An empty frame falls back to the inclusive device bounds.
    EXPECT_EQ(CheckMetafile(Emf({}, 0, 0)).size, QSize(100, 50));

    EXPECT_EQ(CheckMetafile(Wmf()).format, MetafileFormat::PlaceableWmf);
    EXPECT_EQ(CheckMetafile(Wmf({}, -500, 3000, 1500, 2880)).size, QSize(100, 50));
    QByteArray badChecksum = Wmf();
    badChecksum[20] = char(badChecksum[20] ^ 0x55);
    EXPECT_EQ(CheckMetafile(badChecksum).size, QSize(100, 50));
}

TEST(MetafileCodec, RendersFilledRectangle)
{
    ExpectRedRectangle(RenderMetafile(Emf(), QSize(100, 50)));
    ExpectRedRectangle(RenderMetafile(Wmf(), QSize(100, 50)));
    // The drawing keeps its place in a box that does not start at 0.
    ExpectRedRectangle(RenderMetafile(Wmf({}, 1000), QSize(100, 50)));

    QImage target(200, 100, QImage::Format_ARGB32_Premultiplied);
    target.fill(Qt::transparent);
    QPainter painter(&target);
    DrawMetafile(painter, QRectF(0, 0, 200, 100), Wmf());
    painter.end();
    EXPECT_EQ(target.pixelColor(100, 50), QColor(Qt::red));
    EXPECT_EQ(qAlpha(target.pixel(5, 5)), 0);
}

TEST(MetafileCodec, DrawsBitmapsWhoseHeadersFitTheirRecords)
{
    const QByteArray drawings[] = {Emf(EmfStretchDib(Dib())), Wmf(WmfStretchDib(Dib(), 1000), 1000)};
    for (const QByteArray& bytes : drawings) {
        const QImage image = RenderMetafile(bytes, QSize(100, 50));
        ASSERT_FALSE(image.isNull());
        EXPECT_EQ(image.pixelColor(85, 25), QColor(Qt::blue));
        EXPECT_EQ(image.pixelColor(50, 25), QColor(Qt::red));
    }
    // A bitmap header claiming more pixels than its record holds would make
    // the converter allocate for them: such a drawing is not converted.
    for (qint32 side : {4000, 100000}) {
        EXPECT_NO_THROW(CheckMetafile(Emf(EmfStretchDib(Dib(side, side)))));
        EXPECT_TRUE(MetafileToSvg(Emf(EmfStretchDib(Dib(side, side)))).isEmpty());
        EXPECT_TRUE(MetafileToSvg(Wmf(WmfStretchDib(Dib(side, side)))).isEmpty());
    }
}

TEST(MetafileCodec, RefusesDamagedHeaders)
{
    for (const QByteArray& valid : {Emf(EmfStretchDib(Dib())), Wmf(WmfStretchDib(Dib()))}) {
        for (qsizetype n = 0; n < valid.size(); ++n)
            EXPECT_THROW(CheckMetafile(valid.left(n)), StreamError) << n;
    }
    EXPECT_THROW(CheckMetafile(QByteArray(64, 'x')), StreamError);
    EXPECT_THROW(CheckMetafile(QByteArray(64, '\0')), StreamError);

    QByteArray noSignature = Emf();
    noSignature[41] = 'X';
    EXPECT_THROW(CheckMetafile(noSignature), StreamError);
    QByteArray noInch = Wmf();
    noInch[14] = noInch[15] = 0;
    EXPECT_THROW(CheckMetafile(noInch), StreamError);
    QByteArray badRecordSize = Emf();
    badRecordSize[88 + 4] = 7;
    EXPECT_THROW(CheckMetafile(badRecordSize), StreamError);
    // libwmf allocates its record buffer by the header's largest record.
    QByteArray hugeRecordBuffer = Wmf();
    qToLittleEndian<quint32>(0x7FFFFFFF, hugeRecordBuffer.data() + 22 + 12);
    EXPECT_THROW(CheckMetafile(hugeRecordBuffer), StreamError);

    const qint32 huge = 100000 * 2540 / 96 + 1;
    for (const QByteArray& large : {Emf({}, huge, huge), Wmf({}, 0, 32767, 32767, 1)}) {
        try {
            CheckMetafile(large);
            ADD_FAILURE() << "oversized metafile accepted";
        } catch (const StreamError& e) {
            EXPECT_EQ(e.OsError(), EFBIG);
        }
    }
}

// The converters are C libraries; any file that passes the check, however
// damaged, must convert or fail without harm.
TEST(MetafileCodec, DamagedRecordsConvertSafely)
{
    for (const QByteArray& valid : {Emf(EmfStretchDib(Dib())), Wmf(WmfStretchDib(Dib()))}) {
        for (qsizetype i = 0; i < valid.size(); ++i) {
            for (char value : {'\0', '\x7f', '\xff'}) {
                QByteArray damaged = valid;
                damaged[i] = value;
                try {
                    CheckMetafile(damaged);
                } catch (const StreamError&) {
                    continue;
                }
                MetafileToSvg(damaged);
            }
        }
    }
}
