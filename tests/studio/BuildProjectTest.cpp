// SPDX-License-Identifier: GPL-2.0-or-later
// Building the autorun folder: what lands in the project folder, and what a
// failing step leaves behind.
#include "studio/BuildProject.h"

#include "controls/WindowlessProject.h"
#include "model/ErrorReports.h"
#include "model/IniFile.h"
#include "model/ProcessState.h"
#include "platform/VersionInfo.h"
#include "platform/VersionTree.h"
#include "support/ProcessStateGuard.h"
#include "support/RecordingMessageBoxes.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QProcess>

#include <cerrno>
#ifndef _WIN32
#include <unistd.h>
#endif

namespace {

const QByteArray kNewAutorun = "[autorun]\r\nOPEN=VELOMNI.EXE\r\nICON=VELOMNI.ICO\r\nLABEL=CDROM\r\n";

// A player that a studio of another version left in a project folder: the
// fixture with a FileVersion of the same length but another value, already
// patched to the player's OriginalFilename.
QByteArray PlayerOfAnotherVersion()
{
    const QString fixture = QStringLiteral(VERSION_FIXTURE);
    auto value = [&](const char* key) { return ReadVersionValue(fixture, QString::fromLatin1(key)); };
    VersionFields fields{value("CompanyName"),    value("FileDescription"), value("FileVersion"),
                         value("InternalName"),   value("LegalCopyright"),  value("OriginalFilename"),
                         value("ProductName"),    value("ProductVersion")};
    const QByteArray tree = BuildVersionTree(fields);
    QByteArray bytes = TempDir::Read(fixture);
    const qsizetype at = bytes.indexOf(tree);
    if (tree.isEmpty() || at < 0) return {};
    QChar& last = fields.fileVersion.back();
    last = last == QLatin1Char('9') ? QLatin1Char('8') : QChar(last.unicode() + 1);
    fields.originalFilename = QString::fromLatin1(kPlayerOriginalFilename);
    const QByteArray older = BuildVersionTree(fields);
    if (older.size() != tree.size()) return {};
    return bytes.replace(at, tree.size(), older);
}

bool RunsAsRoot()
{
#ifdef _WIN32
    return false;
#else
    return geteuid() == 0;
#endif
}

// Sets the file's modification time far back, so that a later write shows.
QDateTime Age(const QString& path)
{
    const QDateTime old(QDate(2001, 2, 3), QTime(4, 5, 6));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::Append)) << path.toStdString();
    EXPECT_TRUE(file.setFileTime(old, QFileDevice::FileModificationTime));
    return old;
}

class Build : public testing::Test {
protected:
    void SetUp() override
    {
        ProjectFolder = QDir::toNativeSeparators(project.Path());
        ExeFolder = QDir::toNativeSeparators(studio.Path());
        StudioVersion = ReadFileVersion(fixture);
        ASSERT_FALSE(StudioVersion.isEmpty());
    }

    bool Run(const QString& playerSource) { return BuildProject(document, playerSource, unsaved); }
    bool Run() { return Run(fixture); }
    QString InProject(const QString& name) const { return project.File(name); }
    QStringList ProjectFiles() const
    {
        return QDir(project.Path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden,
                                              QDir::Name);
    }
    QString DefaultPath() const
    {
        return TIniFile(studio.File("VelomniStudio.ini")).ReadString("START", "DefaultPath", "<none>");
    }
    std::string BoxTexts() const
    {
        QStringList texts;
        for (const auto& box : boxes.Boxes()) texts << box.caption + ": " + box.text;
        return texts.join('\n').toStdString();
    }

    ProcessStateGuard state;
    const QString fixture = QStringLiteral(VERSION_FIXTURE);
    TempDir project, studio;
    TWindowlessProject document;
    bool unsaved = true; // the data file is written when set
    RecordingMessageBoxes boxes;
};

} // namespace

TEST_F(Build, AFreshFolderGetsEveryFileOfTheDisc)
{
    studio.Write("Default.ico", "studio icon");
    ASSERT_TRUE(Run()) << BoxTexts();
    EXPECT_TRUE(boxes.Boxes().isEmpty()) << BoxTexts();
    EXPECT_FALSE(unsaved);
    // Nothing else, in particular no temporary copy.
    EXPECT_EQ(ProjectFiles(), QStringList({"autorun.inf", "velomni.exe", "velomni.ico", "velomni.vpj"}));

    const QString player = InProject("velomni.exe");
    EXPECT_EQ(ReadVersionFileName(player), "velomni.exe      ");
    EXPECT_EQ(ReadFileVersion(player), StudioVersion);
    EXPECT_EQ(QFileInfo(player).size(), QFileInfo(fixture).size());
    // A whole, runnable program that sees itself as the player.
    QProcess run;
    run.start(player, {});
    ASSERT_TRUE(run.waitForFinished(10000)) << run.errorString().toStdString();
    EXPECT_EQ(run.readAllStandardOutput(), "[velomni.exe      ]\n");

    EXPECT_EQ(TempDir::Read(InProject("velomni.ico")), "studio icon");
    EXPECT_EQ(TempDir::Read(InProject("autorun.inf")), kNewAutorun);
    EXPECT_EQ(DefaultPath(), ProjectFolder);
}

TEST_F(Build, ASecondBuildWithoutChangesLeavesTheDataFileAndThePlayerAlone)
{
    ASSERT_TRUE(Run()) << BoxTexts();
    const QByteArray data = TempDir::Read(InProject("velomni.vpj"));
    const QByteArray player = TempDir::Read(InProject("velomni.exe"));
    const QDateTime dataTime = Age(InProject("velomni.vpj"));
    const QDateTime playerTime = Age(InProject("velomni.exe"));
    // Changed meanwhile, so the rewrite shows.
    TIniFile(InProject("autorun.inf")).WriteString("autorun", "LABEL", "OTHER");
    TIniFile(studio.File("VelomniStudio.ini")).WriteString("START", "DefaultPath", "/elsewhere");

    ASSERT_TRUE(Run()) << BoxTexts();
    EXPECT_EQ(TempDir::Read(InProject("velomni.vpj")), data);
    EXPECT_EQ(QFileInfo(InProject("velomni.vpj")).lastModified(), dataTime);
    EXPECT_EQ(TempDir::Read(InProject("velomni.exe")), player);
    EXPECT_EQ(QFileInfo(InProject("velomni.exe")).lastModified(), playerTime);
    EXPECT_EQ(TempDir::Read(InProject("autorun.inf")), kNewAutorun);
    EXPECT_EQ(DefaultPath(), ProjectFolder);
}

TEST_F(Build, WhatAKilledSaveOrBuildLeftBehindDoesNotGoOntoTheDisc)
{
    studio.Write("Default.ico", "studio icon");
    ASSERT_TRUE(Run()) << BoxTexts();
    const QByteArray data = TempDir::Read(InProject("velomni.vpj"));
    // The parts a killed save and a killed build were writing; this build
    // writes none of these files again.
    project.Write("velomni.vpj.saving", "half a data file");
    project.Write("velomni.exe.saving", "half a player");
    project.Write("velomni.ico.saving", "half an icon");
    project.Write("notes.txt.saving", "the user's own file");
    unsaved = false;

    ASSERT_TRUE(Run()) << BoxTexts();
    EXPECT_EQ(ProjectFiles(),
              QStringList({"autorun.inf", "notes.txt.saving", "velomni.exe", "velomni.ico", "velomni.vpj"}));
    EXPECT_EQ(TempDir::Read(InProject("velomni.vpj")), data);
}

TEST_F(Build, APlayerOfAnotherVersionIsReplacedByAPatchedCopy)
{
    const QByteArray older = PlayerOfAnotherVersion();
    ASSERT_FALSE(older.isEmpty()) << "the fixture's version tree was not found";
    const QString player = project.Write("velomni.exe", older);
    ASSERT_NE(ReadFileVersion(player), StudioVersion);
    ASSERT_FALSE(ReadFileVersion(player).isEmpty());
    unsaved = false;

    ASSERT_TRUE(Run()) << BoxTexts();
    EXPECT_EQ(ReadFileVersion(player), StudioVersion);
    EXPECT_EQ(ReadVersionFileName(player), "velomni.exe      ");
    EXPECT_TRUE(QFileInfo(player).permissions() & QFile::ExeOwner);
    EXPECT_EQ(QFileInfo(player).size(), QFileInfo(fixture).size());
}

TEST_F(Build, APlayerThatCannotBeReplacedStopsTheBuildAfterTheDataFile)
{
    // Something in the player's place that even root cannot replace with a
    // file: a folder that is not empty.
    QDir(project.Path()).mkdir("velomni.exe");
    project.Write("velomni.exe/keep.txt", "kept");
    studio.Write("Default.ico", "icon");

    EXPECT_FALSE(Run());
    ASSERT_EQ(boxes.Boxes().size(), 1) << BoxTexts();
    EXPECT_EQ(boxes.Boxes()[0].caption, "Error");
    EXPECT_EQ(boxes.Boxes()[0].text, StreamErrorText(EISDIR, 3001));
    EXPECT_EQ(boxes.Boxes()[0].icon, MsgIcon::Error);
    // The data file stays saved; later steps did not run; no copy is left.
    EXPECT_FALSE(unsaved);
    EXPECT_EQ(ProjectFiles(), QStringList({"velomni.exe", "velomni.vpj"}));
    EXPECT_EQ(TempDir::Read(InProject("velomni.exe/keep.txt")), "kept");
    EXPECT_EQ(DefaultPath(), "<none>");
}

TEST_F(Build, AReadOnlyProjectFolderFailsWithTheCopyCode)
{
    if (RunsAsRoot()) GTEST_SKIP() << "root writes into read-only folders";
    project.Write("velomni.vpj", "saved before");
    unsaved = false;
    QFile::setPermissions(project.Path(), QFile::ReadOwner | QFile::ExeOwner);
    const bool built = Run();
    QFile::setPermissions(project.Path(), QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

    EXPECT_FALSE(built);
    ASSERT_EQ(boxes.Boxes().size(), 1) << BoxTexts();
    EXPECT_EQ(boxes.Boxes()[0].text, StreamErrorText(EACCES, 3001));
    EXPECT_EQ(ProjectFiles(), QStringList({"velomni.vpj"}));
}

TEST_F(Build, APlayerThatCannotBePatchedIsNotLeftBehind)
{
    // A studio without version information: an absent player does not count
    // as up to date, so the copy is made and its patch fails.
    StudioVersion.clear();
    const QString unversioned = studio.Write("velomni-studio", "no version information here");
    EXPECT_FALSE(Run(unversioned));
    ASSERT_EQ(boxes.Boxes().size(), 1) << BoxTexts();
    EXPECT_EQ(boxes.Boxes()[0].caption, QCoreApplication::applicationName());
    EXPECT_TRUE(boxes.Boxes()[0].text.startsWith("Resource update error: ")) << BoxTexts();
    EXPECT_EQ(boxes.Boxes()[0].icon, MsgIcon::Error);
    EXPECT_EQ(ProjectFiles(), QStringList({"velomni.vpj"}));

    // A player already there stays whole.
    const QByteArray older = PlayerOfAnotherVersion();
    project.Write("velomni.exe", older);
    EXPECT_FALSE(Run(unversioned));
    EXPECT_EQ(TempDir::Read(InProject("velomni.exe")), older);
    EXPECT_EQ(ProjectFiles(), QStringList({"velomni.exe", "velomni.vpj"}));

    // The next build with a real studio tries again.
    StudioVersion = ReadFileVersion(fixture);
    boxes.Clear();
    ASSERT_TRUE(Run()) << BoxTexts();
    EXPECT_EQ(ReadVersionFileName(InProject("velomni.exe")), "velomni.exe      ");
}

TEST_F(Build, TheDiscIconIsProvidedOnlyWhenTheFolderHasNone)
{
    // Neither an icon nor Default.ico: no icon, and autorun.inf names it
    // all the same.
    ASSERT_TRUE(Run()) << BoxTexts();
    EXPECT_FALSE(QFileInfo::exists(InProject("velomni.ico")));
    EXPECT_EQ(TempDir::Read(InProject("autorun.inf")), kNewAutorun);

    // A folder of that name is no icon to copy.
    QDir(studio.Path()).mkdir("Default.ico");
    ASSERT_TRUE(Run()) << BoxTexts();
    EXPECT_FALSE(QFileInfo::exists(InProject("velomni.ico")));

    QDir(studio.Path()).rmdir("Default.ico");
    studio.Write("Default.ico", "the studio's icon");
    project.Write("velomni.ico", "the project's own icon");
    ASSERT_TRUE(Run()) << BoxTexts();
    EXPECT_EQ(TempDir::Read(InProject("velomni.ico")), "the project's own icon");
}

TEST_F(Build, AutorunInfKeepsWhatElseItHoldsAndTakesTheLabelAsItIs)
{
    project.Write("autorun.inf", "[autorun]\r\nopen=OLD.EXE\r\nAction=Start the menu\r\nLabel=OLD\r\n"
                                 "\r\n[Content]\r\nMusicFiles=false\r\nOPEN=other section\r\n");
    document.Settings().CDLabel = "Holiday 2024";
    ASSERT_TRUE(Run()) << BoxTexts();
    EXPECT_EQ(TempDir::Read(InProject("autorun.inf")),
              "[autorun]\r\nopen=VELOMNI.EXE\r\nAction=Start the menu\r\nLabel=Holiday 2024\r\n"
              "ICON=VELOMNI.ICO\r\n\r\n[Content]\r\nMusicFiles=false\r\nOPEN=other section\r\n");

    document.Settings().CDLabel.clear();
    QFile::remove(InProject("autorun.inf"));
    ASSERT_TRUE(Run()) << BoxTexts();
    EXPECT_EQ(TempDir::Read(InProject("autorun.inf")),
              "[autorun]\r\nOPEN=VELOMNI.EXE\r\nICON=VELOMNI.ICO\r\nLABEL=\r\n");
}

TEST_F(Build, AnAutorunInfThatCannotBeWrittenStopsBeforeTheSettings)
{
    QDir(project.Path()).mkdir("autorun.inf");
    EXPECT_FALSE(Run());
    ASSERT_EQ(boxes.Boxes().size(), 1) << BoxTexts();
    EXPECT_EQ(boxes.Boxes()[0].caption, "Error");
    EXPECT_EQ(boxes.Boxes()[0].text, "Save \"autorun.inf\" file failed.");
    EXPECT_EQ(DefaultPath(), "<none>");
    EXPECT_TRUE(QFileInfo::exists(InProject("velomni.exe")));
}

TEST_F(Build, ASettingsFileThatCannotBeWrittenFailsTheBuild)
{
    QDir(studio.Path()).mkdir("VelomniStudio.ini");
    EXPECT_FALSE(Run());
    ASSERT_EQ(boxes.Boxes().size(), 1) << BoxTexts();
    EXPECT_EQ(boxes.Boxes()[0].caption, QCoreApplication::applicationName());
    EXPECT_TRUE(boxes.Boxes()[0].text.contains(QDir::toNativeSeparators(studio.File("VelomniStudio.ini"))))
        << BoxTexts();
    EXPECT_EQ(TempDir::Read(InProject("autorun.inf")), kNewAutorun);
}

TEST_F(Build, AMissingProjectFolderChangesNothing)
{
    ProjectFolder = QDir::toNativeSeparators(project.File("gone"));
    EXPECT_FALSE(Run());
    ASSERT_EQ(boxes.Boxes().size(), 1) << BoxTexts();
    EXPECT_EQ(boxes.Boxes()[0].caption, "Error");
    EXPECT_EQ(boxes.Boxes()[0].text, "Directory \"" + ProjectFolder + "\" not found");
    EXPECT_EQ(boxes.Boxes()[0].icon, MsgIcon::Error);
    EXPECT_TRUE(unsaved);
    EXPECT_TRUE(ProjectFiles().isEmpty());
    EXPECT_TRUE(QDir(studio.Path()).isEmpty());
}

TEST_F(Build, ADataFileThatCannotBeSavedKeepsTheChangesUnsaved)
{
    QDir(project.Path()).mkdir("velomni.vpj");
    project.Write("velomni.vpj/keep.txt", "kept");
    EXPECT_FALSE(Run());
    EXPECT_EQ(boxes.Boxes().size(), 1) << BoxTexts();
    EXPECT_TRUE(unsaved);
    EXPECT_EQ(QGuiApplication::overrideCursor(), nullptr);
    EXPECT_EQ(ProjectFiles(), QStringList({"velomni.vpj"}));
}
