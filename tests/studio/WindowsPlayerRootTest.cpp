// SPDX-License-Identifier: GPL-2.0-or-later
// Which player a project's root velomni.exe is: the Windows player the
// studio ships, where there is one and the Linux player has its runtime
// folder, else a copy of the studio made a player; and which program Save
// and Test starts on this system.
#include "studio/BuildProject.h"
#include "studio/WindowsPlayer.h"

#include "controls/WindowlessProject.h"
#include "model/DiscLayout.h"
#include "model/ProcessState.h"
#include "platform/VersionInfo.h"
#include "support/ProcessStateGuard.h"
#include "support/RecordingMessageBoxes.h"
#include "support/TempDir.h"
#include "VersionTestTools.h"

#include <gtest/gtest.h>

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

class WindowsRoot : public testing::Test {
protected:
    void SetUp() override
    {
        ProjectFolder = QDir::toNativeSeparators(project.Path());
        ExeFolder = QDir::toNativeSeparators(studio.Path());
        StudioVersion = ReadFileVersion(fixture);
        ASSERT_FALSE(StudioVersion.isEmpty());
    }

    // A real 64-bit Windows program of the studio's version whose version
    // resource names it the player, where the studio keeps its files.
    QString ShipWindowsPlayer()
    {
        const QString script =
            VersionScript("velomni.exe      ").replace(QStringLiteral("0.1.0.0"), StudioVersion)
                .replace(QStringLiteral("0,1,0,0"), QString(StudioVersion).replace('.', ','));
        const QString built = BuildPe(work.Path(), "player", script, true);
        EXPECT_TRUE(QFile::copy(built, studio.File("velomni.exe")));
        return studio.File("velomni.exe");
    }
    // The Linux player's place in the runtime folder (the fixture cannot
    // carry a runtime, so the build leaves what is there).
    QString MakeRuntimePlayer()
    {
        EXPECT_TRUE(QDir().mkpath(project.File(LinuxRuntimeFolderName())));
        project.Write(LinuxRuntimeFolderName() + "/velomni", "the Linux player");
        const QString autorun = project.Write("autorun.sh", "#!/bin/sh\n");
        QFile(autorun).setPermissions(QFile::permissions(autorun) | QFileDevice::ExeOwner);
        return autorun;
    }
    bool Run() { return BuildProject(document, fixture, unsaved); }
    QString Root() const { return project.File("velomni.exe"); }

    ProcessStateGuard state;
    const QString fixture = QStringLiteral(VERSION_FIXTURE);
    TempDir project, studio, work;
    TWindowlessProject document;
    bool unsaved = true;
    RecordingMessageBoxes boxes;
};

} // namespace

TEST_F(WindowsRoot, TheShippedWindowsPlayerIsCopiedUnchangedAndKeptWhileCurrent)
{
    const QString shipped = ShipWindowsPlayer();
    const QString autorun = MakeRuntimePlayer();
    ASSERT_EQ(WindowsPlayerSource(ExeFolder), shipped);

    ASSERT_TRUE(Run());
    EXPECT_EQ(TempDir::Read(Root()), TempDir::Read(shipped));
    EXPECT_EQ(KindOfProgram(Root()), ProgramKind::Windows);
    EXPECT_EQ(ReadVersionFileName(Root()), "velomni.exe      ");
    // On this system, Save and Test starts the Linux player as a desktop
    // does.
    EXPECT_EQ(PlayerToTest(ProjectFolder), autorun);

    // A second build leaves the current copy alone.
    const QDateTime old(QDate(2001, 2, 3), QTime(4, 5, 6));
    QFile root(Root());
    ASSERT_TRUE(root.open(QIODevice::Append));
    ASSERT_TRUE(root.setFileTime(old, QFileDevice::FileModificationTime));
    root.close();
    ASSERT_TRUE(Run());
    EXPECT_EQ(QFileInfo(Root()).lastModified(), old);
}

TEST_F(WindowsRoot, APlayerOfTheOtherKindIsReplacedEvenAtTheSameVersion)
{
    ShipWindowsPlayer();
    MakeRuntimePlayer();
    ASSERT_TRUE(Run());
    ASSERT_EQ(KindOfProgram(Root()), ProgramKind::Windows);

    // A studio without the Windows player: the root becomes its own
    // player copy again, though the version is the same.
    ASSERT_TRUE(QFile::remove(studio.File("velomni.exe")));
    ASSERT_TRUE(Run());
    EXPECT_EQ(KindOfProgram(Root()), ProgramKind::Elf);
    EXPECT_EQ(ReadVersionFileName(Root()), "velomni.exe      ");
    EXPECT_EQ(PlayerToTest(ProjectFolder), Root());

    // And back.
    ShipWindowsPlayer();
    ASSERT_TRUE(Run());
    EXPECT_EQ(KindOfProgram(Root()), ProgramKind::Windows);
    EXPECT_TRUE(boxes.Boxes().isEmpty());
}

TEST_F(WindowsRoot, WithoutALinuxRuntimeFolderTheRootStaysTheLinuxPlayer)
{
    // A studio that cannot carry a runtime would leave the disc without
    // any player for Linux.
    ShipWindowsPlayer();
    ASSERT_TRUE(Run());
    EXPECT_EQ(KindOfProgram(Root()), ProgramKind::Elf);
    EXPECT_EQ(PlayerToTest(ProjectFolder), Root());
}

TEST_F(WindowsRoot, OnlyAWindowsProgramCountsAsTheWindowsPlayer)
{
    EXPECT_EQ(WindowsPlayerSource(ExeFolder), "");
    studio.Write("velomni.exe", "#!/bin/sh\necho not a Windows program\n");
    EXPECT_EQ(WindowsPlayerSource(ExeFolder), "");
    EXPECT_EQ(KindOfProgram(studio.File("velomni.exe")), ProgramKind::Other);
    EXPECT_EQ(KindOfProgram(studio.File("missing.exe")), ProgramKind::Missing);
    EXPECT_EQ(KindOfProgram(fixture), ProgramKind::Elf);
    EXPECT_EQ(WindowsPlayerSource(QString()), "");
}
