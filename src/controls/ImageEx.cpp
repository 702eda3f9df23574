// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/ImageEx.h"

#include "controls/ImageGeometry.h"

#include <QPainter>

namespace {

// The bitmap with every pixel of its bottom-left pixel's colour cleared.
QImage WithoutKeyColor(const QImage& image)
{
    if (image.isNull()) return image;
    QImage keyed = image.convertToFormat(QImage::Format_ARGB32);
    const QRgb key = keyed.pixel(0, keyed.height() - 1) & RGB_MASK;
    for (int y = 0; y < keyed.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(keyed.scanLine(y));
        for (int x = 0; x < keyed.width(); ++x)
            if ((line[x] & RGB_MASK) == key) line[x] = 0;
    }
    return keyed;
}

} // namespace

TImageEx::TImageEx(QWidget* parent) : QWidget(parent)
{
    resize(105, 105);
}

void TImageEx::SetPicture(const TPicture& picture)
{
    m_picture = picture;
    PictureChanged();
}

void TImageEx::SetPicture(TPicture&& picture)
{
    m_picture = std::move(picture);
    PictureChanged();
}

void TImageEx::SetAutoSize(bool autoSize)
{
    if (autoSize == m_autoSize) return;
    m_autoSize = autoSize;
    if (autoSize) PictureChanged();
}

void TImageEx::SetCenter(bool center)
{
    if (center == m_center) return;
    m_center = center;
    PictureChanged();
}

void TImageEx::SetStretch(bool stretch)
{
    if (stretch == m_stretch) return;
    m_stretch = stretch;
    PictureChanged();
}

void TImageEx::SetProportional(bool proportional)
{
    if (proportional == m_proportional) return;
    m_proportional = proportional;
    PictureChanged();
}

void TImageEx::SetTransparent(bool transparent)
{
    if (transparent == m_transparent) return;
    m_transparent = transparent;
    PictureChanged();
}

QRect TImageEx::DestRect() const
{
    return ImageDestRect(QSize(m_picture.Width(), m_picture.Height()), size(), m_stretch,
                         m_proportional, m_center);
}

bool TImageEx::GraphicTransparent() const
{
    const TGraphic* graphic = m_picture.Graphic();
    if (!graphic) return true;
    if (graphic->Kind() == GraphicKind::Icon || graphic->Kind() == GraphicKind::Metafile)
        return true;
    return m_transparent;
}

void TImageEx::PictureChanged()
{
    if (m_autoSize && m_picture.Width() > 0 && m_picture.Height() > 0)
        resize(m_picture.Width(), m_picture.Height());
    UpdateOpacity();
    if (!m_drawing) update();
}

void TImageEx::UpdateOpacity()
{
    const bool opaque = m_picture.Graphic() && !GraphicTransparent() && DestRect().contains(rect());
    setAttribute(Qt::WA_OpaquePaintEvent, opaque);
}

void TImageEx::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    // The picture may cover the new area or no longer cover it.
    UpdateOpacity();
}

void TImageEx::paintEvent(QPaintEvent*)
{
    const TGraphic* graphic = m_picture.Graphic();
    if (!graphic || graphic->Empty()) return;
    m_drawing = true;
    QPainter painter(this);
    const QRectF target(DestRect());
    if (m_transparent && graphic->Kind() == GraphicKind::Bitmap)
        painter.drawImage(target, WithoutKeyColor(graphic->ToImage()));
    else
        graphic->Draw(painter, target);
    m_drawing = false;
}
