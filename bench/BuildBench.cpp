// SPDX-License-Identifier: GPL-2.0-or-later
// The studio's Save against copying the player's bytes in the same run.
// A first build copies and patches the player, writes the data file, the
// icon and autorun.inf; a build without changes only rewrites autorun.inf
// and the remembered folder. Prints each time and its ratio to the copy.
//
//   bench_build [runs] [studio executable]
#include "controls/WindowlessProject.h"
#include "model/ProcessState.h"
#include "platform/MessageBoxes.h"
#include "platform/VersionInfo.h"
#include "studio/BuildProject.h"
#include "BenchTiming.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdio>
#include <filesystem>

int main(int argc, char** argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    StderrMessageBoxes boxes;
    SetMessageBoxes(&boxes);
    IsStudio = true;
    const int runs = argc > 1 ? std::max(1, atoi(argv[1])) : 9;
    const QString studio = argc > 2 ? QString::fromLocal8Bit(argv[2])
                                    : QDir(QCoreApplication::applicationDirPath())
                                          .filePath(QStringLiteral("../bin/velomni-studio"));
    StudioVersion = ReadFileVersion(studio);
    if (StudioVersion.isEmpty()) {
        std::fprintf(stderr, "bench_build: %s carries no version information\n", qPrintable(studio));
        return 1;
    }

    QTemporaryDir exe, project;
    ExeFolder = exe.path();
    ProjectFolder = project.path();
    const QString player = project.filePath(QStringLiteral("velomni.exe"));
    TWindowlessProject document;
    bool unsaved = true;
    bool ok = true;

    const double copy = MedianMs(
        runs,
        [&] { std::filesystem::copy_file(QFile::encodeName(studio).toStdString(),
                                         QFile::encodeName(player).toStdString()); },
        [&] { QFile::remove(player); });
    const double first = MedianMs(
        runs, [&] { ok = BuildProject(document, studio, unsaved) && ok; },
        [&] {
            QFile::remove(player);
            unsaved = true;
        });
    const double again = MedianMs(runs, [&] { ok = BuildProject(document, studio, unsaved) && ok; });
    if (!ok) return 1;

    const double size = double(QFileInfo(studio).size()) / 1e6;
    std::printf("player copy of %.1f MB:        %8.2f ms (baseline)\n", size, copy);
    std::printf("first build (copy and patch): %8.2f ms  ratio %.2f\n", first, first / copy);
    std::printf("build without changes:        %8.2f ms  ratio %.3f\n", again, again / copy);
    return 0;
}
