// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QThread>

// Runs the event loop for a while, so windows show, move and repaint as
// they would with a user watching.
inline void Settle(int milliseconds)
{
    const QDeadlineTimer deadline(milliseconds);
    while (!deadline.hasExpired()) {
        QCoreApplication::processEvents();
        QThread::msleep(20);
    }
}
