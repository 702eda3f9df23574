// SPDX-License-Identifier: GPL-2.0-or-later
// velomni-cli iso, devices and burn: exit statuses, the project's label,
// and images that hold the folder.
#include "cli/CliCommands.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QProcess>

namespace {

struct BurnRun {
    int status;
    QString err;
};

BurnRun Cli(const QStringList& arguments)
{
    testing::internal::CaptureStdout();
    testing::internal::CaptureStderr();
    const int status = RunCli(arguments);
    testing::internal::GetCapturedStdout();
    return {status, QString::fromStdString(testing::internal::GetCapturedStderr())};
}

// The Joliet volume identifier: what desktops show as the disc's name.
QString JolietLabel(const QString& image)
{
    QFile file(image);
    if (!file.open(QIODevice::ReadOnly)) return {};
    for (int block = 16; block < 24; ++block) {
        file.seek(qint64(block) * 2048);
        const QByteArray d = file.read(72);
        if (d.size() < 72 || quint8(d[0]) != 2) continue;
        QString text;
        for (int i = 40; i < 72; i += 2) text += QChar((quint8(d[i]) << 8) | quint8(d[i + 1]));
        return text.trimmed();
    }
    return {};
}

// The folder's files as extracted from an image by xorriso, compared.
bool ImageHolds(const QString& image, const QString& folder, const TempDir& temp)
{
    const QString into = temp.File("extracted-" + QFileInfo(image).fileName());
    QProcess::execute("xorriso", {"-osirrox", "on", "-indev", image, "-extract", "/", into});
    return QProcess::execute("diff", {"-r", folder, into}) == 0;
}

// A project folder with the given disc label and one more file.
QString Project(const TempDir& temp, const QString& label)
{
    const QString json = temp.Write("p.json", QStringLiteral(R"({"CDLabel": "%1"})").arg(label).toUtf8());
    const QString folder = temp.File("project");
    EXPECT_EQ(Cli({"import", json, folder}).status, kCliOk);
    temp.Write("project/notes.txt", "notes\n");
    return folder;
}

} // namespace

TEST(CliIso, TheImageCarriesTheProjectsLabelUnlessOneIsGiven)
{
    TempDir temp;
    const QString folder = Project(temp, "Holiday Disc");
    const QString image = temp.File("out.iso");
    const BurnRun run = Cli({"iso", folder, image});
    EXPECT_EQ(run.status, kCliOk) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("written and verified"));
    EXPECT_EQ(JolietLabel(image), "Holiday Disc");
    EXPECT_TRUE(ImageHolds(image, folder, temp));

    EXPECT_EQ(Cli({"iso", folder, image, "--label", "Other"}).status, kCliOk);
    EXPECT_EQ(JolietLabel(image), "Other");
}

TEST(CliIso, NothingIsWrittenForAMissingFolderOrBadArguments)
{
    TempDir temp;
    const QString image = temp.File("out.iso");
    EXPECT_EQ(Cli({"iso", temp.File("missing"), image, "--label", "X"}).status, kCliRefused);
    EXPECT_FALSE(QFileInfo::exists(image));
    EXPECT_EQ(Cli({"iso", temp.Path()}).status, kCliUsage);
    EXPECT_EQ(Cli({"burn", temp.Path()}).status, kCliUsage);
    EXPECT_EQ(Cli({"devices", "extra"}).status, kCliUsage);
    EXPECT_EQ(Cli({"iso", temp.Path(), temp.File("no/such/folder.iso"), "--label", "X"}).status, kCliRefused);
}

TEST(CliBurn, AStdioDriveReceivesTheFolderAndAFailedCheckIsNoSuccess)
{
    TempDir temp;
    const QString folder = Project(temp, "Burned");
    const QString disc = temp.File("disc.img");
    BurnRun run = Cli({"burn", folder, "--device", "stdio:" + disc});
    EXPECT_EQ(run.status, kCliOk) << run.err.toStdString();
    EXPECT_TRUE(run.err.contains("written and verified"));
    EXPECT_TRUE(ImageHolds(disc, folder, temp));
    EXPECT_EQ(JolietLabel(disc), "Burned");

    const QString dummy = temp.File("dummy.img");
    run = Cli({"burn", folder, "--device", "stdio:" + dummy, "--dummy"});
    EXPECT_EQ(run.status, kCliOk) << run.err.toStdString();
    EXPECT_LE(QFileInfo(dummy).size(), 0);

    // Written into nothing, the data cannot be read back.
    run = Cli({"burn", folder, "--device", "stdio:/dev/null"});
    EXPECT_EQ(run.status, kCliRefused);
    EXPECT_TRUE(run.err.contains("Write Error:")) << run.err.toStdString();
    EXPECT_EQ(Cli({"burn", folder, "--device", "/dev/no-such-drive"}).status, kCliRefused);
    EXPECT_EQ(Cli({"burn", folder, "--device", "stdio:" + disc, "--speed", "fast"}).status, kCliRefused);
}

TEST(CliDevices, ListingDrivesSucceedsWithoutAny)
{
    EXPECT_EQ(Cli({"devices"}).status, kCliOk);
}
