// SPDX-License-Identifier: GPL-2.0-or-later
// A file of more than 4 GiB in an image. Making the whole image would
// read 4 GiB through libisofs (half a minute here) and write 4 GiB, so
// only the head of the image stream is kept: the descriptors, the folder
// records with the file's extents, and the file's first bytes. The file
// is then placed at its full size as a hole, and xorriso reads it back.
#include "BurnerTesting.h"
#include "disc/BurnLibraries.h"
#include "disc/IsoLayout.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include <vector>

namespace {

constexpr qint64 kBigSize = (qint64(4) << 30) + 8192;

constexpr qint64 kHeadBytes = 8 << 20;

// Copies the first kHeadBytes of the stream into path and gives the file
// the image's full size; the image size.
qint64 CopyHead(::burn_source* stream, const QString& path)
{
    burn::burn_source* source = AsBurnSource(stream);
    const qint64 size = source->get_size(source);
    QFile out(path);
    if (!out.open(QIODevice::WriteOnly)) return -1;
    constexpr int kChunk = 1 << 20;
    std::vector<unsigned char> buffer(kChunk);
    qint64 done = 0;
    while (done < qMin(size, kHeadBytes)) {
        const int wanted = int(qMin<qint64>(kChunk, size - done));
        int got = 0;
        while (got < wanted) {
            const int n = source->read_xt ? source->read_xt(source, buffer.data() + got, wanted - got)
                                          : source->read(source, buffer.data() + got, wanted - got);
            if (n <= 0) break;
            got += n;
        }
        if (got != wanted) break;
        out.write(reinterpret_cast<const char*>(buffer.data()), got);
        done += got;
    }
    source->cancel(source);
    burn::burn_source_free(source);
    out.resize(size);
    return size;
}

} // namespace

TEST(LargeFile, AFileOfMoreThan4GiBIsStoredWholeInSeveralExtents)
{
    TempDir temp;
    const QString folder = temp.File("project");
    QDir().mkpath(folder);
    QFile big(folder + "/big.bin");
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    big.write(QByteArray(4096, 'H'));
    big.resize(kBigSize);
    big.close();
    ASSERT_EQ(QFileInfo(big).size(), kBigSize);

    IsoLayout layout;
    ASSERT_TRUE(layout.AddFolder(folder, "\\data"));
    layout.SetVolumeLabel("BIG");
    const qint64 size = layout.ImageSize();
    EXPECT_GT(size, kBigSize);
    QString error;
    ::burn_source* stream = layout.CreateStream(&error);
    ASSERT_NE(stream, nullptr) << error.toStdString();
    const QString image = temp.File("big.iso");
    ASSERT_EQ(CopyHead(stream, image), size);

    const QByteArray listing = RunTool("xorriso", {"-indev", image, "-lsl", "/data/big.bin"});
    EXPECT_TRUE(listing.contains(QByteArray::number(kBigSize))) << listing.toStdString();
    const QString head = temp.File("head");
    int exitCode = -1;
    RunTool("xorriso", {"-osirrox", "on", "-indev", image, "-extract_cut", "/data/big.bin", "0", "4096", head},
            &exitCode);
    EXPECT_EQ(exitCode, 0);
    EXPECT_EQ(TempDir::Read(head), QByteArray(4096, 'H'));
    // isoinfo reads the plain ISO 9660 records: the file in several
    // extents, which a level 2 image cannot hold.
    const QByteArray records = RunTool("isoinfo", {"-l", "-i", image});
    EXPECT_GE(records.count("BIG.BIN;1"), 2) << records.toStdString();
}
