// SPDX-License-Identifier: GPL-2.0-or-later
// The start-up baseline: a program that links only Qt Widgets and shows a
// plain window of the given size. Usage: bench_bare_window WIDTH HEIGHT
// (with VELOMNI_REPORT_FIRST_FRAME=1 it reports its first paint and ends).
#include "app/FirstFrameReport.h"

#include <QApplication>
#include <QWidget>

#include <cstdlib>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(argc > 2 ? std::atoi(argv[1]) : 640, argc > 2 ? std::atoi(argv[2]) : 400);
    FirstFrameReport::InstallIfAsked(window);
    window.show();
    return QApplication::exec();
}
