// SPDX-License-Identifier: GPL-2.0-or-later
#include "player/AfterFirstPaint.h"

#include <QCoreApplication>
#include <QEvent>
#include <QTimer>
#include <QWidget>

namespace {

class FirstPaintWatch final : public QObject {
public:
    explicit FirstPaintWatch(std::function<void()> action) : m_action(std::move(action))
    {
        qApp->installEventFilter(this);
        QTimer::singleShot(2000, this, &FirstPaintWatch::Fire);
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        // After the paint: the frame is on screen before the action runs.
        // Paints into pictures (render, grab) of hidden widgets do not count.
        if (event->type() == QEvent::Paint && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->isVisible())
            QMetaObject::invokeMethod(this, &FirstPaintWatch::Fire, Qt::QueuedConnection);
        return false;
    }

private:
    void Fire()
    {
        if (m_fired) return;
        m_fired = true;
        qApp->removeEventFilter(this);
        m_action();
        deleteLater();
    }

    std::function<void()> m_action;
    bool m_fired = false;
};

} // namespace

void RunAfterFirstPaint(std::function<void()> action)
{
    new FirstPaintWatch(std::move(action));
}
