// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "model/Picture.h"

#include <QWidget>

// A widget that shows a picture: at its own size, stretched, scaled to fit
// and centred as chosen. Every change of the picture or of how it is
// placed runs PictureChanged.
class TImageEx : public QWidget {
public:
    explicit TImageEx(QWidget* parent = nullptr);

    const TPicture& Picture() const { return m_picture; }
    void SetPicture(const TPicture& picture);
    void SetPicture(TPicture&& picture);

    // Takes the picture's size whenever the picture changes.
    bool AutoSize() const { return m_autoSize; }
    void SetAutoSize(bool autoSize);
    bool Center() const { return m_center; }
    void SetCenter(bool center);
    bool Stretch() const { return m_stretch; }
    void SetStretch(bool stretch);
    bool Proportional() const { return m_proportional; }
    void SetProportional(bool proportional);
    // A bitmap is drawn without the colour of its bottom-left pixel. Icons
    // and metafiles are always drawn over what lies behind them.
    bool Transparent() const { return m_transparent; }
    void SetTransparent(bool transparent);
    bool IncrementalDisplay() const { return m_incrementalDisplay; }
    void SetIncrementalDisplay(bool incremental) { m_incrementalDisplay = incremental; }

    // Where the picture is drawn in the client area.
    QRect DestRect() const;
    // Whether the graphic lets the background show through.
    bool GraphicTransparent() const;

protected:
    // Applies the auto size, decides whether the control paints every one
    // of its pixels, and repaints.
    void PictureChanged();
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void UpdateOpacity();

    TPicture m_picture;
    bool m_autoSize = false;
    bool m_center = false;
    bool m_stretch = false;
    bool m_proportional = false;
    bool m_transparent = false;
    bool m_incrementalDisplay = false;
    bool m_drawing = false;
};
