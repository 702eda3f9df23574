// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <functional>

class QColor;
class QImage;
class QWidget;

// Makes the pixels of a top-level window's client area that show the key
// colour see-through and click-through. On Windows the window becomes a
// layered window keyed on the colour, which follows every repaint by
// itself; elsewhere the window gets a mask built from the picture that
// renderClientArea returns, so it is called again whenever that changes.
void ApplyColorKey(QWidget& window, const QColor& key, const std::function<QImage()>& renderClientArea);
// Makes the whole window opaque again.
void ClearColorKey(QWidget& window);
