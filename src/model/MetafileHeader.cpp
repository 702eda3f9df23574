// SPDX-License-Identifier: GPL-2.0-or-later
#include "model/MetafileHeader.h"

#include <climits>
#include <cmath>

#include "model/GraphicLimits.h"
#include "model/LittleEndian.h"
#include "model/StreamError.h"

namespace {

constexpr quint32 kEmrEof = 14;
constexpr quint32 kEmfSignature = 0x464D4520; // " EMF"
constexpr quint16 kMetaHeaderWords = 9;

constexpr double kDpi = 96.0;

int PixelsFromHundredthsMm(qint64 extent)
{
    const double pixels = std::round(double(extent) * kDpi / 2540.0);
    return int(qBound(1.0, pixels, double(INT_MAX)));
}

// Whether a device-independent bitmap header at `at` (with `headerRoom`
// bytes for header and colours, `bitsRoom` bytes for the pixels) claims no
// more than the picture limits and, uncompressed, no more pixels than it
// holds. The converters allocate by these fields before reading pixels.
bool DibFits(const QByteArray& bytes, qint64 at, qint64 headerRoom, qint64 bitsRoom)
{
    try {
        // A core header (12 bytes) or an info header (40 or more); the
        // converters read no other.
        const qint64 headerSize = LeU32(bytes, at);
        if ((headerSize != 12 && headerSize < 40) || headerSize > headerRoom) return false;
        qint64 width = 0;
        qint64 height = 0;
        qint64 bitCount = 0;
        quint32 compression = 0;
        if (headerSize == 12) {
            width = LeU16(bytes, at + 4);
            height = LeU16(bytes, at + 6);
            bitCount = LeU16(bytes, at + 10);
        } else {
            width = LeI32(bytes, at + 4);
            height = LeI32(bytes, at + 8);
            bitCount = LeU16(bytes, at + 14);
            compression = LeU32(bytes, at + 16);
        }
        if (height < 0) height = -height;
        CheckPictureSize(width, height);
        if (bitCount > 32) return false;
        constexpr quint32 kRgb = 0;
        constexpr quint32 kBitFields = 3;
        if (compression == kRgb || compression == kBitFields) {
            const qint64 rowSize = (width * bitCount + 31) / 32 * 4;
            if (rowSize * height > bitsRoom) return false;
        }
        return true;
    } catch (const StreamError&) {
        return false;
    }
}

// Where the bitmap fields (offBmi, cbBmi, offBits, cbBits) of EMF bitmap
// records lie; a mask blit carries a second set for its mask.
struct EmfBitmapFields {
    quint32 type;
    int first;
    int second;
};
constexpr EmfBitmapFields kEmfBitmapRecords[] = {
    {76, 84, 0},    // BITBLT
    {77, 84, 0},    // STRETCHBLT
    {78, 84, 112},  // MASKBLT
    {79, 96, 124},  // PLGBLT
    {80, 48, 0},    // SETDIBITSTODEVICE
    {81, 48, 0},    // STRETCHDIBITS
    {93, 16, 0},    // CREATEMONOBRUSH
    {94, 16, 0},    // CREATEDIBPATTERNBRUSHPT
    {114, 84, 0},   // ALPHABLEND
    {116, 84, 0},   // TRANSPARENTBLT
};

bool EmfBitmapFits(const QByteArray& bytes, qint64 record, qint64 size, int fields)
{
    if (fields + 16 > size) return false;
    const qint64 offBmi = LeU32(bytes, record + fields);
    const qint64 cbBmi = LeU32(bytes, record + fields + 4);
    const qint64 offBits = LeU32(bytes, record + fields + 8);
    const qint64 cbBits = LeU32(bytes, record + fields + 12);
    if (cbBmi == 0) return true;
    if (offBmi + cbBmi > size || offBits + cbBits > size) return false;
    return DibFits(bytes, record + offBmi, cbBmi, cbBits);
}

} // namespace

// Returns the header and, through eofEnd, where the end-of-file record ends.
MetafileHeader CheckEmf(const QByteArray& bytes, qint64* eofEnd)
{
    const qint64 headerSize = LeU32(bytes, 4);
    if (headerSize < kEmfMinHeaderSize || headerSize % 4 != 0)
        throw StreamError::BadData("bad EMF header size");
    if (headerSize > bytes.size()) throw StreamError::Truncated("EMF header ends early");
    if (LeU32(bytes, 40) != kEmfSignature) throw StreamError::BadData("not an EMF file");
    const qint64 totalSize = LeU32(bytes, 48);
    if (totalSize > bytes.size()) throw StreamError::Truncated("EMF ends early");
    if (totalSize < headerSize) throw StreamError::BadData("EMF shorter than its header");

    MetafileHeader header;
    header.format = MetafileFormat::Emf;
    const qint64 frameWidth = LeI32(bytes, 32) - LeI32(bytes, 24);
    const qint64 frameHeight = LeI32(bytes, 36) - LeI32(bytes, 28);
    if (frameWidth > 0 && frameHeight > 0) {
        header.size =
            QSize(PixelsFromHundredthsMm(frameWidth), PixelsFromHundredthsMm(frameHeight));
    } else {
        // The bounds are inclusive device pixels.
        const qint64 width = LeI32(bytes, 16) - LeI32(bytes, 8) + 1;
        const qint64 height = LeI32(bytes, 20) - LeI32(bytes, 12) + 1;
        CheckPictureSize(width, height);
        header.size = QSize(int(width), int(height));
    }
    CheckPictureSize(header.size.width(), header.size.height());

    qint64 at = headerSize;
    for (;;) {
        if (at + 8 > totalSize) throw StreamError::Truncated("EMF has no end-of-file record");
        const quint32 type = LeU32(bytes, at);
        const qint64 size = LeU32(bytes, at + 4);
        if (size < 8 || size % 4 != 0) throw StreamError::BadData("bad EMF record size");
        if (at + size > totalSize) throw StreamError::Truncated("EMF record ends early");
        at += size;
        if (type == kEmrEof) break;
    }
    if (eofEnd) *eofEnd = at;
    return header;
}

MetafileHeader CheckPlaceableWmf(const QByteArray& bytes)
{
    if (kPlaceableSize + kMetaHeaderSize > bytes.size())
        throw StreamError::Truncated("metafile header ends early");
    const qint64 left = LeI16(bytes, 6);
    const qint64 top = LeI16(bytes, 8);
    const qint64 right = LeI16(bytes, 10);
    const qint64 bottom = LeI16(bytes, 12);
    const qint64 inch = LeU16(bytes, 14);
    if (inch == 0) throw StreamError::BadData("metafile has no units per inch");
    // The checksum (offset 20) is not checked: writers commonly get it wrong
    // and nothing else depends on it.

    const quint32 type = LeU16(bytes, kPlaceableSize);
    if (type != 1 && type != 2) throw StreamError::BadData("bad metafile type");
    if (LeU16(bytes, kPlaceableSize + 2) != kMetaHeaderWords)
        throw StreamError::BadData("bad metafile header size");
    const qint64 words = LeU32(bytes, kPlaceableSize + 6);
    if (words < kMetaHeaderWords) throw StreamError::BadData("bad metafile size");
    if (kPlaceableSize + words * 2 > bytes.size())
        throw StreamError::Truncated("metafile ends early");
    // libwmf sizes its record buffer by this field.
    const qint64 maxRecordWords = LeU32(bytes, kPlaceableSize + 12);
    if (maxRecordWords * 2 > bytes.size()) throw StreamError::BadData("bad metafile record size");

    auto pixels = [inch](qint64 extent) {
        if (extent <= 0) return qint64(0);
        return qMax<qint64>(1, std::llround(double(extent) * kDpi / double(inch)));
    };
    const qint64 width = pixels(right - left);
    const qint64 height = pixels(bottom - top);
    CheckPictureSize(width, height);

    MetafileHeader header;
    header.format = MetafileFormat::PlaceableWmf;
    header.size = QSize(int(width), int(height));
    return header;
}

MetafileHeader CheckMetafile(const QByteArray& bytes)
{
    const quint32 first = LeU32(bytes, 0);
    if (first == kEmrHeader) return CheckEmf(bytes);
    if (first == kPlaceableKey) return CheckPlaceableWmf(bytes);
    throw StreamError::BadData("not a metafile");
}

// The records were walked by CheckEmf; this adds the bitmap checks that
// only matter when the drawing is converted.
bool EmfBitmapsFit(const QByteArray& bytes, qint64 end)
{
    qint64 at = LeU32(bytes, 4);
    while (at < end) {
        const quint32 type = LeU32(bytes, at);
        const qint64 size = LeU32(bytes, at + 4);
        for (const EmfBitmapFields& record : kEmfBitmapRecords) {
            if (record.type != type) continue;
            if (!EmfBitmapFits(bytes, at, size, record.first)) return false;
            if (record.second && !EmfBitmapFits(bytes, at, size, record.second)) return false;
        }
        at += size;
    }
    return true;
}

// Every record within the data, the bitmaps within their records. libwmf
// reads records one byte at a time and stops at the end of the data, but it
// trusts the bitmap headers inside them. Also returns the first window
// origin, where the drawing's logical coordinates start.
bool WmfRecordsFit(const QByteArray& bytes, QPoint* windowOrigin)
{
    *windowOrigin = QPoint();
    bool originSeen = false;
    try {
        qint64 at = kPlaceableSize + kMetaHeaderSize;
        while (at + 6 <= bytes.size()) {
            const qint64 words = LeU32(bytes, at);
            const quint32 function = LeU16(bytes, at + 4);
            if (words == 3 && function == 0) return true;
            if (words < 3 || at + words * 2 > bytes.size()) return false;
            const qint64 end = at + words * 2;
            qint64 dib = 0;
            switch (function) {
            case 0x0D33: dib = 24; break; // SETDIBTODEV
            case 0x0F43: dib = 28; break; // STRETCHDIB
            case 0x0142: dib = 10; break; // DIBCREATEPATTERNBRUSH
            // The blits carry a bitmap only when longer than their plain form.
            case 0x0940: dib = words > (function >> 8) + 3 ? 22 : 0; break; // DIBBITBLT
            case 0x0B41: dib = words > (function >> 8) + 3 ? 26 : 0; break; // DIBSTRETCHBLT
            case 0x020B:                                                      // SETWINDOWORG
                if (!originSeen && words >= 5)
                    *windowOrigin = QPoint(int(LeI16(bytes, at + 8)), int(LeI16(bytes, at + 6)));
                originSeen = true;
                break;
            default: break;
            }
            if (dib && !DibFits(bytes, at + dib, end - at - dib, end - at - dib)) return false;
            at = end;
        }
        return true;
    } catch (const StreamError&) {
        return false;
    }
}
