// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/MessageAnchorWindow.h"

#include "platform/MessageBoxes.h"

TMessageAnchorWindow::TMessageAnchorWindow() : QWidget(nullptr, Qt::Window | Qt::FramelessWindowHint)
{
    resize(1, 1);
    move(-20, y());
    show();
    GetMessageBoxes().SetAnchor(this);
}

TMessageAnchorWindow::~TMessageAnchorWindow()
{
    GetMessageBoxes().SetAnchor(nullptr);
}
