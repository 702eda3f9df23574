// SPDX-License-Identifier: GPL-2.0-or-later
#include "model/MetafileCodec.h"

#include <QPainter>
#include <QRectF>
#include <QRegularExpression>
#include <QSvgRenderer>

#include <climits>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <string>

#include <emf2svg.h>
#include <libwmf/api.h>
#include <libwmf/svg.h>

#include "model/GraphicLimits.h"
#include "model/LittleEndian.h"
#include "model/StreamError.h"

namespace {

constexpr quint32 kEmrHeader = 1;
constexpr quint32 kEmrEof = 14;
constexpr quint32 kEmfSignature = 0x464D4520; // " EMF"
constexpr qint64 kEmfMinHeaderSize = 88;

constexpr quint32 kPlaceableKey = 0x9AC6CDD7;
constexpr qint64 kPlaceableSize = 22;
constexpr qint64 kMetaHeaderSize = 18;
constexpr quint16 kMetaHeaderWords = 9;

constexpr double kDpi = 96.0;

// The SVG that libwmf may write; a drawing beyond this is refused rather
// than grown without bound.
constexpr qsizetype kMaxSvgBytes = qsizetype(128) * 1024 * 1024;

int PixelsFromHundredthsMm(qint64 extent)
{
    const double pixels = std::round(double(extent) * kDpi / 2540.0);
    return int(qBound(1.0, pixels, double(INT_MAX)));
}

// Returns the header and, through eofEnd, where the end-of-file record ends.
MetafileHeader CheckEmf(const QByteArray& bytes, qint64* eofEnd = nullptr)
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

// libemf2svg reads the header's description text without checking where
// it lies, and measures an empty one by searching for its terminating zero.
// The description is only a label: one that is empty or reaches beyond the
// header is removed from the copy handed to the library.
void ClearStrayDescription(QByteArray& records)
{
    constexpr qint64 kDescriptionLength = 60;
    constexpr qint64 kDescriptionOffset = 64;
    const qint64 headerSize = LeU32(records, 4);
    const qint64 length = LeU32(records, kDescriptionLength);
    const qint64 offset = LeU32(records, kDescriptionOffset);
    if (length > 0 && offset >= kEmfMinHeaderSize && offset + 2 * length <= headerSize) return;
    for (qint64 field : {kDescriptionLength, kDescriptionOffset})
        for (int i = 0; i < 4; ++i) records[qsizetype(field + i)] = 0;
}

QByteArray EmfToSvg(const QByteArray& bytes)
{
    qint64 end = 0;
    const MetafileHeader header = CheckEmf(bytes, &end);
    if (!EmfBitmapsFit(bytes, end)) return QByteArray();

    // libemf2svg takes a mutable buffer; it gets only the records up to EOF.
    QByteArray records = bytes.left(qsizetype(end));
    ClearStrayDescription(records);
    generatorOptions options{};
    options.nameSpace = nullptr;
    options.verbose = false;
    options.emfplus = false;
    options.svgDelimiter = true;
    options.imgWidth = header.size.width();
    options.imgHeight = header.size.height();
    char* out = nullptr;
    size_t outLength = 0;
    const int ok = emf2svg(records.data(), size_t(records.size()), &out, &outLength, &options);
    QByteArray svg;
    if (ok && out) svg = QByteArray(out, qsizetype(outLength));
    std::free(out);
    return svg;
}

struct SvgSink {
    std::string text;
    bool overflow = false;
};

int SinkPutS(char* str, void* context)
{
    auto* sink = static_cast<SvgSink*>(context);
    const size_t length = std::strlen(str);
    if (sink->overflow || sink->text.size() + length > size_t(kMaxSvgBytes)) {
        sink->overflow = true;
        return EOF;
    }
    sink->text.append(str, length);
    return 0;
}

int SinkReset(void* context)
{
    static_cast<SvgSink*>(context)->text.clear();
    return 0;
}

QByteArray PlaceableWmfToSvg(const QByteArray& bytes)
{
    const MetafileHeader header = CheckPlaceableWmf(bytes);
    QPoint origin;
    if (!WmfRecordsFit(bytes, &origin)) return QByteArray();

    wmfAPI_Options options{};
    options.function = wmf_svg_function;
    const unsigned long flags = WMF_OPT_FUNCTION | WMF_OPT_IGNORE_NONFATAL | WMF_OPT_NO_ERROR |
                                WMF_OPT_NO_DEBUG;
    wmfAPI* api = nullptr;
    if (wmf_api_create(&api, flags, &options) != wmf_E_None) {
        if (api) wmf_api_destroy(api);
        return QByteArray();
    }

    // The sink and the stream outlive the API: destroying it may still write.
    SvgSink sink;
    wmfStream stream{&sink, SinkPutS, SinkReset};
    QByteArray input = bytes;
    auto* data = reinterpret_cast<unsigned char*>(input.data());
    bool ok = wmf_mem_open(api, data, long(input.size())) == wmf_E_None;
    wmfD_Rect bbox{};
    if (ok) ok = wmf_scan(api, 0, &bbox) == wmf_E_None;
    if (ok) {
        // The picture is the placeable header's box, not the extent of what
        // is drawn (which the scan returns): libwmf's device units are points
        // from the window origin.
        const double scale = 72.0 / LeU16(bytes, 14);
        auto x = [&](qint64 at) { return float((LeI16(bytes, at) - origin.x()) * scale); };
        auto y = [&](qint64 at) { return float((LeI16(bytes, at) - origin.y()) * scale); };
        const wmfD_Rect frame{{x(6), y(8)}, {x(10), y(12)}};
        wmf_svg_t* device = WMF_SVG_GetData(api);
        device->out = &stream;
        device->Description = const_cast<char*>("metafile");
        device->bbox = frame;
        device->width = unsigned(header.size.width());
        device->height = unsigned(header.size.height());
        device->flags |= WMF_SVG_INLINE_IMAGES;
        ok = wmf_play(api, 0, &bbox) == wmf_E_None;
    }
    wmf_api_destroy(api);
    if (!ok || sink.overflow) return QByteArray();
    // libwmf gives each image both its place and size and a matrix that
    // applies them again; without the matrix the image lands where it should.
    static const QRegularExpression kImageMatrix(
        QStringLiteral(R"re((<image [^>]*?)\s*transform="matrix\([^"]*\)")re"));
    QString svg = QString::fromUtf8(sink.text.data(), qsizetype(sink.text.size()));
    svg.replace(kImageMatrix, QStringLiteral("\\1"));
    return svg.toUtf8();
}

} // namespace

MetafileHeader CheckMetafile(const QByteArray& bytes)
{
    const quint32 first = LeU32(bytes, 0);
    if (first == kEmrHeader) return CheckEmf(bytes);
    if (first == kPlaceableKey) return CheckPlaceableWmf(bytes);
    throw StreamError::BadData("not a metafile");
}

QByteArray MetafileToSvg(const QByteArray& bytes)
{
    try {
        const quint32 first = LeU32(bytes, 0);
        if (first == kEmrHeader) return EmfToSvg(bytes);
        if (first == kPlaceableKey) return PlaceableWmfToSvg(bytes);
    } catch (const StreamError&) {
    }
    return QByteArray();
}

QImage RenderMetafile(const QByteArray& bytes, QSize size)
{
    try {
        CheckPictureSize(size.width(), size.height());
    } catch (const StreamError&) {
        return QImage();
    }
    const QByteArray svg = MetafileToSvg(bytes);
    if (svg.isEmpty()) return QImage();
    QSvgRenderer renderer(svg);
    if (!renderer.isValid()) return QImage();
    QImage image(size, QImage::Format_ARGB32_Premultiplied);
    if (image.isNull()) return QImage();
    image.fill(Qt::transparent);
    QPainter painter(&image);
    renderer.render(&painter, QRectF(QPointF(0, 0), QSizeF(size)));
    return image;
}

void DrawMetafile(QPainter& painter, const QRectF& target, const QByteArray& bytes)
{
    const QByteArray svg = MetafileToSvg(bytes);
    if (svg.isEmpty()) return;
    QSvgRenderer renderer(svg);
    if (renderer.isValid()) renderer.render(&painter, target);
}
