// SPDX-License-Identifier: GPL-2.0-or-later
// The demo's autorun folder as a Linux desktop starts it: autorun.sh runs
// the player of the runtime folder, which with its browser and sound
// processes loads every library the folder carries from the folder and
// only the desktop's own from the system.
#include "InstalledTools.h"
#include "PlayerProcess.h"
#include "platform/ElfDynamic.h"
#include "studio/RuntimeBaseSet.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QSet>
#include <QThread>

#include <sys/stat.h>

namespace {

const QString kRuntime = QStringLiteral("linux-x86_64");

QByteArray SearchPath(const QString& program)
{
    QFile file(program);
    ElfDynamic dynamic;
    if (!file.open(QIODevice::ReadOnly) || !ReadElfDynamic(file, dynamic)) return "<unreadable>";
    return dynamic.SearchPath();
}

// Every library that a file of the folder links.
QSet<QByteArray> NeededBelow(const QString& folder)
{
    QSet<QByteArray> needed;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        QFile file(it.next());
        ElfDynamic dynamic;
        if (file.open(QIODevice::ReadOnly) && ReadElfDynamic(file, dynamic))
            for (const QByteArray& soname : dynamic.Needed()) needed.insert(soname);
    }
    return needed;
}

// The shared objects a process has mapped.
QSet<QString> MappedLibraries(qint64 pid)
{
    QSet<QString> mapped;
    const QByteArray maps = TempDir::Read(QStringLiteral("/proc/%1/maps").arg(pid));
    for (const QByteArray& line : maps.split('\n')) {
        const qsizetype slash = line.indexOf('/');
        if (slash < 0) continue;
        const QString path = QString::fromUtf8(line.mid(slash)).trimmed();
        if (QFileInfo(path).fileName().contains(".so")) mapped.insert(path);
    }
    return mapped;
}

QMap<QString, qint64> Stamps(const QString& folder)
{
    QMap<QString, qint64> stamps;
    QDirIterator it(folder, QDir::Files, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        struct stat status {};
        const QString path = it.next();
        if (::stat(QFile::encodeName(path).constData(), &status) == 0)
            stamps.insert(path, qint64(status.st_ino) * 1000003 + status.st_ctim.tv_nsec + status.st_ctim.tv_sec);
    }
    return stamps;
}

} // namespace

TEST(DiscRuntime, TheBuiltFolderCarriesTheLinuxPlayerItsRuntimeAndAutorunSh)
{
    TempDir tools, work, home;
    const QString cli = InstallTools(tools);
    const QString demo = work.File("demo");
    BuildDemo(cli, demo, home.Path());
    if (HasFatalFailure()) return;

    const QFileInfo autorun(QDir(demo).filePath("autorun.sh"));
    ASSERT_TRUE(autorun.isFile());
    EXPECT_TRUE(autorun.permissions() & QFile::ExeOther);
    EXPECT_TRUE(TempDir::Read(autorun.filePath()).startsWith("#!/bin/sh\n"));
    const QString runtime = QDir(demo).filePath(kRuntime);
    // The runtime's player finds the folder's libraries; the root's player
    // and the studio search nothing of their own.
    EXPECT_EQ(SearchPath(QDir(runtime).filePath("velomni")), "$ORIGIN/lib");
    EXPECT_EQ(SearchPath(QDir(demo).filePath("velomni.exe")), "");
    EXPECT_EQ(SearchPath(QStringLiteral(VELOMNI_STUDIO_EXE)), "");
    // The demo has a web panel and sounds.
    for (const char* file : {"lib/libQt6Core.so.6", "lib/libQt6WebEngineCore.so.6", "libexec/QtWebEngineProcess",
                             "libexec/qt.conf", "qt.conf", "gstreamer-1.0/libgstwavparse.so", "runtime-files.txt"})
        EXPECT_TRUE(QFileInfo::exists(QDir(runtime).filePath(file))) << file;
    EXPECT_FALSE(QFileInfo::exists(QDir(runtime).filePath("lib/libX11.so.6")));

    // A second build with nothing changed touches none of it.
    const QMap<QString, qint64> before = Stamps(runtime);
    const Finished again = RunTool(cli, {"build", demo}, home.Path());
    ASSERT_EQ(again.status, 0) << again.err.toStdString();
    EXPECT_EQ(Stamps(runtime), before);
}

TEST(DiscRuntime, ThePlayerStartedByAutorunShLoadsOnlyTheDesktopsOwnLibrariesFromTheSystem)
{
    if (QGuiApplication::platformName() != "xcb")
        GTEST_SKIP() << "runs on the X server, as app_tests.disc_runtime_on_x11";
    TempDir tools, work, home;
    const QString cli = InstallTools(tools);
    const QString demo = work.File("demo");
    BuildDemo(cli, demo, home.Path());
    if (HasFatalFailure()) return;
    const QString runtime = QDir(demo).filePath(kRuntime);

    PlayerGroup player;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"QT_QPA_PLATFORM", "LD_LIBRARY_PATH", "XDG_CACHE_HOME", "QT_PLUGIN_PATH"})
        environment.remove(name);
    environment.insert("VELOMNI_UNATTENDED", "1");
    environment.insert("HOME", home.Path());
    player.Process().setProcessEnvironment(environment);
    player.Process().setStandardOutputFile(work.File("player.out"));
    player.Process().setStandardErrorFile(work.File("player.err"));
    player.Start("sh", {QDir(demo).filePath("autorun.sh")});
    ASSERT_TRUE(player.Process().waitForStarted(10000));

    std::optional<QByteArray> window;
    for (int attempt = 0; attempt < 240 && !window; ++attempt) {
        if (player.Process().waitForFinished(250)) break;
        window = MenuWindow("Velomni Demo", 640, 400);
    }
    const QByteArray errors = TempDir::Read(work.File("player.err"));
    ASSERT_TRUE(window) << "no menu window; the player wrote:\n" << errors.toStdString();
    // The web panel's helpers and the start sound: the player and its
    // helpers are read once the helpers run, and once more a little later,
    // when the page and the sound are loaded.
    const auto helperRuns = [&] {
        for (const qint64 pid : player.Members())
            if (QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget()
                == QDir(runtime).filePath("libexec/QtWebEngineProcess"))
                return true;
        return false;
    };
    for (int attempt = 0; attempt < 240 && !helperRuns(); ++attempt) QThread::msleep(250);
    QThread::msleep(3000);

    const QList<qint64> members = player.Members();
    ASSERT_FALSE(members.isEmpty());
    EXPECT_EQ(QFileInfo(QStringLiteral("/proc/%1/exe").arg(members.first())).symLinkTarget(),
              QDir(runtime).filePath("velomni"));
    const QSet<QByteArray> needed = NeededBelow(runtime);
    bool webHelper = false;
    QSet<QString> fromFolder;
    QStringList wrong;
    for (const qint64 pid : members) {
        const QString exe = QFileInfo(QStringLiteral("/proc/%1/exe").arg(pid)).symLinkTarget();
        if (exe == QDir(runtime).filePath("libexec/QtWebEngineProcess")) webHelper = true;
        for (const QString& path : MappedLibraries(pid)) {
            if (path.startsWith(runtime + "/")) {
                fromFolder.insert(QDir(runtime).relativeFilePath(path));
                continue;
            }
            const QByteArray name = QFileInfo(path).fileName().toUtf8();
            if ((needed.contains(name) && !IsBaseSetLibrary(name)) || path.contains("/qt6/")
                || path.contains("/gstreamer-1.0/"))
                wrong << QStringLiteral("%1 (%2)").arg(path, exe);
        }
    }
    EXPECT_TRUE(wrong.isEmpty()) << "taken from the system:\n" << wrong.join('\n').toStdString();
    EXPECT_TRUE(webHelper) << "no browser helper from the folder; the player wrote:\n" << errors.toStdString();
    for (const char* file : {"lib/libQt6Core.so.6", "plugins/platforms/libqxcb.so", "lib/libQt6WebEngineCore.so.6",
                             "gstreamer-1.0/libgstwavparse.so"})
        EXPECT_TRUE(fromFolder.contains(file)) << file;
    EXPECT_FALSE(errors.contains("error while loading")) << errors.toStdString();
    EXPECT_FALSE(errors.contains("cannot load the")) << errors.toStdString();
    EXPECT_FALSE(errors.contains("could not find Qt WebEngine resources")) << errors.toStdString();

    // The Quit button ends it. The splash screen had the menu's title and
    // size: the window is looked up again once it has settled.
    window = SettledMenuWindow(player.Process(), "Velomni Demo", 640, 400);
    ASSERT_TRUE(window);
    Click(*window, 98, 313);
    ASSERT_TRUE(player.Process().waitForFinished(60000));
    EXPECT_EQ(player.Process().exitCode(), 0) << TempDir::Read(work.File("player.err")).toStdString();
}
