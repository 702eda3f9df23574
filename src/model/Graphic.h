// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QImage>
#include <QSize>
#include <QString>

#include <memory>

class QPainter;
class QRectF;

// The six graphic classes a picture can hold, in the order of their tags.
enum class GraphicKind { Bitmap, Icon, Metafile, Jpeg, Gif, Png };

// One graphic in its own file format. Loading checks the bytes' structure
// and reads the pixel size but decodes no pixels; the pixels are decoded on
// first use. A graphic that was loaded and not changed saves exactly the
// bytes it was loaded from.
class TGraphic {
public:
    virtual ~TGraphic() = default;

    virtual GraphicKind Kind() const = 0;
    virtual std::unique_ptr<TGraphic> Clone() const = 0;
    // The class name stored as the picture's tag: "TBitmap", "TPNGObject", ...
    QString ClassName() const;

    bool Empty() const { return m_bytes.isEmpty() && m_image.isNull(); }
    QSize Size() const { return m_size; }
    int Width() const { return m_size.width(); }
    int Height() const { return m_size.height(); }

    // Takes the bytes of a stored graphic; throws StreamError when they are
    // damaged, truncated or too large. On failure the graphic is unchanged.
    void LoadFromBytes(const QByteArray& bytes);
    // The bytes to store: exactly those loaded, or those of the assigned
    // image in this class's format.
    const QByteArray& SaveToBytes() const { return m_bytes; }

    // The pixels, decoded on first use; a null image when they cannot be.
    QImage ToImage() const;
    // Replaces the content with an image, encoded at once in this class's
    // format. Throws StreamError when the class cannot hold it; the graphic
    // is then unchanged.
    void Assign(const QImage& image);
    // Draws the graphic scaled into the target rectangle.
    virtual void Draw(QPainter& painter, const QRectF& target) const;

protected:
    TGraphic() = default;
    TGraphic(const TGraphic&) = default;

    // Checks the structure of stored bytes and returns the pixel size;
    // throws StreamError for damaged data.
    virtual QSize CheckBytes(const QByteArray& bytes) = 0;
    virtual QImage DecodeBytes(const QByteArray& bytes) const = 0;
    virtual QByteArray EncodeImage(const QImage& image) = 0;

private:
    QByteArray m_bytes;
    QSize m_size;
    mutable QImage m_image;
    mutable bool m_decoded = false;
};

// A new empty graphic of a kind.
std::unique_ptr<TGraphic> NewGraphic(GraphicKind kind);
