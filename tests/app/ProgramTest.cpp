// SPDX-License-Identifier: GPL-2.0-or-later
// The built programs, run as a user or a build script runs them.
#include "InstalledTools.h"
#include "platform/VersionInfo.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QProcess>
#include <QProcessEnvironment>

namespace {

struct Finished {
    int status;
    QByteArray out;
    QByteArray err;
};

Finished RunProgram(const QString& program, const QStringList& arguments, const QString& home)
{
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("VELOMNI_UNATTENDED", "1");
    environment.insert("HOME", home);
    environment.insert("XDG_RUNTIME_DIR", home);
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    EXPECT_TRUE(process.waitForFinished(30000)) << program.toStdString();
    return {process.exitCode(), process.readAllStandardOutput(), process.readAllStandardError()};
}

Finished Cli(const QStringList& arguments, const TempDir& home)
{
    return RunProgram(VELOMNI_CLI_EXE, arguments, home.Path());
}

// A copy of the studio executable under a name of the test's choice.
QString CopyOfStudio(const TempDir& dir, const QString& name)
{
    const QString path = dir.File(name);
    EXPECT_TRUE(QFile::copy(VELOMNI_STUDIO_EXE, path));
    QFile::setPermissions(path, QFile::permissions(path) | QFile::ExeOwner);
    return path;
}

} // namespace

TEST(Programs, TheVersionTextNotTheFileNameChoosesTheMode)
{
    TempDir dir, home;
    // An unpatched copy named like the player is still the studio: with no
    // project folder anywhere it asks for one.
    const QString studio = CopyOfStudio(dir, "velomni.exe");
    Finished run = RunProgram(studio, {}, home.Path());
    EXPECT_TRUE(run.err.contains("Project Folder: The default project folder does not exist."))
        << run.err.toStdString();

    // A patched copy named like the studio is the player: it looks for the
    // data file beside itself.
    TempDir playerDir;
    const QString player = CopyOfStudio(playerDir, "VelomniStudio.exe");
    ASSERT_EQ(Cli({"patch-player", player}, home).status, 0);
    run = RunProgram(player, {}, home.Path());
    EXPECT_TRUE(run.err.contains("Information: Velomni CD Data file does not exist."))
        << run.err.toStdString();
    EXPECT_FALSE(run.err.contains("Project Folder"));
}

TEST(Programs, TheStudioAnswersHelpAndVersionAsTheCommandLineToolDoes)
{
    TempDir home;
    const Finished version = RunProgram(VELOMNI_STUDIO_EXE, {"--version"}, home.Path());
    Finished cliVersion = Cli({"--version"}, home);
    EXPECT_EQ(version.status, 0);
    EXPECT_EQ(version.out, cliVersion.out.replace("velomni-cli", "velomni-studio"));
    EXPECT_TRUE(version.err.isEmpty());

    const Finished help = RunProgram(VELOMNI_STUDIO_EXE, {"--help"}, home.Path());
    EXPECT_EQ(help.status, 0);
    EXPECT_TRUE(help.out.startsWith("usage: velomni-studio [PROJECT_FOLDER]\n"
                                    "       velomni-studio --help | --version\n"));
}

TEST(Programs, VersionAndPatchPlayerKeepTheValuesExactly)
{
    TempDir dir, home;
    const QString copy = CopyOfStudio(dir, "velomni.exe");
    const qint64 size = QFileInfo(copy).size();
    Finished run = Cli({"version", copy}, home);
    ASSERT_EQ(run.status, 0);
    EXPECT_TRUE(run.out.contains("\nOriginalFilename=VelomniStudio.exe\n"));
    EXPECT_TRUE(run.out.startsWith("FileVersion="));
    ASSERT_EQ(Cli({"patch-player", copy}, home).status, 0);
    run = Cli({"version", copy}, home);
    EXPECT_TRUE(run.out.endsWith("OriginalFilename=velomni.exe      \n")) << run.out.toStdString();
    EXPECT_EQ(QFileInfo(copy).size(), size);

    const QString text = dir.Write("notes.txt", "not a program");
    run = Cli({"version", text}, home);
    EXPECT_EQ(run.status, 1);
    run = Cli({"patch-player", text}, home);
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains("Resource update error: ")) << run.err.toStdString();
    EXPECT_EQ(TempDir::Read(text), "not a program");
}

TEST(Programs, RenderDrawsTheClientAreaAtTheStoredSize)
{
    TempDir dir, home;
    const QString json = dir.Write(
        "p.json", R"({"BorderStyle": 0, "Width": 321, "Height": 123, "BackColor": 255,
                     "ObjectList": [{"ObjectType": 3, "Left": 10, "Top": 10, "Width": 50, "Height": 40,
                                     "Kind": {"Color": 16711680}}]})");
    ASSERT_EQ(Cli({"import", json, dir.Path()}, home).status, 0);
    ASSERT_EQ(Cli({"render", dir.Path(), dir.File("out.png")}, home).status, 0);
    const QImage image(dir.File("out.png"));
    ASSERT_EQ(image.size(), QSize(321, 123));
    EXPECT_EQ(image.pixel(300, 100), qRgb(255, 0, 0)); // the red background
    EXPECT_EQ(image.pixel(35, 30), qRgb(0, 0, 255));   // inside the blue text box
}

TEST(Programs, APlayerWhoseStartActionsExitEndsWithoutAWindow)
{
    TempDir dir, home;
    const QString json = dir.Write(
        "p.json", R"({"StartActions": [{"ActionType": 6}, {"ActionType": 9}],
                     "SplashScreenImage": null})");
    ASSERT_EQ(Cli({"import", json, dir.Path()}, home).status, 0);
    const QString player = CopyOfStudio(dir, "velomni.exe");
    ASSERT_EQ(Cli({"patch-player", player}, home).status, 0);
    // Were the menu shown, the program would wait for its user and this run
    // would not finish.
    const Finished run = RunProgram(player, {}, home.Path());
    EXPECT_EQ(run.status, 0);
    EXPECT_FALSE(run.err.contains("Error")) << run.err.toStdString();
}

TEST(Programs, BuildMakesAFolderWhosePlayerStartsByItself)
{
    TempDir tools, project, home;
    const QString cli = InstallTools(tools);
    const QString json = home.Write(
        "p.json", R"({"StartActions": [{"ActionType": 6}, {"ActionType": 9}],
                     "SplashScreenImage": null})");
    ASSERT_EQ(Cli({"import", json, project.Path()}, home).status, 0);

    Finished run = RunProgram(cli, {"build", project.Path()}, home.Path());
    ASSERT_EQ(run.status, 0) << run.err.toStdString();
    EXPECT_TRUE(run.err.isEmpty()) << run.err.toStdString();
    EXPECT_EQ(QDir(project.Path()).entryList(QDir::Files, QDir::Name),
              QStringList({"autorun.inf", "autorun.sh", "velomni.exe", "velomni.ico", "velomni.vpj"}));
    EXPECT_EQ(ReadVersionFileName(project.File("velomni.exe")), "velomni.exe      ");
    EXPECT_EQ(ReadFileVersion(project.File("velomni.exe")), ReadFileVersion(VELOMNI_STUDIO_EXE));
    EXPECT_EQ(TempDir::Read(project.File("velomni.ico")), TempDir::Read(tools.File("Default.ico")));
    EXPECT_EQ(TempDir::Read(project.File("autorun.inf")),
              "[autorun]\r\nOPEN=VELOMNI.EXE\r\nICON=VELOMNI.ICO\r\nLABEL=CDROM\r\n");
    EXPECT_EQ(TempDir::Read(tools.File("VelomniStudio.ini")),
              "[START]\r\nDefaultPath=" + QDir::toNativeSeparators(project.Path()).toUtf8() + "\r\n");

    // The folder as the disc has it: its player runs the start actions and
    // ends, never asking for a project folder as the studio would.
    run = RunProgram(project.File("velomni.exe"), {}, home.Path());
    EXPECT_EQ(run.status, 0);
    EXPECT_FALSE(run.err.contains("Project Folder")) << run.err.toStdString();
    EXPECT_FALSE(run.err.contains("Error")) << run.err.toStdString();
}

TEST(Programs, BuildRefusesAFolderWithoutADataFile)
{
    TempDir project, home;
    const Finished run = Cli({"build", project.Path()}, home);
    EXPECT_EQ(run.status, 1);
    EXPECT_TRUE(run.err.contains("no project data file")) << run.err.toStdString();
    EXPECT_TRUE(QDir(project.Path()).isEmpty());
}
