// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/Shell.h"

#include "support/RecordingShell.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QUrl>

#include <unistd.h>

namespace {

class ShellPlanTest : public testing::Test {
protected:
    ShellPlanTest()
    {
        file = dir.Write("readme.txt", "hello");
        QDir(dir.Path()).mkdir("media");
        folder = dir.File("media");
    }
    TempDir dir;
    QString file;
    QString folder;
};

TEST_F(ShellPlanTest, ExistingTargetsAreHandedToTheirLauncher)
{
    const ShellLaunch open = PlanShellLaunch(kShellVerbOpen, file);
    EXPECT_GT(open.result, 32);
    EXPECT_EQ(open.program, "xdg-open");
    EXPECT_EQ(open.arguments, QStringList({file}));

    const ShellLaunch print = PlanShellLaunch(kShellVerbPrint, file);
    EXPECT_GT(print.result, 32);
    EXPECT_EQ(print.program, "lp");
    EXPECT_EQ(print.arguments, QStringList({file}));

    const ShellLaunch explore = PlanShellLaunch(kShellVerbExplore, folder);
    EXPECT_GT(explore.result, 32);
    EXPECT_EQ(explore.program, "xdg-open");
    EXPECT_EQ(explore.arguments, QStringList({folder}));

    // Opening a folder is fine too.
    EXPECT_GT(PlanShellLaunch(kShellVerbOpen, folder).result, 32);
}

TEST_F(ShellPlanTest, MissingTargetsGiveFileOrPathNotFound)
{
    for (const QString& verb : {kShellVerbOpen, kShellVerbPrint, kShellVerbExplore}) {
        EXPECT_EQ(PlanShellLaunch(verb, dir.File("missing.txt")).result, 2) << verb.toStdString();
        EXPECT_EQ(PlanShellLaunch(verb, dir.File("nowhere/missing.txt")).result, 3)
            << verb.toStdString();
    }
}

TEST_F(ShellPlanTest, UnreadableFileIsAccessDenied)
{
    if (geteuid() == 0) GTEST_SKIP() << "root reads every file";
    QFile::setPermissions(file, QFileDevice::WriteOwner);
    EXPECT_EQ(PlanShellLaunch(kShellVerbOpen, file).result, 5);
    EXPECT_EQ(PlanShellLaunch(kShellVerbPrint, file).result, 5);
    QFile::setPermissions(file, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
}

TEST_F(ShellPlanTest, VerbsRefuseTargetsThatDoNotFitThem)
{
    EXPECT_EQ(PlanShellLaunch(kShellVerbPrint, folder).result, 31);
    EXPECT_EQ(PlanShellLaunch(kShellVerbExplore, file).result, 31);
    EXPECT_EQ(PlanShellLaunch(kShellVerbPrint, "http://example.com/a.pdf").result, 31);
    EXPECT_EQ(PlanShellLaunch(kShellVerbExplore, "mailto:someone@example.com").result, 31);
    EXPECT_EQ(PlanShellLaunch("edit", file).result, 31);
}

TEST_F(ShellPlanTest, AddressesAreOpenedAsTheyAre)
{
    for (const QString& address :
         {QString("http://example.com/a b?x=-1"), QString("mailto:info@example.com"),
          QString("mailto:")}) {
        const ShellLaunch launch = PlanShellLaunch(kShellVerbOpen, address);
        EXPECT_GT(launch.result, 32);
        EXPECT_EQ(launch.arguments, QStringList({address}));
    }
    EXPECT_EQ(PlanShellLaunch(kShellVerbOpen, "www.example.com").arguments,
              QStringList({"http://www.example.com"}));
}

TEST_F(ShellPlanTest, FileUrlsAreCheckedAsTheFilesTheyName)
{
    const QString url = QUrl::fromLocalFile(file).toString();
    const ShellLaunch open = PlanShellLaunch(kShellVerbOpen, url);
    EXPECT_GT(open.result, 32);
    EXPECT_EQ(open.arguments, QStringList({url}));
    // The printer takes the file itself.
    EXPECT_EQ(PlanShellLaunch(kShellVerbPrint, url).arguments, QStringList({file}));
    EXPECT_EQ(PlanShellLaunch(kShellVerbOpen, QUrl::fromLocalFile(dir.File("gone")).toString())
                  .result,
              2);
}

TEST_F(ShellPlanTest, NoArgumentCanBeReadAsAnOption)
{
    const QString dashed = dir.Write("-n", "x");
    const QString previous = QDir::currentPath();
    ASSERT_TRUE(QDir::setCurrent(dir.Path()));
    const ShellLaunch bare = PlanShellLaunch(kShellVerbOpen, "-n");
    const ShellLaunch relative = PlanShellLaunch(kShellVerbOpen, "readme.txt");
    const ShellLaunch absolute = PlanShellLaunch(kShellVerbOpen, dashed);
    QDir::setCurrent(previous);

    EXPECT_EQ(bare.result, 31);
    EXPECT_TRUE(bare.arguments.isEmpty());
    EXPECT_EQ(PlanShellLaunch(kShellVerbPrint, "--help").result, 31);
    // Relative names become absolute paths, which start with "/".
    EXPECT_GT(relative.result, 32);
    EXPECT_EQ(relative.arguments, QStringList({QDir(dir.Path()).absoluteFilePath("readme.txt")}));
    EXPECT_GT(absolute.result, 32);
    EXPECT_EQ(absolute.arguments, QStringList({dashed}));
    EXPECT_TRUE(absolute.arguments.first().startsWith('/'));
}

TEST(ShellService, RecordingShellInstallsItselfForItsLifetime)
{
    EXPECT_NE(dynamic_cast<DesktopShell*>(&GetShell()), nullptr);
    {
        RecordingShell shell;
        shell.Script({2});
        EXPECT_EQ(&GetShell(), &shell);
        EXPECT_EQ(GetShell().Execute(kShellVerbOpen, "a"), 2);
        EXPECT_EQ(GetShell().Execute(kShellVerbPrint, "b"), 42);
        ASSERT_EQ(shell.Calls().size(), 2);
        EXPECT_EQ(shell.Calls().at(1).verb, "print");
        EXPECT_EQ(shell.Calls().at(1).target, "b");
    }
    EXPECT_NE(dynamic_cast<DesktopShell*>(&GetShell()), nullptr);
}

TEST(ShellService, DesktopShellReportsPreLaunchFailuresWithoutLaunching)
{
    TempDir dir;
    DesktopShell shell;
    EXPECT_EQ(shell.Execute(kShellVerbOpen, dir.File("missing.txt")), 2);
    EXPECT_EQ(shell.Execute(kShellVerbPrint, dir.Path()), 31);
}

} // namespace
