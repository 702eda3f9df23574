// SPDX-License-Identifier: GPL-2.0-or-later
#include "player/BackgroundImage.h"

#include <QPaintEvent>
#include <QPainter>

TBackgroundImage::TBackgroundImage(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMouseTracking(true);
}

void TBackgroundImage::SetPicture(QImage picture)
{
    m_picture = std::move(picture);
    update();
}

void TBackgroundImage::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), m_picture, event->rect());
}

void TBackgroundImage::mouseMoveEvent(QMouseEvent* event)
{
    if (OnMouseMoveOverBackground) OnMouseMoveOverBackground();
    QWidget::mouseMoveEvent(event);
}
