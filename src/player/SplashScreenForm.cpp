// SPDX-License-Identifier: GPL-2.0-or-later
#include "player/SplashScreenForm.h"

#include <QGuiApplication>
#include <QPainter>
#include <QScreen>
#include <QTimer>

TSplashScreenForm::TSplashScreenForm(const TPicture& picture, int seconds)
    : QDialog(nullptr, Qt::SplashScreen | Qt::FramelessWindowHint), m_picture(picture),
      m_timer(new QTimer(this))
{
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
    const QSize size(std::max(1, m_picture.Width()), std::max(1, m_picture.Height()));
    setFixedSize(size);
    if (const QScreen* screen = QGuiApplication::primaryScreen()) {
        const QRect area = screen->geometry();
        move(area.left() + (area.width() - size.width()) / 2,
             area.top() + (area.height() - size.height()) / 2);
    }
    m_timer->setSingleShot(true);
    m_timer->setInterval(std::max(0, seconds) * 1000);
    connect(m_timer, &QTimer::timeout, this, &QDialog::accept);
    m_timer->start();
}

void TSplashScreenForm::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    if (const TGraphic* graphic = m_picture.Graphic())
        graphic->Draw(painter, QRectF(0, 0, m_picture.Width(), m_picture.Height()));
}

void TSplashScreenForm::mousePressEvent(QMouseEvent*)
{
    accept();
}

void TSplashScreenForm::keyPressEvent(QKeyEvent*)
{
    accept();
}

void ShowSplash(const TPicture& picture, int seconds)
{
    if (picture.Empty()) return;
    TSplashScreenForm splash(picture, seconds);
    splash.exec();
}
