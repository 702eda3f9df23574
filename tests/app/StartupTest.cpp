// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/Startup.h"
#include "app/StudioStart.h"
#include "model/IniFile.h"
#include "model/ProcessState.h"
#include "model/ProjectFile.h"
#include "player/VelomniForm.h"
#include "document/DesignDocument.h"
#include "studio/MainForm.h"
#include "studio/StudioSettings.h"
#include "support/ProcessStateGuard.h"
#include "support/RecordingMessageBoxes.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDir>

namespace {

const QString kPlayerText = "velomni.exe      ";
const QString kStudioText = "VelomniStudio.exe";

// Start-up changes the process-wide state; each test gets it back.
class StartupTest : public testing::Test {
protected:
    TStartupEnvironment Environment(const QString& folder, const QString& versionText) const
    {
        return {QDir(folder).filePath("whatever-name"), versionText, documents.Path()};
    }
    ProcessStateGuard state;
    TempDir documents;
};

QString SaveProjectWithCaption(const QString& folder, const QString& caption)
{
    TVelomniForm source;
    source.Settings().FormCaption = caption;
    source.Settings().ApplicationTitle = caption + " title";
    const QString path = QDir(folder).filePath("velomni.vpj");
    EXPECT_TRUE(SaveProject(source, path));
    return path;
}

} // namespace

TEST(StartupMode, OnlyTheStudiosVersionTextMakesTheStudio)
{
    EXPECT_TRUE(IsStudioVersionText("VelomniStudio.exe"));
    EXPECT_TRUE(IsStudioVersionText(" \tVelomniStudio.exe  \r\n"));
    EXPECT_FALSE(IsStudioVersionText("velomni.exe      "));
    EXPECT_FALSE(IsStudioVersionText("velomnistudio.exe"));
    EXPECT_FALSE(IsStudioVersionText("VelomniStudio.exe.bak"));
    EXPECT_FALSE(IsStudioVersionText(""));
}

TEST_F(StartupTest, RememberedFolderWinsAndLosesOneTrailingSeparator)
{
    TempDir exe, project;
    QDir(documents.Path()).mkpath("Velomni Studio Projects/CDROM");
    TIniFile ini(StudioSettingsPath(exe.Path()));
    ASSERT_TRUE(ini.WriteString("START", "DefaultPath", project.Path() + "/"));
    EXPECT_EQ(DefaultProjectFolder(exe.Path(), documents.Path()), project.Path());

    // A remembered folder that is gone: the default folder is not tried.
    ASSERT_TRUE(ini.WriteString("START", "DefaultPath", project.Path() + "/gone"));
    EXPECT_EQ(DefaultProjectFolder(exe.Path(), documents.Path()), "");

    // Nothing remembered: the default folder below the documents.
    ASSERT_TRUE(ini.WriteString("START", "DefaultPath", ""));
    EXPECT_EQ(DefaultProjectFolder(exe.Path(), documents.Path()),
              QDir(documents.Path()).filePath("Velomni Studio Projects/CDROM"));
}

TEST_F(StartupTest, PlayerWithoutDataFileSaysSoAndEnds)
{
    TempDir folder;
    RecordingMessageBoxes boxes;
    EXPECT_EQ(PrepareStartup(Environment(folder.Path(), kPlayerText)), nullptr);
    EXPECT_FALSE(IsStudio);
    EXPECT_EQ(ProjectFolder, folder.Path());
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].caption, "Information");
    EXPECT_EQ(boxes.Boxes()[0].text, "Velomni CD Data file does not exist.");
}

TEST_F(StartupTest, PlayerLoadsTheDataFileBesideItAndTakesItsTitle)
{
    TempDir folder;
    SaveProjectWithCaption(folder.Path(), "Disc");
    RecordingMessageBoxes boxes;
    auto form = PrepareStartup(Environment(folder.Path(), kPlayerText));
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(form->windowTitle(), "Disc");
    EXPECT_EQ(QCoreApplication::applicationName(), "Disc title");
    EXPECT_TRUE(boxes.Boxes().isEmpty());
}

TEST_F(StartupTest, DamagedDataFileEndsThePlayerButNotTheStudio)
{
    TempDir folder;
    folder.Write("velomni.vpj", "garbage!");
    {
        RecordingMessageBoxes boxes;
        EXPECT_EQ(PrepareStartup(Environment(folder.Path(), kPlayerText)), nullptr);
        ASSERT_EQ(boxes.Boxes().size(), 1);
        EXPECT_EQ(boxes.Boxes()[0].text, "Invalid file format.");
    }
    TempDir exe;
    TIniFile(StudioSettingsPath(exe.Path())).WriteString("START", "DefaultPath", folder.Path());
    RecordingMessageBoxes boxes;
    auto form = PrepareStartup({exe.File("VelomniStudio"), kStudioText, documents.Path()});
    ASSERT_NE(form, nullptr);
    EXPECT_TRUE(IsStudio);
    EXPECT_EQ(ProjectFolder, folder.Path());
    EXPECT_EQ(form->windowTitle(), "Velomni"); // reset to the default project
    EXPECT_EQ(boxes.Boxes().size(), 1);
}

TEST_F(StartupTest, StudioWithoutAFolderAsksForOneOrEnds)
{
    TempDir exe, chosen;
    {
        RecordingMessageBoxes boxes;
        ScriptedDialogs dialogs; // the user cancels
        EXPECT_EQ(PrepareStartup({exe.File("x"), kStudioText, documents.Path()}), nullptr);
        ASSERT_EQ(boxes.Boxes().size(), 1);
        EXPECT_EQ(boxes.Boxes()[0].caption, "Project Folder");
        EXPECT_EQ(boxes.Boxes()[0].text, "The default project folder does not exist.");
        ASSERT_EQ(dialogs.asked.size(), 1);
        EXPECT_TRUE(dialogs.asked[0].startsWith("Select Project Folder"));
    }
    RecordingMessageBoxes boxes;
    ScriptedDialogs dialogs;
    dialogs.folders = {chosen.Path() + "/"};
    auto form = PrepareStartup({exe.File("x"), kStudioText, documents.Path()});
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(ProjectFolder, chosen.Path());
    // The chosen folder has no data file yet: a new, unsaved project.
    ASSERT_EQ(boxes.Boxes().size(), 2);
    EXPECT_EQ(boxes.Boxes()[1].text, "Velomni CD Data file does not exist.");

    // The studio window around it holds the project as unsaved, so closing
    // asks first.
    std::unique_ptr<TMainForm> studio = CreateStudioWindow(std::move(form));
    EXPECT_TRUE(studio->Document().Modified());
    boxes.Script({MsgAnswer::Cancel});
    EXPECT_FALSE(studio->close());
    EXPECT_EQ(boxes.Boxes().last().text, "Save changes to project?");
}

TEST_F(StartupTest, TheStudiosArgumentComesBeforeTheRememberedFolder)
{
    TempDir exe, remembered, named;
    SaveProjectWithCaption(remembered.Path(), "Remembered");
    const QString dataFile = SaveProjectWithCaption(named.Path(), "Named");
    TIniFile(StudioSettingsPath(exe.Path())).WriteString("START", "DefaultPath", remembered.Path());
    RecordingMessageBoxes boxes;

    // A folder, with a trailing separator, and a data file both open the
    // named project.
    for (const QString& argument : {named.Path() + "/", dataFile}) {
        auto form = PrepareStartup({exe.File("x"), kStudioText, documents.Path(), argument});
        ASSERT_NE(form, nullptr);
        EXPECT_EQ(ProjectFolder, named.Path()) << argument.toStdString();
        EXPECT_EQ(form->windowTitle(), "Named");
    }

    // An argument that names nothing leaves the usual choice.
    auto form = PrepareStartup({exe.File("x"), kStudioText, documents.Path(), named.File("gone/velomni.vpj")});
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(ProjectFolder, remembered.Path());
    EXPECT_TRUE(boxes.Boxes().isEmpty());

    // The player shows the menu beside itself whatever it is given.
    form = PrepareStartup({remembered.File("velomni.exe"), kPlayerText, documents.Path(), named.Path()});
    ASSERT_NE(form, nullptr);
    EXPECT_EQ(ProjectFolder, remembered.Path());
    EXPECT_EQ(form->windowTitle(), "Remembered");
}

TEST(StartupArgument, ARelativeArgumentIsTakenFromTheWorkingFolder)
{
    TempDir parent;
    QDir(parent.Path()).mkpath("projects/disc");
    const QString saved = QDir::currentPath();
    QDir::setCurrent(parent.Path());
    EXPECT_EQ(ArgumentProjectFolder("projects/disc"), QDir(parent.Path()).filePath("projects/disc"));
    EXPECT_EQ(ArgumentProjectFolder("projects/./disc/"), QDir(parent.Path()).filePath("projects/disc"));
    EXPECT_EQ(ArgumentProjectFolder("projects/none"), "");
    EXPECT_EQ(ArgumentProjectFolder(""), "");
    QDir::setCurrent(saved);
}
