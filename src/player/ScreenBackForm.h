// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "model/Color.h"
#include "model/Picture.h"

#include <QImage>
#include <QWidget>

#include <memory>

// A borderless, disabled window over the whole screen, painted with the
// backdrop's colour, gradient and picture, below the menu window.
class TScreenBackForm final : public QWidget {
public:
    TScreenBackForm(TColor color, int gradientStyle, int pictureStyle, const TPicture& picture,
                    TColor gradientColor);

    // Paints the surface for the window's current size.
    void PaintSurface();
    const QImage& Surface() const { return m_surface; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    TColor m_color;
    int m_gradientStyle;
    int m_pictureStyle;
    TPicture m_picture;
    TColor m_gradientColor;
    QImage m_surface;
};

// The shown backdrop, or nothing when it is not enabled.
std::unique_ptr<TScreenBackForm> ShowBackdrop(bool enabled, TColor color, int gradientStyle,
                                              int pictureStyle, const TPicture& picture,
                                              TColor gradientColor);
