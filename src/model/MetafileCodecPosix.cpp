// SPDX-License-Identifier: GPL-2.0-or-later
#include "model/MetafileCodec.h"

#include "model/MetafileHeader.h"

#include <QPainter>
#include <QRectF>
#include <QRegularExpression>
#include <QSvgRenderer>

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

// The SVG that libwmf may write; a drawing beyond this is refused rather
// than grown without bound.
constexpr qsizetype kMaxSvgBytes = qsizetype(128) * 1024 * 1024;

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
