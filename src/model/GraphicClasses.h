// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "model/Graphic.h"
#include "model/MetafileCodec.h"

#include <optional>

// The class name of a kind, as stored in a picture's tag.
QString GraphicClassName(GraphicKind kind);
// The kind whose class name equals the name ignoring case, tried in the
// order TGIFImage, TPNGObject, TJPEGImage, TBitmap, TIcon, TMetafile.
std::optional<GraphicKind> GraphicClassByName(const QString& name);

class TBitmap final : public TGraphic {
public:
    GraphicKind Kind() const override { return GraphicKind::Bitmap; }
    std::unique_ptr<TGraphic> Clone() const override { return std::make_unique<TBitmap>(*this); }

protected:
    QSize CheckBytes(const QByteArray& bytes) override;
    QImage DecodeBytes(const QByteArray& bytes) const override;
    QByteArray EncodeImage(const QImage& image) override;
};

class TIcon final : public TGraphic {
public:
    GraphicKind Kind() const override { return GraphicKind::Icon; }
    std::unique_ptr<TGraphic> Clone() const override { return std::make_unique<TIcon>(*this); }

protected:
    QSize CheckBytes(const QByteArray& bytes) override;
    QImage DecodeBytes(const QByteArray& bytes) const override;
    QByteArray EncodeImage(const QImage& image) override;
};

// Drawn as vectors at any size; it cannot be made from a bitmap.
class TMetafile final : public TGraphic {
public:
    GraphicKind Kind() const override { return GraphicKind::Metafile; }
    std::unique_ptr<TGraphic> Clone() const override { return std::make_unique<TMetafile>(*this); }
    MetafileFormat Format() const { return m_format; }
    void Draw(QPainter& painter, const QRectF& target) const override;

protected:
    QSize CheckBytes(const QByteArray& bytes) override;
    QImage DecodeBytes(const QByteArray& bytes) const override;
    QByteArray EncodeImage(const QImage& image) override;

private:
    MetafileFormat m_format = MetafileFormat::Emf;
};

class TJPEGImage final : public TGraphic {
public:
    GraphicKind Kind() const override { return GraphicKind::Jpeg; }
    std::unique_ptr<TGraphic> Clone() const override { return std::make_unique<TJPEGImage>(*this); }

protected:
    QSize CheckBytes(const QByteArray& bytes) override;
    QImage DecodeBytes(const QByteArray& bytes) const override;
    QByteArray EncodeImage(const QImage& image) override;
};

class TGIFImage final : public TGraphic {
public:
    GraphicKind Kind() const override { return GraphicKind::Gif; }
    std::unique_ptr<TGraphic> Clone() const override { return std::make_unique<TGIFImage>(*this); }

protected:
    QSize CheckBytes(const QByteArray& bytes) override;
    QImage DecodeBytes(const QByteArray& bytes) const override;
    QByteArray EncodeImage(const QImage& image) override;
};

// Knows the colour type and bit depth it is stored with.
class TPNGObject final : public TGraphic {
public:
    GraphicKind Kind() const override { return GraphicKind::Png; }
    std::unique_ptr<TGraphic> Clone() const override { return std::make_unique<TPNGObject>(*this); }
    int ColorType() const { return m_colorType; }
    int BitDepth() const { return m_bitDepth; }

protected:
    QSize CheckBytes(const QByteArray& bytes) override;
    QImage DecodeBytes(const QByteArray& bytes) const override;
    QByteArray EncodeImage(const QImage& image) override;

private:
    int m_colorType = 0;
    int m_bitDepth = 0;
};
