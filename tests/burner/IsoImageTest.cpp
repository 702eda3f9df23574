// SPDX-License-Identifier: GPL-2.0-or-later
// ISO images made by the real engine and read back by isoinfo and
// xorriso: names, folders, labels, checksums, and no file left behind
// when an image does not come about.
#include "BurnerTesting.h"
#include "disc/IsoLayout.h"
#include "burner/LayoutBuilder.h"
#include "burner/LibburnEngine.h"
#include "support/RecordingMessageBoxes.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSet>
#include <QThread>

namespace {

// The paths isoinfo lists for one tree ("-J" or "-R"), relative, without
// version suffixes.
QSet<QString> IsoinfoPaths(const QString& image, const QString& tree)
{
    QStringList arguments{tree, "-f", "-i", image};
    // Joliet names come out in a chosen 8-bit set; Latin-1 holds the test's
    // accents. Rock Ridge names are the stored UTF-8 bytes.
    if (tree == "-J") arguments << "-j" << "iso8859-1";
    const QByteArray listing = RunTool("isoinfo", arguments);
    const QString text = tree == "-J" ? QString::fromLatin1(listing) : QString::fromUtf8(listing);
    QSet<QString> paths;
    for (QString line : text.split('\n', Qt::SkipEmptyParts)) {
        if (line.endsWith(";1")) line.chop(2);
        paths.insert(line.mid(1));
    }
    return paths;
}

struct IsoFixture : testing::Test {
    TempDir temp;
    RecordingMessageBoxes boxes;
    QString folder = temp.File("project");
    QString image = temp.File("out.iso");

    int SaveIso(LibburnEngine& engine, RecordingEvents& events, const QString& label)
    {
        engine.SetEvents(&events);
        EXPECT_EQ(BuildLayout(engine, folder, [](const QString&) {}), 0);
        engine.SetVolumeLabel(label);
        EXPECT_TRUE(engine.StartSaveIso(image)) << engine.LastProblem().toStdString();
        const int status = WaitForWriteEnd(engine, events);
        for (const WriteError& error : events.errors)
            ADD_FAILURE() << error.kind << " " << error.code << " " << error.text.toStdString();
        return status;
    }
};

} // namespace

TEST_F(IsoFixture, AnImageHoldsTheFolderExactlyUnderJolietAndRockRidge)
{
    QDir().mkpath(folder);
    const QStringList made = MakeAwkwardFolder(folder);
    const std::unique_ptr<LibburnEngine> loaded = NewLibburnEngine();
    ASSERT_TRUE(loaded);
    LibburnEngine& engine = *loaded;
    RecordingEvents events;
    ASSERT_EQ(SaveIso(engine, events, QString::fromUtf8("Démo Disc for the whole family")), kWriteFinished);
    EXPECT_TRUE(events.errors.isEmpty());
    EXPECT_TRUE(engine.Verified());
    EXPECT_TRUE(boxes.Boxes().isEmpty());

    QSet<QString> expected(made.begin(), made.end());
    for (const QString& path : made)
        for (QString parent = QFileInfo(path).path(); parent != "."; parent = QFileInfo(parent).path())
            expected.insert(parent);
    EXPECT_EQ(IsoinfoPaths(image, "-J"), expected);
    EXPECT_EQ(IsoinfoPaths(image, "-R"), expected);

    const QString extracted = temp.File("extracted");
    ASSERT_TRUE(ExtractImage(image, extracted));
    EXPECT_EQ(TreeDescription(extracted), TreeDescription(folder));

    EXPECT_EQ(DescriptorVolumeId(image, 1), "D_MO_DISC_FOR_THE_WHOLE_FAMILY");
    EXPECT_EQ(DescriptorVolumeId(image, 2), QString::fromUtf8("Démo Disc for th"));
    EXPECT_TRUE(RunTool("isoinfo", {"-d", "-i", image}).contains("Volume id: D_MO_DISC_FOR_THE_WHOLE_FAMILY\n"));

    // The checksums recorded inside match the data, as a reader checks them.
    int exitCode = -1;
    RunTool("xorriso", {"-md5", "on", "-indev", image, "-check_md5", "FAILURE", "--"}, &exitCode);
    EXPECT_EQ(exitCode, 0);
}

TEST(VolumeIds, PrimaryIsUpperCaseDCharactersOf32AndJolietKeepsSixteenAsTyped)
{
    EXPECT_EQ(PrimaryVolumeId("cdrom"), "CDROM");
    EXPECT_EQ(PrimaryVolumeId(QString(40, 'a')), QString(32, 'A'));
    EXPECT_EQ(PrimaryVolumeId("My Disc-2"), "MY_DISC_2");
    EXPECT_EQ(JolietVolumeId("Holiday Pictures 2026"), "Holiday Pictures");
    EXPECT_EQ(JolietVolumeId("cd"), "cd");
}

TEST_F(IsoFixture, AnExistingImageIsReplacedAndAShortLabelIsKept)
{
    QDir().mkpath(folder);
    QFile old(image);
    old.open(QIODevice::WriteOnly);
    old.write(QByteArray(8 * 1024 * 1024, 'Z'));
    old.close();
    QFile small(folder + "/a.txt");
    small.open(QIODevice::WriteOnly);
    small.write("a");
    small.close();

    const std::unique_ptr<LibburnEngine> loaded = NewLibburnEngine();
    ASSERT_TRUE(loaded);
    LibburnEngine& engine = *loaded;
    RecordingEvents events;
    ASSERT_EQ(SaveIso(engine, events, "cd"), kWriteFinished);
    EXPECT_LT(QFileInfo(image).size(), 1024 * 1024);
    EXPECT_EQ(DescriptorVolumeId(image, 1), "CD");
    EXPECT_EQ(DescriptorVolumeId(image, 2), "cd");
}

TEST_F(IsoFixture, ASourceFileThatVanishesFailsTheImageAndLeavesNoFile)
{
    QDir().mkpath(folder);
    MakeAwkwardFolder(folder);
    const std::unique_ptr<LibburnEngine> loaded = NewLibburnEngine();
    ASSERT_TRUE(loaded);
    LibburnEngine& engine = *loaded;
    RecordingEvents events;
    engine.SetEvents(&events);
    BuildLayout(engine, folder, [](const QString&) {});
    // Gone between building the layout and writing: libisofs would write
    // zeros in its place.
    ASSERT_TRUE(QFile::remove(folder + "/velomni.vpj"));
    ASSERT_TRUE(engine.StartSaveIso(image));
    EXPECT_EQ(WaitForWriteEnd(engine, events), kWriteFailed);
    ASSERT_FALSE(events.errors.isEmpty());
    EXPECT_EQ(events.errors[0].kind, kErrorSourceFile);
    EXPECT_FALSE(events.errors[0].text.isEmpty());
    EXPECT_FALSE(engine.Verified());
    EXPECT_FALSE(QFileInfo::exists(image));
}

TEST_F(IsoFixture, AnAbortedImageLeavesNoFile)
{
    QDir().mkpath(folder);
    // Sparse, so the folder costs no disk space, but the image takes a while.
    QFile big(folder + "/big.bin");
    big.open(QIODevice::WriteOnly);
    big.resize(qint64(1) << 30);
    big.close();

    const std::unique_ptr<LibburnEngine> loaded = NewLibburnEngine();
    ASSERT_TRUE(loaded);
    LibburnEngine& engine = *loaded;
    RecordingEvents events;
    engine.SetEvents(&events);
    BuildLayout(engine, folder, [](const QString&) {});
    ASSERT_TRUE(engine.StartSaveIso(image));
    while (!events.statuses.contains(kWriteProgressData) && !events.Ended()) {
        QThread::msleep(10);
        engine.DeliverEvents();
    }
    engine.Abort();
    EXPECT_EQ(WaitForWriteEnd(engine, events), kWriteCancelled);
    EXPECT_TRUE(events.errors.isEmpty());
    EXPECT_FALSE(QFileInfo::exists(image));
}

TEST_F(IsoFixture, AnImageThatCannotBeCreatedIsRefused)
{
    QDir().mkpath(folder);
    const std::unique_ptr<LibburnEngine> loaded = NewLibburnEngine();
    ASSERT_TRUE(loaded);
    LibburnEngine& engine = *loaded;
    EXPECT_FALSE(engine.StartSaveIso(temp.File("missing/folder/out.iso")));
    EXPECT_FALSE(engine.LastProblem().isEmpty());
    EXPECT_FALSE(engine.StartSaveIso(temp.Path()));
}

TEST_F(IsoFixture, AFolderThatCannotBeReadIsReportedAndTheRestIsAdded)
{
    QDir().mkpath(folder + "/good");
    const std::unique_ptr<LibburnEngine> loaded = NewLibburnEngine();
    ASSERT_TRUE(loaded);
    LibburnEngine& engine = *loaded;
    // A pattern naming no folder stands for one that cannot be read.
    EXPECT_FALSE(engine.AddFolder(temp.File("nowhere") + "/*.*", "\\nowhere"));
    EXPECT_TRUE(engine.AddFolder(folder + "/good/*.*", "\\good"));
    EXPECT_FALSE(engine.AddFile(temp.File("nothing.txt"), "\\nothing.txt"));
    RecordingEvents events;
    engine.SetEvents(&events);
    ASSERT_TRUE(engine.StartSaveIso(image));
    ASSERT_EQ(WaitForWriteEnd(engine, events), kWriteFinished)
        << (events.errors.isEmpty() ? std::string() : events.errors[0].text.toStdString());
    EXPECT_EQ(IsoinfoPaths(image, "-R"), QSet<QString>{"good"});
}

// A disc's autorun.sh and its Linux player must stay executable: a desktop
// runs the player only with its execute bit.
TEST_F(IsoFixture, ProgramsKeepTheirExecuteBitsAndDataFilesGetNone)
{
    QDir().mkpath(folder + "/linux-x86_64/lib");
    const auto write = [&](const QString& name, QFile::Permissions permissions) {
        TempDir::Read(temp.Write("project/" + name, "#!/bin/sh\n"));
        QFile::setPermissions(folder + "/" + name, permissions);
    };
    const QFile::Permissions program = QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup
                                       | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
    const QFile::Permissions data = QFile::ReadOwner | QFile::WriteOwner | QFile::ReadGroup | QFile::ReadOther;
    write("autorun.sh", program);
    write("linux-x86_64/velomni", program);
    write("linux-x86_64/lib/libdata.so.1", data);
    write("velomni.vpj", data);
    const std::unique_ptr<LibburnEngine> loaded = NewLibburnEngine();
    ASSERT_TRUE(loaded);
    RecordingEvents events;
    ASSERT_EQ(SaveIso(*loaded, events, "Programs"), kWriteFinished);

    const QString extracted = temp.File("extracted");
    ASSERT_TRUE(ExtractImage(image, extracted));
    for (const char* name : {"autorun.sh", "linux-x86_64/velomni"})
        EXPECT_TRUE(QFile::permissions(extracted + "/" + name) & QFile::ExeOther) << name;
    for (const char* name : {"velomni.vpj", "linux-x86_64/lib/libdata.so.1"})
        EXPECT_FALSE(QFile::permissions(extracted + "/" + name) & (QFile::ExeOwner | QFile::ExeOther)) << name;
}
