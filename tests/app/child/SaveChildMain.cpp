// SPDX-License-Identifier: GPL-2.0-or-later
// Saves the large project into FOLDER over and over, one generation after
// the other from FIRST on, until it is killed. Prints "ready" once the
// project is made and "saved N" after each complete save.
#include "child/LargeProject.h"
#include "controls/WindowlessProject.h"
#include "model/ProcessState.h"
#include "model/ProjectFile.h"

#include <QApplication>
#include <QDir>

#include <cstdio>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    const QStringList arguments = QApplication::arguments();
    if (arguments.size() != 3) {
        std::fputs("usage: killed_save_child FOLDER FIRST\n", stderr);
        return 2;
    }
    IsStudio = true;
    ProjectFolder = QDir(arguments[1]).absolutePath();
    const QString path = QDir(ProjectFolder).filePath(DataFileName);
    TWindowlessProject document;
    MakeLargeProject(document);
    std::puts("ready");
    std::fflush(stdout);
    // Bounded, so a child whose parent died does not write for ever.
    const int first = arguments[2].toInt();
    for (int generation = first; generation < first + 1000; ++generation) {
        SetGeneration(document, generation);
        if (!SaveProject(document, path)) return 1;
        std::printf("saved %d\n", generation);
        std::fflush(stdout);
    }
    return 0;
}
