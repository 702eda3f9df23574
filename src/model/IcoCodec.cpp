// SPDX-License-Identifier: GPL-2.0-or-later
#include "model/IcoCodec.h"

#include <QBuffer>
#include <QImageReader>
#include <QImageWriter>

#include "model/GraphicLimits.h"
#include "model/LittleEndian.h"
#include "model/StreamError.h"

namespace {

constexpr qsizetype kDirHeaderSize = 6;
constexpr qsizetype kEntrySize = 16;
constexpr int kMaxIconSide = 256;

// Checks the pixel size an entry's own image header claims: a PNG's IHDR or
// a BITMAPINFOHEADER whose height counts the AND mask as well.
void CheckEmbeddedSize(const QByteArray& bytes, qsizetype offset)
{
    static const char kPngSignature[] = "\x89PNG\r\n\x1a\n";
    if (bytes.mid(offset, 8) == QByteArray(kPngSignature, 8)) {
        auto be32 = [&](qsizetype at) {
            return (LeU8(bytes, at) << 24) | (LeU8(bytes, at + 1) << 16) | (LeU8(bytes, at + 2) << 8) |
                   LeU8(bytes, at + 3);
        };
        CheckPictureSize(be32(offset + 16), be32(offset + 20));
        return;
    }
    const qint64 width = qint32(LeU32(bytes, offset + 4));
    const qint64 height = qint32(LeU32(bytes, offset + 8));
    CheckPictureSize(width, height / 2);
}

} // namespace

QSize CheckIco(const QByteArray& bytes)
{
    if (LeU16(bytes, 0) != 0) throw StreamError::BadData("not an icon file");
    if (LeU16(bytes, 2) != 1) throw StreamError::BadData("not an icon file");
    const quint32 count = LeU16(bytes, 4);
    if (count == 0) throw StreamError::BadData("icon has no images");
    const qint64 dirEnd = kDirHeaderSize + qint64(count) * kEntrySize;
    if (dirEnd > bytes.size()) throw StreamError::Truncated("icon directory ends early");

    for (quint32 i = 0; i < count; ++i) {
        const qsizetype entry = kDirHeaderSize + qsizetype(i) * kEntrySize;
        const qint64 size = LeU32(bytes, entry + 8);
        const qint64 offset = LeU32(bytes, entry + 12);
        if (size == 0) throw StreamError::BadData("icon image is empty");
        if (offset < dirEnd) throw StreamError::BadData("icon image overlaps the directory");
        if (offset + size > bytes.size()) throw StreamError::Truncated("icon image ends early");
    }

    // A stored 0 stands for 256, which a byte cannot hold.
    const int width = LeU8(bytes, kDirHeaderSize) ? int(LeU8(bytes, kDirHeaderSize)) : kMaxIconSide;
    const int height =
        LeU8(bytes, kDirHeaderSize + 1) ? int(LeU8(bytes, kDirHeaderSize + 1)) : kMaxIconSide;
    CheckPictureSize(width, height);
    return QSize(width, height);
}

QImage DecodeIco(const QByteArray& bytes)
{
    try {
        CheckIco(bytes);
        // The directory's byte sizes are at most 256, but the image stored in
        // the entry carries its own size, which is what the reader allocates.
        CheckEmbeddedSize(bytes, LeU32(bytes, kDirHeaderSize + 12));
    } catch (const StreamError&) {
        return QImage();
    }
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    QImageReader reader(&buffer, "ICO");
    return reader.read();
}

QByteArray EncodeIco(const QImage& image)
{
    if (image.isNull()) throw StreamError::BadData("no picture to write");
    CheckPictureSize(image.width(), image.height());
    QImage icon = image;
    if (icon.width() > kMaxIconSide || icon.height() > kMaxIconSide) {
        // A very thin picture keeps at least one row or column.
        const QSize target = icon.size()
                                 .scaled(kMaxIconSide, kMaxIconSide, Qt::KeepAspectRatio)
                                 .expandedTo(QSize(1, 1));
        icon = icon.scaled(target, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    }
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "ico");
    if (!writer.write(icon)) throw StreamError::BadData("icon writer failed");
    return bytes;
}
