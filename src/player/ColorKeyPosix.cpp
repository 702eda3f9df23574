// SPDX-License-Identifier: GPL-2.0-or-later
#include "player/ColorKey.h"

#include <QBitmap>
#include <QColor>
#include <QImage>
#include <QWidget>

void ApplyColorKey(QWidget& window, const QColor& key, const std::function<QImage()>& renderClientArea)
{
    // The masked-out pixels are click-through as well as see-through.
    const QImage picture = renderClientArea().convertToFormat(QImage::Format_RGB32);
    window.setMask(QBitmap::fromImage(picture.createMaskFromColor(key.rgb(), Qt::MaskInColor)));
}

void ClearColorKey(QWidget& window)
{
    window.clearMask();
}
