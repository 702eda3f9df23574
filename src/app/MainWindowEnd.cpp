// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/MainWindowEnd.h"

#include <QCoreApplication>
#include <QEvent>
#include <QPointer>
#include <QTimer>
#include <QWidget>

namespace {

class EndOnClose final : public QObject {
public:
    explicit EndOnClose(QWidget& window) : QObject(&window) { window.installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Close) {
            // The window may still refuse to close; look once it has
            // decided.
            QPointer<QWidget> window = static_cast<QWidget*>(watched);
            QTimer::singleShot(0, this, [window] {
                if (window && !window->isVisible()) QCoreApplication::quit();
            });
        }
        return false;
    }
};

} // namespace

void EndLoopWhenClosed(QWidget& mainWindow)
{
    new EndOnClose(mainWindow);
}
