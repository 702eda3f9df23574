// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QColor>
#include <QImage>
#include <QRect>

// Pixels of a clearly red, green or blue hue, as text or pictures in that
// colour leave them, smoothed edges included.
enum class Hue { Red, Green, Blue };

inline int CountHue(const QImage& image, const QRect& area, Hue hue)
{
    int count = 0;
    const QRect inside = area.intersected(image.rect());
    for (int y = inside.top(); y <= inside.bottom(); ++y)
        for (int x = inside.left(); x <= inside.right(); ++x) {
            const QColor c = image.pixelColor(x, y);
            const int main = hue == Hue::Red ? c.red() : hue == Hue::Green ? c.green() : c.blue();
            if (main > 150 && c.red() + c.green() + c.blue() - main < 120) ++count;
        }
    return count;
}
