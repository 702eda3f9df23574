// SPDX-License-Identifier: GPL-2.0-or-later
#include "support/ModalWindows.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

int WithModal(const std::function<void()>& call, const std::function<void(QWidget*)>& script)
{
    int seen = 0;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        if (!modal) return;
        ++seen;
        script(modal);
        if (modal->isVisible()) modal->reject();
    });
    poll.start(10);
    call();
    return seen;
}
