// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QMouseEvent>
#include <QRect>

// The left-button click of a control: a press on it followed by a release
// inside its area. Other buttons neither start nor end a click.
class TClickTracker {
public:
    void Press(const QMouseEvent& event)
    {
        if (event.button() == Qt::LeftButton) m_pressed = true;
    }
    // True when this release completes a click inside the area.
    bool Release(const QMouseEvent& event, const QRect& area)
    {
        if (event.button() != Qt::LeftButton) return false;
        const bool wasPressed = m_pressed;
        m_pressed = false;
        return wasPressed && area.contains(event.position().toPoint());
    }
    bool Pressed() const { return m_pressed; }

private:
    bool m_pressed = false;
};
