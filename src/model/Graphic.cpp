// SPDX-License-Identifier: GPL-2.0-or-later
#include "model/Graphic.h"

#include "model/GraphicClasses.h"

#include <QPainter>

QString TGraphic::ClassName() const
{
    return GraphicClassName(Kind());
}

void TGraphic::LoadFromBytes(const QByteArray& bytes)
{
    // No bytes at all is an empty graphic of the class, as a reader of an
    // empty stream makes it.
    const QSize size = bytes.isEmpty() ? QSize() : CheckBytes(bytes);
    m_bytes = bytes;
    m_size = size;
    m_image = QImage();
    m_decoded = false;
}

QImage TGraphic::ToImage() const
{
    if (!m_decoded) {
        m_image = m_bytes.isEmpty() ? QImage() : DecodeBytes(m_bytes);
        m_decoded = true;
    }
    return m_image;
}

void TGraphic::Assign(const QImage& image)
{
    // Encode now so a class that cannot hold the image refuses it here,
    // not later when the project is saved.
    QByteArray bytes = image.isNull() ? QByteArray() : EncodeImage(image);
    m_bytes = std::move(bytes);
    m_size = image.size();
    m_image = image;
    m_decoded = true;
}

void TGraphic::Draw(QPainter& painter, const QRectF& target) const
{
    const QImage image = ToImage();
    if (!image.isNull()) painter.drawImage(target, image);
}
