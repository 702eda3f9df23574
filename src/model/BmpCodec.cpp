// SPDX-License-Identifier: GPL-2.0-or-later
#include "model/BmpCodec.h"

#include <QBuffer>
#include <QImageWriter>

#include "model/GraphicLimits.h"
#include "model/LittleEndian.h"
#include "model/StreamError.h"

namespace {

constexpr qsizetype kFileHeaderSize = 14;

bool KnownInfoHeaderSize(quint32 size)
{
    switch (size) {
    case 12:  // BITMAPCOREHEADER
    case 40:  // BITMAPINFOHEADER
    case 52:  // with RGB masks
    case 56:  // with RGBA masks
    case 64:  // OS/2 2.x
    case 108: // V4
    case 124: // V5
        return true;
    default:
        return false;
    }
}

enum Compression : quint32 { Rgb = 0, Rle8 = 1, Rle4 = 2, BitFields = 3 };

} // namespace

QSize CheckBmp(const QByteArray& bytes)
{
    if (bytes.size() < 2) throw StreamError::Truncated("BMP file header ends early");
    if (bytes[0] != 'B' || bytes[1] != 'M') throw StreamError::BadData("not a BMP file");
    const quint32 pixelOffset = LeU32(bytes, 10);

    const quint32 infoSize = LeU32(bytes, kFileHeaderSize);
    if (!KnownInfoHeaderSize(infoSize)) throw StreamError::BadData("unknown BMP info header");
    if (kFileHeaderSize + qsizetype(infoSize) > bytes.size())
        throw StreamError::Truncated("BMP info header ends early");

    qint64 width = 0;
    qint64 height = 0;
    quint16 planes = 0;
    quint16 bitCount = 0;
    quint32 compression = Rgb;
    if (infoSize == 12) {
        width = LeU16(bytes, 18);
        height = LeU16(bytes, 20);
        planes = LeU16(bytes, 22);
        bitCount = LeU16(bytes, 24);
    } else {
        width = LeI32(bytes, 18);
        height = LeI32(bytes, 22);
        planes = LeU16(bytes, 26);
        bitCount = LeU16(bytes, 28);
        compression = LeU32(bytes, 30);
    }
    // A negative height marks rows stored top row first.
    if (height < 0) height = -height;
    CheckPictureSize(width, height);

    if (planes != 1) throw StreamError::BadData("BMP must have one plane");
    switch (bitCount) {
    case 1: case 4: case 8: case 16: case 24: case 32: break;
    default: throw StreamError::BadData("unsupported BMP bit count");
    }
    switch (compression) {
    case Rgb: break;
    case Rle8:
        if (bitCount != 8) throw StreamError::BadData("RLE8 needs 8 bits a pixel");
        break;
    case Rle4:
        if (bitCount != 4) throw StreamError::BadData("RLE4 needs 4 bits a pixel");
        break;
    case BitFields:
        if (bitCount != 16 && bitCount != 32)
            throw StreamError::BadData("bit fields need 16 or 32 bits a pixel");
        break;
    default: throw StreamError::BadData("unsupported BMP compression");
    }

    if (pixelOffset < kFileHeaderSize + infoSize)
        throw StreamError::BadData("BMP pixels overlap the headers");
    if (compression == Rle8 || compression == Rle4) {
        // Run-length rows have no fixed size; their decoder stops at the end of the data.
        if (qint64(pixelOffset) >= bytes.size()) throw StreamError::Truncated("BMP pixels missing");
    } else {
        const qint64 rowSize = (width * bitCount + 31) / 32 * 4;
        if (qint64(pixelOffset) + rowSize * height > bytes.size())
            throw StreamError::Truncated("BMP pixels end early");
    }
    return QSize(int(width), int(height));
}

QImage DecodeBmp(const QByteArray& bytes)
{
    // The header check bounds the size before Qt's reader allocates anything.
    try {
        CheckBmp(bytes);
    } catch (const StreamError&) {
        return QImage();
    }
    return QImage::fromData(bytes, "BMP");
}

QByteArray EncodeBmp(const QImage& image)
{
    if (image.isNull()) throw StreamError::BadData("no picture to write");
    CheckPictureSize(image.width(), image.height());
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "BMP");
    if (!writer.write(image)) throw StreamError::BadData("BMP writer failed");
    return bytes;
}
