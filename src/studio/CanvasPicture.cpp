// SPDX-License-Identifier: GPL-2.0-or-later
#include "studio/CanvasPicture.h"

#include <QPainter>

TCanvasPicture::TCanvasPicture(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void TCanvasPicture::SetPicture(QImage picture)
{
    m_picture = std::move(picture);
    update();
}

void TCanvasPicture::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), palette().window());
    painter.drawImage(0, 0, m_picture);
}
