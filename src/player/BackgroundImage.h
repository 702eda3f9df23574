// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QImage>
#include <QWidget>

#include <functional>

// The lowest child of the menu window's surface: shows the painted
// background picture and reports the mouse moving over it, that is over no
// object.
class TBackgroundImage final : public QWidget {
public:
    explicit TBackgroundImage(QWidget* parent);

    const QImage& Picture() const { return m_picture; }
    void SetPicture(QImage picture);

    std::function<void()> OnMouseMoveOverBackground;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;

private:
    QImage m_picture;
};
