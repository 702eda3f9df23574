// SPDX-License-Identifier: GPL-2.0-or-later
#include "player/ScreenBackForm.h"

#include "player/BackgroundPainter.h"

#include <QGuiApplication>
#include <QPaintEvent>
#include <QPainter>
#include <QScreen>

TScreenBackForm::TScreenBackForm(TColor color, int gradientStyle, int pictureStyle,
                                 const TPicture& picture, TColor gradientColor)
    : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus),
      m_color(color), m_gradientStyle(gradientStyle), m_pictureStyle(pictureStyle),
      m_picture(picture), m_gradientColor(gradientColor)
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    setEnabled(false);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) setGeometry(screen->geometry());
    PaintSurface();
}

void TScreenBackForm::PaintSurface()
{
    QImage surface(size().expandedTo(QSize(1, 1)), QImage::Format_RGB32);
    PaintBackdrop(surface, m_color, m_gradientStyle, m_gradientColor, m_picture, m_pictureStyle,
                  palette());
    m_surface = std::move(surface);
    update();
}

void TScreenBackForm::paintEvent(QPaintEvent* event)
{
    QPainter painter(this);
    painter.drawImage(event->rect(), m_surface, event->rect());
}

void TScreenBackForm::resizeEvent(QResizeEvent* event)
{
    QWidget::resizeEvent(event);
    if (m_surface.size() != size()) PaintSurface();
}

std::unique_ptr<TScreenBackForm> ShowBackdrop(bool enabled, TColor color, int gradientStyle,
                                              int pictureStyle, const TPicture& picture,
                                              TColor gradientColor)
{
    if (!enabled) return nullptr;
    auto backdrop = std::make_unique<TScreenBackForm>(color, gradientStyle, pictureStyle, picture,
                                                      gradientColor);
    backdrop->showFullScreen();
    return backdrop;
}
