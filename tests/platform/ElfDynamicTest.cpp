// SPDX-License-Identifier: GPL-2.0-or-later
// The dynamic section of real programs and libraries: reading it, parking
// and restoring a program's search path, pointing a library's at its own
// folder, and damaged files that must be refused without harm.
#include "platform/ElfDynamic.h"
#include "support/TempDir.h"
#include "support/TestSeed.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QProcess>

#include <random>

namespace {

ElfDynamic Read(const QString& path)
{
    QFile file(path);
    ElfDynamic dynamic;
    QString error;
    EXPECT_TRUE(file.open(QIODevice::ReadOnly) && ReadElfDynamic(file, dynamic, &error))
        << path.toStdString() << ": " << error.toStdString();
    return dynamic;
}

QString Copy(const TempDir& dir, const QString& from, const QString& name)
{
    const QString to = dir.File(name);
    EXPECT_TRUE(QFile::copy(from, to));
    QFile::setPermissions(to, QFile::permissions(from) | QFile::WriteOwner);
    return to;
}

template <class Edit>
bool Change(const QString& path, Edit edit, QString* error = nullptr)
{
    QFile file(path);
    return file.open(QIODevice::ReadWrite) && edit(file, error);
}

int RunProgram(const QString& program)
{
    QProcess process;
    process.start(program, {});
    if (!process.waitForFinished(20000)) return -1;
    return process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1;
}

} // namespace

TEST(ElfSearchPath, AParkedProgramSearchesNothingUntilACopyHasItsPathSwitchedOn)
{
    TempDir dir;
    const QString original = QStringLiteral(SEARCH_PATH_FIXTURE);
    const ElfDynamic parked = Read(original);
    EXPECT_TRUE(parked.SearchPath().isEmpty());
    EXPECT_TRUE(parked.Needed().contains("libc.so.6"));
    EXPECT_TRUE(parked.strings.contains(QByteArray("$ORIGIN/lib") + '\0'));

    const QString copy = Copy(dir, original, "player");
    ASSERT_TRUE(Change(copy, [](QFile& f, QString* e) { return RestoreSearchPath(f, "$ORIGIN/lib", e); }));
    const ElfDynamic restored = Read(copy);
    EXPECT_EQ(restored.SearchPath(), "$ORIGIN/lib");
    EXPECT_EQ(restored.Needed(), parked.Needed());
    EXPECT_EQ(restored.entries.size(), parked.entries.size() + 1);
    EXPECT_EQ(QFileInfo(copy).size(), QFileInfo(original).size());
    // The loader takes the changed section: the copy runs.
    EXPECT_EQ(RunProgram(copy), 0);

    // Once more changes nothing; parking again gives the original bytes.
    const QByteArray once = TempDir::Read(copy);
    ASSERT_TRUE(Change(copy, [](QFile& f, QString* e) { return RestoreSearchPath(f, "$ORIGIN/lib", e); }));
    EXPECT_EQ(TempDir::Read(copy), once);
    ASSERT_TRUE(Change(copy, [](QFile& f, QString* e) { return ParkSearchPath(f, e); }));
    EXPECT_EQ(TempDir::Read(copy), TempDir::Read(original));
}

TEST(ElfSearchPath, OnlyATextOfTheProgramCanBecomeItsSearchPath)
{
    TempDir dir;
    const QString copy = Copy(dir, QStringLiteral(SEARCH_PATH_FIXTURE), "player");
    const QByteArray before = TempDir::Read(copy);
    QString error;
    EXPECT_FALSE(Change(copy, [](QFile& f, QString* e) { return RestoreSearchPath(f, "/usr/lib/elsewhere", e); },
                        &error));
    EXPECT_FALSE(error.isEmpty());
    // "ORIGIN/lib" stands in the table only as the tail of another text.
    EXPECT_FALSE(Change(copy, [](QFile& f, QString* e) { return RestoreSearchPath(f, "ORIGIN/lib", e); }));
    EXPECT_EQ(TempDir::Read(copy), before);
    // A program with nothing to park.
    EXPECT_FALSE(Change(copy, [](QFile& f, QString* e) { return ParkSearchPath(f, e); }));
    EXPECT_EQ(TempDir::Read(copy), before);
}

TEST(ElfSearchPath, ALibraryCopyIsPointedAtItsOwnFolderInPlace)
{
    TempDir dir;
    const QString original = QStringLiteral(SEARCH_PATH_FIXTURE_LIBRARY);
    EXPECT_EQ(Read(original).SearchPath(), "/usr/lib/x86_64-linux-gnu/velomni-fixture-folder");
    const QString copy = Copy(dir, original, "libfixture.so");
    ASSERT_TRUE(Change(copy, [](QFile& f, QString* e) { return PointSearchPathAtOrigin(f, e); }));
    const ElfDynamic changed = Read(copy);
    EXPECT_EQ(changed.SearchPath(), "$ORIGIN");
    EXPECT_EQ(changed.Needed(), Read(original).Needed());
    EXPECT_EQ(QFileInfo(copy).size(), QFileInfo(original).size());
    // Done already: no change.
    const QByteArray once = TempDir::Read(copy);
    ASSERT_TRUE(Change(copy, [](QFile& f, QString* e) { return PointSearchPathAtOrigin(f, e); }));
    EXPECT_EQ(TempDir::Read(copy), once);
}

TEST(ElfSearchPath, TheCLibraryVersionsAProgramNeedsAreListed)
{
    QFile file(QStringLiteral(SEARCH_PATH_FIXTURE));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    ElfDynamic dynamic;
    ASSERT_TRUE(ReadElfDynamic(file, dynamic));
    bool glibc = false;
    for (const auto& [library, version] : NeededVersions(file, dynamic))
        if (library == "libc.so.6" && version.startsWith("GLIBC_2.")) glibc = true;
    EXPECT_TRUE(glibc);
}

TEST(ElfSearchPath, OtherFilesAreRefusedWithAReason)
{
    TempDir dir;
    QString error;
    QFile text(dir.Write("notes.txt", "not a program"));
    ElfDynamic dynamic;
    ASSERT_TRUE(text.open(QIODevice::ReadOnly));
    EXPECT_FALSE(ReadElfDynamic(text, dynamic, &error));
    EXPECT_EQ(error, "not an ELF file");

    QByteArray elf32 = TempDir::Read(QStringLiteral(SEARCH_PATH_FIXTURE)).left(64);
    elf32[4] = 1;
    QFile small(dir.Write("small", elf32));
    ASSERT_TRUE(small.open(QIODevice::ReadOnly));
    EXPECT_FALSE(ReadElfDynamic(small, dynamic, &error));
    EXPECT_EQ(error, "not a 64-bit little-endian ELF file");
}

// Cut and garbled copies of a real program: every one is read or refused,
// none is read past its end, and a refused edit leaves the file alone.
TEST(ElfSearchPath, DamagedFilesAreReadOrRefusedWithoutHarm)
{
    std::mt19937 random(TestSeed());
    const QByteArray original = TempDir::Read(QStringLiteral(SEARCH_PATH_FIXTURE));
    ASSERT_GT(original.size(), 1024);
    TempDir dir;
    for (int round = 0; round < 300; ++round) {
        QByteArray bytes = original;
        if (round % 3 == 0) {
            bytes.truncate(qsizetype(random() % quint32(original.size())));
        } else {
            // Garble the headers and tables most of the time, anywhere else
            // now and then.
            const int edits = 1 + int(random() % 16);
            for (int i = 0; i < edits; ++i) {
                const quint32 span = random() % 4 ? 4096 : quint32(bytes.size());
                bytes[qsizetype(random() % std::min<quint32>(span, quint32(bytes.size())))] = char(random());
            }
        }
        const QString path = dir.Write(QStringLiteral("damaged%1").arg(round), bytes);
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::ReadWrite));
        ElfDynamic dynamic;
        if (ReadElfDynamic(file, dynamic)) {
            EXPECT_LE(dynamic.entries.size(), dynamic.capacity);
            EXPECT_LE(dynamic.strings.size(), bytes.size());
            NeededVersions(file, dynamic);
            dynamic.Needed();
        }
        if (!RestoreSearchPath(file, "$ORIGIN/lib")) {
            file.close();
            EXPECT_EQ(TempDir::Read(path), bytes) << "round " << round;
        }
    }
}
