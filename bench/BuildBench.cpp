// SPDX-License-Identifier: GPL-2.0-or-later
// The studio's Save against copying the player's bytes in the same run.
// A first build copies and patches the player, writes the data file, the
// icon and autorun.inf and gathers the Linux player's runtime; a build
// without changes only rewrites autorun.inf and the remembered folder and
// checks that the runtime is current. Prints each time and its ratio to
// the copy, and a build without changes against the same build of a
// studio that makes no runtime (its parked search path blanked).
//
//   bench_build [runs] [studio executable]
#include "controls/WindowlessProject.h"
#include "model/DiscLayout.h"
#include "model/ProcessState.h"
#include "platform/MessageBoxes.h"
#include "platform/VersionInfo.h"
#include "studio/BuildProject.h"
#include "studio/LinuxPlayer.h"
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

    QTemporaryDir exe, project, plainProject;
    ExeFolder = exe.path();
    ProjectFolder = project.path();
    const QString player = project.filePath(QStringLiteral("velomni.exe"));
    const QString runtime = project.filePath(LinuxRuntimeFolderName());
    TWindowlessProject document;
    bool unsaved = true;
    bool ok = true;

    // The same studio, but one that cannot carry a runtime.
    const QString plainStudio = exe.filePath(QStringLiteral("plain-studio"));
    {
        QByteArray bytes;
        QFile file(studio);
        if (file.open(QIODevice::ReadOnly)) bytes = file.readAll();
        const QByteArray path = QByteArray(kRuntimePlayerSearchPath) + '\0';
        const qsizetype at = bytes.indexOf(path);
        if (at < 0) {
            std::fprintf(stderr, "bench_build: %s carries no runtime search path\n", qPrintable(studio));
            return 1;
        }
        bytes.replace(at, path.size(), QByteArray(path.size() - 1, '-') + '\0');
        QFile plain(plainStudio);
        if (!plain.open(QIODevice::WriteOnly) || plain.write(bytes) != bytes.size()) return 1;
    }

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
    ProjectFolder = plainProject.path();
    unsaved = true;
    ok = BuildProject(document, plainStudio, unsaved) && ok;
    const double plainAgain = MedianMs(runs, [&] { ok = BuildProject(document, plainStudio, unsaved) && ok; });
    ProjectFolder = project.path();
    const double withRuntime = MedianMs(
        std::max(1, runs / 3), [&] { ok = BuildProject(document, studio, unsaved) && ok; },
        [&] {
            QDir(runtime).removeRecursively();
            unsaved = true;
        });
    if (!ok) return 1;

    const double size = double(QFileInfo(studio).size()) / 1e6;
    std::printf("player copy of %.1f MB:        %8.2f ms (baseline)\n", size, copy);
    std::printf("first build (copy and patch): %8.2f ms  ratio %.2f\n", first, first / copy);
    std::printf("build without changes:        %8.2f ms  ratio %.3f\n", again, again / copy);
    std::printf("first build of the runtime:   %8.2f ms  ratio %.2f\n", withRuntime, withRuntime / copy);
    std::printf("build without changes, no runtime: %8.2f ms; with the runtime: ratio %.2f (target 1.3)\n",
                plainAgain, again / plainAgain);
    return 0;
}
