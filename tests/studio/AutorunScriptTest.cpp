// SPDX-License-Identifier: GPL-2.0-or-later
// autorun.sh run by the system's shell: the environment it gives the
// runtime's player, which the player can undo for the programs it starts,
// and the clear messages where the player cannot run.
#include "platform/ChildEnvironment.h"
#include "studio/AutorunScript.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>

namespace {

struct ScriptRun {
    int status = -1;
    QByteArray err;
    QProcessEnvironment playerSaw; // empty when the player did not run
};

class AutorunScriptTest : public testing::Test {
protected:
    void SetUp() override
    {
        // Only the tools the script may use: no window that waits for a
        // click can open in a test.
        QDir().mkpath(tools.Path());
        for (const char* tool : {"sh", "uname", "getconf", "sed", "cat", "id", "mkdir", "dirname", "env"}) {
            const QString found = QStandardPaths::findExecutable(QString::fromLatin1(tool));
            ASSERT_FALSE(found.isEmpty()) << tool;
            ASSERT_TRUE(QFile::link(found, tools.File(QString::fromLatin1(tool))));
        }
        disc = root.File("My Disc");
        QDir().mkpath(disc + "/linux-x86_64");
        QDir().mkpath(home.Path());
    }

    void WritePlayer()
    {
        const QString player = disc + "/linux-x86_64/velomni";
        QFile file(player);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write("#!/bin/sh\nenv > \"$(dirname \"$0\")/seen.txt\"\n");
        file.close();
        file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    ScriptRun Run(const QByteArray& script, const QProcessEnvironment& environment)
    {
        QFile file(disc + "/autorun.sh");
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(script);
        file.close();
        QProcess shell;
        shell.setProcessEnvironment(environment);
        // Started from elsewhere by a relative name, as a terminal user may.
        shell.setWorkingDirectory(root.Path());
        shell.start(tools.File("sh"), {"My Disc/autorun.sh"});
        EXPECT_TRUE(shell.waitForFinished(20000));
        ScriptRun run{shell.exitCode(), shell.readAllStandardError(), {}};
        const QByteArray seen = TempDir::Read(disc + "/linux-x86_64/seen.txt");
        for (const QByteArray& line : seen.split('\n')) {
            const qsizetype equals = line.indexOf('=');
            if (equals > 0) run.playerSaw.insert(QString::fromUtf8(line.left(equals)), QString::fromUtf8(line.mid(equals + 1)));
        }
        return run;
    }

    QProcessEnvironment User() const
    {
        QProcessEnvironment user;
        user.insert("PATH", tools.Path());
        user.insert("HOME", home.Path());
        user.insert("QT_QPA_PLATFORM", "wayland");
        user.insert("QT_PLUGIN_PATH", "/opt/other-qt/plugins");
        user.insert("GST_PLUGIN_PATH", "");
        return user;
    }

    TempDir tools, root, home;
    QString disc;
};

} // namespace

TEST_F(AutorunScriptTest, ThePlayerGetsTheRuntimesEnvironmentAndCanGiveTheUsersBack)
{
    WritePlayer();
    const ScriptRun run = Run(AutorunScript("2.17"), User());
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    const QProcessEnvironment& seen = run.playerSaw;
    const QString runtime = QDir(disc).absoluteFilePath("linux-x86_64");
    EXPECT_EQ(seen.value("QT_QPA_PLATFORM"), "xcb");
    EXPECT_FALSE(seen.contains("QT_PLUGIN_PATH"));
    EXPECT_FALSE(seen.contains("GST_PLUGIN_PATH"));
    EXPECT_EQ(seen.value("LD_LIBRARY_PATH"), runtime + "/lib");
    EXPECT_EQ(seen.value("GST_PLUGIN_SYSTEM_PATH_1_0"), runtime + "/gstreamer-1.0");
    EXPECT_EQ(seen.value("GST_REGISTRY_FORK"), "no");
    // The registry goes to the user's cache, never onto the disc.
    EXPECT_TRUE(seen.value("GST_REGISTRY_1_0").startsWith(home.Path() + "/.cache/velomni/"));
    EXPECT_TRUE(QDir(home.File(".cache/velomni")).exists());

    // What the player hands to the programs it starts is what the user had.
    QProcessEnvironment restored = EnvironmentForOtherPrograms(seen);
    for (const char* shellOwn : {"PWD", "OLDPWD", "SHLVL", "_"}) restored.remove(shellOwn);
    EXPECT_EQ(restored, User()) << restored.toStringList().join('\n').toStdString();
}

TEST_F(AutorunScriptTest, ASystemWithAnOlderCLibrarySaysSoInsteadOfFailingInTheLoader)
{
    WritePlayer();
    const ScriptRun run = Run(AutorunScript("99.0"), User());
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains("needs a Linux system with the GNU C library 99.0 or newer")) << run.err.toStdString();
    EXPECT_TRUE(run.playerSaw.isEmpty());
    // A version check of two-digit minors is numeric, not by text.
    EXPECT_EQ(Run(AutorunScript("2.5"), User()).status, 0);
}

TEST_F(AutorunScriptTest, AMissingPlayerIsNamed)
{
    const ScriptRun run = Run(AutorunScript("2.17"), User());
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains("The menu of this disc cannot start: its player")) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("linux-x86_64/velomni\" is missing")) << run.err.toStdString();
}
