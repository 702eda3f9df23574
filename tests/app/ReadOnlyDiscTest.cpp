// SPDX-License-Identifier: GPL-2.0-or-later
// The demo written to an ISO image with the project's own tool and played
// from a read-only mount of it, as from an inserted disc.
#include "InstalledTools.h"
#include "PlayerProcess.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QThread>

#include <csignal>
#include <iostream>
#include <optional>

#include <unistd.h>

namespace {

// Everything below a folder, as relative paths.
QStringList FilesBelow(const QString& folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::Hidden | QDir::System, QDirIterator::Subdirectories);
    while (it.hasNext()) files << QDir(folder).relativeFilePath(it.next());
    files.sort();
    return files;
}

} // namespace

TEST(ReadOnlyDisc, TheDemoPlaysFromAReadOnlyMountAndWritesNothingThere)
{
    if (QGuiApplication::platformName() != "xcb")
        GTEST_SKIP() << "runs on the X server, as app_tests.readonly_disc_on_x11";
    ASSERT_FALSE(QStandardPaths::findExecutable("strace").isEmpty()) << "strace is missing";

    // The demo's autorun folder, as the README's run command makes it, and
    // its ISO image.
    TempDir tools, work, home;
    const QString cli = InstallTools(tools);
    const QString demo = work.File("demo");
    BuildDemo(cli, demo, home.Path());
    if (testing::Test::HasFatalFailure()) return;
    const QString image = work.File("demo.iso");
    const Finished step = RunTool(cli, {"iso", demo, image}, home.Path());
    ASSERT_EQ(step.status, 0) << step.err.toStdString();

    // The disc started as a Linux desktop starts it: autorun.sh from the
    // mount, traced, with a home of its own for what it
    // may keep: the user's cache, configuration and runtime folders.
    const QString disc = work.File("disc");
    const QString spare = work.File("unpacked");
    const QString trace = work.File("trace.log");
    QDir().mkpath(disc);
    QDir().mkpath(spare);
    QDir().mkpath(home.File("run"));
    QFile::setPermissions(home.File("run"), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    PlayerGroup player;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "xcb");
    environment.insert("VELOMNI_UNATTENDED", "1");
    environment.insert("HOME", home.Path());
    environment.insert("XDG_RUNTIME_DIR", home.File("run"));
    for (const char* name : {"XDG_CACHE_HOME", "XDG_CONFIG_HOME", "XDG_DATA_HOME"}) environment.remove(name);
    player.Process().setProcessEnvironment(environment);
    // To files: a pipe nobody reads while the test waits would stop the
    // player once it is full.
    const QString errors = work.File("player.err");
    player.Process().setStandardOutputFile(work.File("player.out"));
    player.Process().setStandardErrorFile(errors);
    player.Start("sh", {VELOMNI_READONLY_DISC_SCRIPT, image, disc, spare, "strace", "-f", "-qq", "-e",
                        "trace=%file", "-o", trace, "sh", "autorun.sh"});
    ASSERT_TRUE(player.Process().waitForStarted(10000));

    // The player's first window of the menu's title and size.
    std::optional<QByteArray> window;
    for (int attempt = 0; attempt < 240 && !window; ++attempt) {
        if (player.Process().waitForFinished(250)) break;
        window = MenuWindow("Velomni Demo", 640, 400);
    }
    if (player.Process().state() == QProcess::NotRunning && player.Process().exitCode() == 77)
        GTEST_SKIP() << "no read-only mount can be made here: " << TempDir::Read(errors).toStdString();
    ASSERT_TRUE(window) << "no menu window; the player wrote:\n" << TempDir::Read(errors).toStdString();

    // Time for the web panel and the rich text to load, then the sound
    // button and the button that stops the sounds and ends the player. The
    // splash screen has the menu's title and size, so the window is looked
    // up again once it has settled.
    window = SettledMenuWindow(player.Process(), "Velomni Demo", 640, 400);
    ASSERT_TRUE(window) << "the menu window did not settle; the player wrote:\n" << TempDir::Read(errors).toStdString();
    Click(*window, 98, 145);
    QThread::msleep(1000);
    Click(*window, 98, 313);
    ASSERT_TRUE(player.Process().waitForFinished(60000)) << "the Quit button did not end the player";
    const QByteArray err = TempDir::Read(errors);
    EXPECT_EQ(player.Process().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(player.Process().exitCode(), 0) << err.toStdString();
    std::cout << "read-only " << (err.contains("mount: loop") ? "loop" : "bind") << " mount\n";

    // Nothing was so much as tried on the disc, and no message reported a
    // failure.
    EXPECT_FALSE(err.contains("Error")) << err.toStdString();
    EXPECT_FALSE(err.contains("Read-only file system")) << err.toStdString();
    const QByteArray traced = TempDir::Read(trace);
    ASSERT_FALSE(traced.isEmpty());
    QByteArrayList refused;
    for (const QByteArray& line : traced.split('\n'))
        if (line.contains("EROFS")) refused << line;
    EXPECT_TRUE(refused.isEmpty()) << refused.join('\n').toStdString();

    // Everything ran from the disc: the web engine, the rich text, the
    // sounds of the start action and of the button.
    EXPECT_TRUE(traced.contains("QtWebEngineProcess"));
    EXPECT_TRUE(traced.contains((disc + "/docs/readme.rtf").toUtf8()));
    EXPECT_TRUE(traced.contains((disc + "/sounds/loop.wav").toUtf8()));
    EXPECT_TRUE(traced.contains((disc + "/sounds/intro.wav").toUtf8()));

    // What the player kept, it kept in the user's folders.
    std::cout << "kept in the user's folders:\n";
    for (const QString& file : FilesBelow(home.Path())) std::cout << "  " << file.toStdString() << '\n';
}
