// SPDX-License-Identifier: GPL-2.0-or-later
// Shared helpers of the pixel tests: a menu surface of one colour to put
// controls on, its rendering into an image, solid pictures and pointer
// events.
#pragma once

#include "model/GraphicClasses.h"
#include "model/Picture.h"

#include <QApplication>
#include <QEnterEvent>
#include <QImage>
#include <QMouseEvent>
#include <QPalette>
#include <QWidget>

constexpr QRgb kMenuColor = qRgb(0, 160, 0);
constexpr QRgb kOutlineColor = qRgb(0x80, 0x80, 0x80);

// A window that fills itself with one colour, like a menu's background.
class TTestMenu : public QWidget {
public:
    explicit TTestMenu(QSize size, QRgb color = kMenuColor)
    {
        QPalette surface = palette();
        surface.setColor(QPalette::Window, QColor::fromRgb(color));
        setPalette(surface);
        setAutoFillBackground(true);
        resize(size);
    }

    // The menu and its children as they would appear on screen. Pixels
    // that nothing paints keep an odd colour no control uses.
    QImage Render()
    {
        QImage image(size(), QImage::Format_RGB32);
        image.fill(qRgb(1, 2, 3));
        render(&image);
        return image;
    }
};

inline TPicture PictureFromImage(GraphicKind kind, const QImage& image)
{
    auto graphic = NewGraphic(kind);
    graphic->Assign(image);
    TPicture picture;
    picture.SetGraphic(std::move(graphic));
    return picture;
}

inline TPicture SolidPicture(GraphicKind kind, QRgb color, int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(color);
    return PictureFromImage(kind, image);
}

inline void SendEnter(QWidget& widget)
{
    const QPointF at(2, 2);
    QEnterEvent event(at, at, widget.mapToGlobal(at));
    QApplication::sendEvent(&widget, &event);
}

inline void SendLeftPress(QWidget& widget)
{
    const QPointF at(2, 2);
    QMouseEvent event(QEvent::MouseButtonPress, at, widget.mapToGlobal(at), Qt::LeftButton,
                      Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&widget, &event);
}

// Every pixel of the area has the colour.
inline bool AllOf(const QImage& image, const QRect& area, QRgb color)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) != color) return false;
    return true;
}

inline int CountOf(const QImage& image, const QRect& area, QRgb color)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            if (image.pixel(x, y) == color) ++count;
    return count;
}
