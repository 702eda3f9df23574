// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "model/Picture.h"

#include <QDialog>

class QTimer;

// A borderless window showing the splash picture at its own size, centred
// on the screen, until its time is up, a click or a key press.
class TSplashScreenForm final : public QDialog {
public:
    TSplashScreenForm(const TPicture& picture, int seconds);

    QTimer* Timer1() const { return m_timer; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    TPicture m_picture;
    QTimer* m_timer;
};

// Shows the splash modally and frees it when it closes; nothing for an
// empty picture.
void ShowSplash(const TPicture& picture, int seconds);
