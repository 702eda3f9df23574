// SPDX-License-Identifier: GPL-2.0-or-later
// Saves and builds killed at random moments leave every file either as it
// was or complete, and the next save or build goes through and leaves no
// temporary file behind.
#include "InstalledTools.h"
#include "child/LargeProject.h"
#include "controls/WindowlessProject.h"
#include "model/ProjectFile.h"
#include "platform/VersionInfo.h"
#include "support/RecordingMessageBoxes.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QDirIterator>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QProcessEnvironment>
#include <QThread>

#include <algorithm>
#include <iostream>
#include <optional>
#include <random>

namespace {

constexpr int kKills = 20;

// Seeded, so a failing run can be repeated with VELOMNI_KILL_SEED.
unsigned KillSeed(const char* test)
{
    bool ok = false;
    const unsigned given = qEnvironmentVariable("VELOMNI_KILL_SEED").toUInt(&ok);
    const unsigned seed = ok ? given : std::random_device{}();
    std::cout << test << ": kill seed " << seed << " (repeat with VELOMNI_KILL_SEED=" << seed << ")\n";
    testing::Test::RecordProperty("kill_seed", std::to_string(seed));
    return seed;
}

QStringList Entries(const QString& folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                                  QDir::Name);
}

QProcessEnvironment ChildEnvironment(const QString& home)
{
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("QT_QPA_PLATFORM", "offscreen");
    environment.insert("VELOMNI_UNATTENDED", "1");
    environment.insert("HOME", home);
    environment.insert("XDG_RUNTIME_DIR", home);
    return environment;
}

// Placing the kill: a wall-clock pause, not a measurement that is checked.
void PauseMilliseconds(std::mt19937& random, qint64 from, qint64 to)
{
    std::uniform_int_distribution<qint64> pause(from, std::max(from, to));
    QThread::msleep(static_cast<unsigned long>(pause(random)));
}

// The last "saved N" line of the child, if any.
std::optional<int> LastSaved(const QByteArray& output)
{
    std::optional<int> last;
    for (const QByteArray& line : output.split('\n'))
        if (line.startsWith("saved ")) last = line.mid(6).toInt();
    return last;
}

// The body of a generation of the large project as a save writes it.
class ExpectedBodies {
public:
    ExpectedBodies() { MakeLargeProject(m_project); }
    TWindowlessProject& Project() { return m_project; }
    QByteArray Of(int generation)
    {
        SetGeneration(m_project, generation);
        return ProjectBodyBytes(m_project);
    }

private:
    TWindowlessProject m_project;
};

} // namespace

TEST(KilledSaves, TheDataFileIsAlwaysTheOldOrTheNewOne)
{
    std::mt19937 random(KillSeed("data file"));
    TempDir project, home;
    const QString path = project.File("velomni.vpj");
    ExpectedBodies expected;

    // Generation 0 from this process; a save's length places the kills.
    SetGeneration(expected.Project(), 0);
    QElapsedTimer clock;
    clock.start();
    ASSERT_TRUE(SaveProject(expected.Project(), path));
    const qint64 saveMs = std::max<qint64>(clock.elapsed(), 20);
    ASSERT_GT(QFileInfo(path).size(), 8 * 1024 * 1024);

    int current = 0;
    int cutSaves = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        SCOPED_TRACE("kill " + std::to_string(kill));
        QProcess child;
        child.setProcessEnvironment(ChildEnvironment(home.Path()));
        child.start(KILLED_SAVE_CHILD, {project.Path(), QString::number(current + 1)});
        QByteArray output;
        while (!output.contains("ready\n") && child.waitForReadyRead(30000))
            output += child.readAllStandardOutput();
        ASSERT_TRUE(output.contains("ready\n")) << child.readAllStandardError().toStdString();
        PauseMilliseconds(random, 0, 3 * saveMs);
        child.kill();
        ASSERT_TRUE(child.waitForFinished(30000));
        output += child.readAllStandardOutput();
        const int lastSaved = LastSaved(output).value_or(current);

        // Only the data file and the part a killed save was writing.
        const QStringList entries = Entries(project.Path());
        EXPECT_TRUE(entries == QStringList({"velomni.vpj"}) ||
                    entries == QStringList({"velomni.vpj", "velomni.vpj.saving"}))
            << entries.join(' ').toStdString();
        if (entries.size() > 1) ++cutSaves;

        // Complete and loadable, and exactly the last save or the one after.
        const QByteArray bytes = TempDir::Read(path);
        TWindowlessProject loaded;
        {
            RecordingMessageBoxes boxes;
            ASSERT_TRUE(LoadProject(loaded, path));
            EXPECT_TRUE(boxes.Boxes().isEmpty());
        }
        const int generation = GenerationOf(loaded);
        EXPECT_TRUE(generation == lastSaved || generation == lastSaved + 1)
            << "file holds " << generation << ", last save reported " << lastSaved;
        EXPECT_EQ(BodyOfDataFile(bytes), expected.Of(generation));

        // The next save takes over whatever the killed one left.
        current = std::max(generation, lastSaved) + 1;
        SetGeneration(expected.Project(), current);
        ASSERT_TRUE(SaveProject(expected.Project(), path));
        EXPECT_EQ(Entries(project.Path()), QStringList({"velomni.vpj"}));
        EXPECT_EQ(BodyOfDataFile(TempDir::Read(path)), expected.Of(current));
    }
    std::cout << "data file: " << cutSaves << " of " << kKills << " kills cut a save short\n";
}

namespace {

// A project folder and the tools that build it, set back to the state
// before a build for every round.
class BuildFolder {
public:
    BuildFolder()
    {
        // The tools in a folder of their own: the build writes the settings
        // file beside them.
        m_cli = InstallTools(m_tools);
        const QString json = m_home.Write("p.json", R"({"CDLabel": "NEWLABEL"})");
        QProcess import;
        import.setProcessEnvironment(ChildEnvironment(m_home.Path()));
        import.start(VELOMNI_CLI_EXE, {"import", json, m_project.Path()});
        EXPECT_TRUE(import.waitForFinished(30000));
        EXPECT_EQ(import.exitCode(), 0);
        m_dataFile = TempDir::Read(m_project.File("velomni.vpj"));
    }

    // The files the build writes, with their contents before it; an empty
    // content stands for a missing file.
    QList<std::pair<QString, QByteArray>> OldFiles() const
    {
        return {{m_project.File("velomni.exe"), "an older player"},
                {m_project.File("velomni.ico"), {}},
                {m_project.File("autorun.inf"), "[autorun]\r\nOPEN=OLD.EXE\r\nLABEL=OLD\r\n[other]\r\nx=1\r\n"},
                {m_tools.File("VelomniStudio.ini"), "[START]\r\nDefaultPath=/old/folder\r\n"}};
    }

    void SetBack() const
    {
        for (const auto& [file, bytes] : OldFiles()) {
            QFile::remove(file);
            if (bytes.isEmpty()) continue;
            QFile out(file);
            EXPECT_TRUE(out.open(QIODevice::WriteOnly) && out.write(bytes) == bytes.size());
        }
    }

    QProcess* StartBuild(QProcess& process) const
    {
        process.setProcessEnvironment(ChildEnvironment(m_home.Path()));
        process.start(m_cli, {"build", m_project.Path()});
        return &process;
    }

    const QString& Cli() const { return m_cli; }
    const TempDir& Project() const { return m_project; }
    const TempDir& Tools() const { return m_tools; }
    const QByteArray& DataFile() const { return m_dataFile; }

private:
    TempDir m_tools, m_project, m_home;
    QString m_cli;
    QByteArray m_dataFile;
};

const QStringList kBuiltProject{"autorun.inf", "autorun.sh",  "linux-x86_64",
                                "velomni.exe", "velomni.ico", "velomni.vpj"};
const QStringList kTools{"Default.ico", "VelomniStudio.ini", "velomni-cli", "velomni-studio"};

// Entries with the temporary files of a killed build taken out; those must
// be the ones the next build takes over.
QStringList WithoutSaving(QStringList entries)
{
    entries.removeIf([](const QString& name) { return name.endsWith(".saving"); });
    return entries;
}

} // namespace

TEST(KilledSaves, EveryFileOfABuildIsTheOldOrTheNewOne)
{
    std::mt19937 random(KillSeed("build"));
    BuildFolder folder;
    ASSERT_FALSE(folder.DataFile().isEmpty());

    // One build run through: what every file must become, and how long
    // starting the tool and a whole build take, to place the kills.
    QElapsedTimer clock;
    clock.start();
    QProcess version;
    version.start(folder.Cli(), {"--version"});
    ASSERT_TRUE(version.waitForFinished(30000));
    const qint64 startMs = clock.restart();
    folder.SetBack();
    clock.restart();
    QProcess first;
    folder.StartBuild(first);
    ASSERT_TRUE(first.waitForFinished(60000));
    const qint64 buildMs = clock.elapsed();
    ASSERT_EQ(first.exitCode(), 0) << first.readAllStandardError().toStdString();
    const QList<std::pair<QString, QByteArray>> oldFiles = folder.OldFiles();
    QList<QByteArray> newFiles;
    for (const auto& [file, old] : oldFiles) newFiles.append(TempDir::Read(file));
    EXPECT_EQ(ReadVersionFileName(folder.Project().File("velomni.exe")), "velomni.exe      ");
    EXPECT_EQ(newFiles[1], TempDir::Read(folder.Tools().File("Default.ico")));
    EXPECT_EQ(newFiles[2], "[autorun]\r\nOPEN=VELOMNI.EXE\r\nLABEL=NEWLABEL\r\nICON=VELOMNI.ICO\r\n[other]\r\nx=1\r\n");
    EXPECT_TRUE(newFiles[3].contains(QDir::toNativeSeparators(folder.Project().Path()).toUtf8()));
    EXPECT_EQ(Entries(folder.Project().Path()), kBuiltProject);

    int partlyBuilt = 0;
    for (int kill = 0; kill < kKills; ++kill) {
        SCOPED_TRACE("kill " + std::to_string(kill));
        folder.SetBack();
        QProcess build;
        folder.StartBuild(build);
        ASSERT_TRUE(build.waitForStarted(30000));
        PauseMilliseconds(random, startMs * 8 / 10, buildMs * 11 / 10);
        build.kill();
        ASSERT_TRUE(build.waitForFinished(30000));

        // Each file as it was or complete; the data file untouched.
        bool changed = false;
        for (qsizetype i = 0; i < newFiles.size(); ++i) {
            const auto& [file, old] = oldFiles[i];
            const QByteArray now = TempDir::Read(file);
            EXPECT_TRUE(now == old || now == newFiles[i]) << file.toStdString() << " is neither old nor new";
            changed = changed || now != old;
        }
        if (changed) ++partlyBuilt;
        EXPECT_EQ(TempDir::Read(folder.Project().File("velomni.vpj")), folder.DataFile());
        // The files there before, and those of the built folder that the
        // build had reached.
        const QStringList projectEntries = WithoutSaving(Entries(folder.Project().Path()));
        for (const char* kept : {"autorun.inf", "velomni.exe", "velomni.vpj"})
            EXPECT_TRUE(projectEntries.contains(kept)) << projectEntries.join(' ').toStdString();
        for (const QString& entry : projectEntries)
            EXPECT_TRUE(kBuiltProject.contains(entry)) << projectEntries.join(' ').toStdString();
        EXPECT_EQ(WithoutSaving(Entries(folder.Tools().Path())), kTools);

        // The next build goes through and leaves nothing else behind.
        QProcess next;
        folder.StartBuild(next);
        ASSERT_TRUE(next.waitForFinished(60000));
        EXPECT_EQ(next.exitCode(), 0) << next.readAllStandardError().toStdString();
        for (qsizetype i = 0; i < newFiles.size(); ++i)
            EXPECT_EQ(TempDir::Read(oldFiles[i].first), newFiles[i]);
        EXPECT_EQ(Entries(folder.Project().Path()), kBuiltProject);
        EXPECT_EQ(Entries(folder.Tools().Path()), kTools);
        QDirIterator below(folder.Project().Path(), QDir::Files | QDir::Hidden, QDirIterator::Subdirectories);
        while (below.hasNext()) EXPECT_FALSE(below.next().endsWith(".saving")) << below.filePath().toStdString();
    }
    std::cout << "build: " << partlyBuilt << " of " << kKills << " kills came after the first file changed\n";
}
