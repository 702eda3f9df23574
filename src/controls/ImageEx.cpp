// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/ImageEx.h"

#include "controls/DesignOutline.h"
#include "controls/GraphicDrawing.h"
#include "controls/ImageGeometry.h"

#include <QPainter>

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
    m_drawing = true;
    QPainter painter(this);
    DrawDesignOutline(painter, size());
    const TGraphic* graphic = m_picture.Graphic();
    if (graphic && !graphic->Empty())
        DrawGraphic(painter, *graphic, QRectF(DestRect()), m_transparent);
    m_drawing = false;
}
