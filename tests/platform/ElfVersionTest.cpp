// SPDX-License-Identifier: GPL-2.0-or-later
// The version section of ELF files: the fixture program built with the
// project's version information, stripped and patched copies of it, and
// section-only files of both classes made by objcopy.
#include "VersionTestTools.h"

#include "platform/VersionInfo.h"
#include "platform/VersionTree.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

namespace {

const QString kFixture = QStringLiteral(VERSION_FIXTURE);

class ElfVersion : public testing::Test {
protected:
    // An ELF object of that BFD target holding only a version tree, in the
    // section of that name.
    QString SectionFile(const QString& target, const QString& section = kVersionSectionName)
    {
        VersionFields fields;
        fields.fileVersion = "1.2.3.4";
        fields.originalFilename = "VelomniStudio.exe";
        Store(m_dir.filePath("tree.bin"), BuildVersionTree(fields));
        RunTool("objcopy", {"-I", "binary", "-O", target, "--rename-section", ".data=" + section, "tree.bin", "out.o"},
                m_dir.path());
        return m_dir.filePath("out.o");
    }

    QTemporaryDir m_dir;
};

TEST_F(ElfVersion, TheBuiltProgramCarriesTheProjectsVersionInformationStrippedOrNot)
{
    EXPECT_EQ(ReadFileVersion(kFixture), VERSION_FIXTURE_FILE_VERSION);
    EXPECT_EQ(ReadVersionValue(kFixture, "PRODUCTNAME"), "Velomni Studio");
    EXPECT_EQ(RunTool(kFixture, {}), "[VelomniStudio.exe]\n");

    const QString stripped = m_dir.filePath("stripped");
    RunTool("objcopy", {"--strip-all", kFixture, stripped});
    ASSERT_LT(QFileInfo(stripped).size(), QFileInfo(kFixture).size());
    EXPECT_EQ(ReadVersionFileName(stripped), "VelomniStudio.exe");
    EXPECT_EQ(ReadFileVersion(stripped), VERSION_FIXTURE_FILE_VERSION);
}

TEST_F(ElfVersion, APatchedCopyStartsAsThePlayer)
{
    const QString player = m_dir.filePath("velomni.exe");
    QFile::copy(kFixture, player);
    ASSERT_EQ(PatchFailure(player, "velomni.exe      "), "");
    EXPECT_EQ(QFileInfo(player).size(), QFileInfo(kFixture).size());
    EXPECT_EQ(RunTool(player, {}), "[velomni.exe      ]\n");
    EXPECT_EQ(ReadFileVersion(player), VERSION_FIXTURE_FILE_VERSION);

    EXPECT_EQ(PatchFailure(player, "Studio"), "");
    EXPECT_EQ(ReadVersionFileName(player), "Studioi.exe      ");
    EXPECT_EQ(PatchFailure(player, "VelomniStudio.exe!"), "Resource update error: Text too long (1)");
}

TEST_F(ElfVersion, BothClassesLittleEndianOnly)
{
    for (const QString target : {"elf32-i386", "elf64-x86-64"}) {
        const QString file = SectionFile(target);
        EXPECT_EQ(ReadFileVersion(file), "1.2.3.4") << qPrintable(target);
        EXPECT_EQ(PatchFailure(file, "velomni.exe"), "") << qPrintable(target);
        EXPECT_EQ(ReadVersionFileName(file), "velomni.exeio.exe") << qPrintable(target);
    }
    const QString big = SectionFile("elf32-big");
    EXPECT_EQ(ReadFileVersion(big), "");
    EXPECT_EQ(PatchFailure(big, "x"), "Resource update error: File isn't a supported ELF file (1)");
    const QString other = SectionFile("elf64-x86-64", ".rodata");
    EXPECT_EQ(ReadFileVersion(other), "");
    EXPECT_EQ(PatchFailure(other, "x"), "Resource update error: No version section (1)");
}

TEST_F(ElfVersion, DamagedOrTruncatedHeadersAreRefused)
{
    const QByteArray image = Bytes(kFixture);
    const QString file = m_dir.filePath("damaged");
    // Table offset, entry size, entry count, index of the names section.
    for (const auto& [offset, field] : {std::pair(0x28, QByteArray(8, '\xFF')), {0x3A, QByteArray("\x10\0", 2)},
                                        {0x3C, QByteArray(2, '\xFF')}, {0x3E, QByteArray("\xFE\xFF", 2)}}) {
        Store(file, QByteArray(image).replace(offset, field.size(), field));
        EXPECT_EQ(PatchFailure(file, "x"), "Resource update error: File isn't a supported ELF file (2)") << offset;
    }
    Store(file, QByteArray(image).replace(0x28, 8, QByteArray(8, 0)));
    EXPECT_EQ(PatchFailure(file, "x"), "Resource update error: No version section (1)");

    for (qsizetype length = 0; length < image.size(); length += 1 + image.size() / 97) {
        Store(file, image.left(length));
        EXPECT_EQ(ReadVersionFileName(file), "") << length;
        EXPECT_NE(PatchFailure(file, "x"), "") << length;
    }
}

} // namespace
