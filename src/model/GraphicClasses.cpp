// SPDX-License-Identifier: GPL-2.0-or-later
#include "model/GraphicClasses.h"

#include "model/BmpCodec.h"
#include "model/GifCodec.h"
#include "model/IcoCodec.h"
#include "model/JpegCodec.h"
#include "model/PngCodec.h"
#include "model/StreamError.h"

QString GraphicClassName(GraphicKind kind)
{
    switch (kind) {
    case GraphicKind::Bitmap: return QStringLiteral("TBitmap");
    case GraphicKind::Icon: return QStringLiteral("TIcon");
    case GraphicKind::Metafile: return QStringLiteral("TMetafile");
    case GraphicKind::Jpeg: return QStringLiteral("TJPEGImage");
    case GraphicKind::Gif: return QStringLiteral("TGIFImage");
    case GraphicKind::Png: return QStringLiteral("TPNGObject");
    }
    return QString();
}

std::optional<GraphicKind> GraphicClassByName(const QString& name)
{
    static const GraphicKind kOrder[] = {GraphicKind::Gif,    GraphicKind::Png,  GraphicKind::Jpeg,
                                         GraphicKind::Bitmap, GraphicKind::Icon, GraphicKind::Metafile};
    for (GraphicKind kind : kOrder)
        if (name.compare(GraphicClassName(kind), Qt::CaseInsensitive) == 0) return kind;
    return std::nullopt;
}

std::unique_ptr<TGraphic> NewGraphic(GraphicKind kind)
{
    switch (kind) {
    case GraphicKind::Bitmap: return std::make_unique<TBitmap>();
    case GraphicKind::Icon: return std::make_unique<TIcon>();
    case GraphicKind::Metafile: return std::make_unique<TMetafile>();
    case GraphicKind::Jpeg: return std::make_unique<TJPEGImage>();
    case GraphicKind::Gif: return std::make_unique<TGIFImage>();
    case GraphicKind::Png: return std::make_unique<TPNGObject>();
    }
    return nullptr;
}

QSize TBitmap::CheckBytes(const QByteArray& bytes) { return CheckBmp(bytes); }
QImage TBitmap::DecodeBytes(const QByteArray& bytes) const { return DecodeBmp(bytes); }
QByteArray TBitmap::EncodeImage(const QImage& image) { return EncodeBmp(image); }

QSize TIcon::CheckBytes(const QByteArray& bytes) { return CheckIco(bytes); }
QImage TIcon::DecodeBytes(const QByteArray& bytes) const { return DecodeIco(bytes); }
QByteArray TIcon::EncodeImage(const QImage& image) { return EncodeIco(image); }

QSize TMetafile::CheckBytes(const QByteArray& bytes)
{
    const MetafileHeader header = CheckMetafile(bytes);
    m_format = header.format;
    return header.size;
}

QImage TMetafile::DecodeBytes(const QByteArray& bytes) const
{
    return RenderMetafile(bytes, Size());
}

QByteArray TMetafile::EncodeImage(const QImage&)
{
    throw StreamError::BadData("a metafile cannot be made from a bitmap");
}

void TMetafile::Draw(QPainter& painter, const QRectF& target) const
{
    if (!Empty()) DrawMetafile(painter, target, SaveToBytes());
}

QSize TJPEGImage::CheckBytes(const QByteArray& bytes) { return CheckJpeg(bytes); }
QImage TJPEGImage::DecodeBytes(const QByteArray& bytes) const { return DecodeJpeg(bytes); }
QByteArray TJPEGImage::EncodeImage(const QImage& image) { return EncodeJpeg(image); }

QSize TGIFImage::CheckBytes(const QByteArray& bytes) { return CheckGif(bytes); }
QImage TGIFImage::DecodeBytes(const QByteArray& bytes) const { return DecodeGif(bytes); }
QByteArray TGIFImage::EncodeImage(const QImage& image) { return EncodeGif(image); }

QSize TPNGObject::CheckBytes(const QByteArray& bytes)
{
    const PngHeader header = CheckPng(bytes);
    m_colorType = header.colorType;
    m_bitDepth = header.bitDepth;
    return QSize(header.width, header.height);
}

QImage TPNGObject::DecodeBytes(const QByteArray& bytes) const { return DecodePng(bytes); }

QByteArray TPNGObject::EncodeImage(const QImage& image)
{
    QByteArray bytes = EncodePng(image);
    const PngHeader header = CheckPng(bytes);
    m_colorType = header.colorType;
    m_bitDepth = header.bitDepth;
    return bytes;
}
