// SPDX-License-Identifier: GPL-2.0-or-later
// The start-up baseline: a program that links only Qt Widgets and shows a
// plain window of the given size. Usage: bench_bare_window WIDTH HEIGHT
// [--text] (with VELOMNI_REPORT_FIRST_FRAME=1 it reports its first paint).
// With --text the window also shows a paragraph in a label: what any
// program pays to draw its first text (the system's font list, the font
// files), for comparison.
#include "app/FirstFrameReport.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>
#include <QWidget>

#include <cstdlib>
#include <cstring>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QWidget window;
    window.resize(argc > 2 ? std::atoi(argv[1]) : 640, argc > 2 ? std::atoi(argv[2]) : 400);
    if (argc > 3 && std::strcmp(argv[3], "--text") == 0) {
        auto* layout = new QVBoxLayout(&window);
        auto* label = new QLabel(QStringLiteral("<b>A menu</b><p>Some words in a paragraph, wrapped at the "
                                                "window's edge, as a menu shows them.</p>"));
        label->setWordWrap(true);
        layout->addWidget(label);
    }
    FirstFrameReport::InstallIfAsked(window);
    window.show();
    return QApplication::exec();
}
