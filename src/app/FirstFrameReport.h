// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QCoreApplication>
#include <QEvent>
#include <QWidget>

#include <cstdio>
#include <cstdlib>

// With VELOMNI_REPORT_FIRST_FRAME=1 in the environment, the program prints
// "first frame" on standard output once its window (or a widget in it) has
// painted. The start-up benchmark times a fresh process to that line and
// then ends it; without the variable nothing is installed. With the value
// 2 the program ends itself right there, so a profiler sees only the way
// to the first frame.
class FirstFrameReport final : public QObject {
public:
    static void InstallIfAsked(QWidget& window)
    {
        const int mode = qEnvironmentVariableIntValue("VELOMNI_REPORT_FIRST_FRAME");
        if (mode == 1 || mode == 2) qApp->installEventFilter(new FirstFrameReport(window, mode == 2));
    }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() != QEvent::Paint || m_reported || !watched->isWidgetType()) return false;
        const auto* widget = static_cast<QWidget*>(watched);
        if (widget->window() != m_window || !widget->isVisible()) return false;
        m_reported = true;
        std::fputs("first frame\n", stdout);
        std::fflush(stdout);
        if (m_endAtOnce) std::_Exit(0);
        return false;
    }

private:
    FirstFrameReport(QWidget& window, bool endAtOnce) : QObject(&window), m_window(&window), m_endAtOnce(endAtOnce) {}

    QWidget* m_window;
    bool m_endAtOnce;
    bool m_reported = false;
};
