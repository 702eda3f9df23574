// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QImage>
#include <QWidget>

// Shows a picture of the menu window's client area in the canvas host,
// at the menu window's size.
class TCanvasPicture final : public QWidget {
public:
    explicit TCanvasPicture(QWidget* parent = nullptr);
    void SetPicture(QImage picture);
    const QImage& Picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    QImage m_picture;
};
