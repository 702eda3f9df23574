// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/CodePage.h"
#include "platform/ExeFile.h"
#include "platform/VersionInfo.h"

#include <gtest/gtest.h>

#include <QFileInfo>
#include <QTemporaryDir>

#include <cerrno>

namespace {

using D = TFile::Disposition;
using A = TFile::Access;
using S = TFile::Share;

// The code and message of the file error the action raises.
template <class Action>
std::pair<int, std::string> FileError(Action&& action)
{
    try {
        action();
    } catch (const EFileError& e) {
        return {e.Code(), e.what()};
    }
    return {0, "no error"};
}

TEST(TFile, DispositionsCreateOpenAndTruncateAsTheirNamesSay)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("f.bin");
    EXPECT_EQ(FileError([&] { TFile f(path, D::OpenExisting, A::Read, S::Read); }),
              std::pair(ENOENT, std::string("No such file or directory")));
    TFile(path, D::CreateNew, A::Write, S::None).Write("abcdef", 6);
    EXPECT_EQ(FileError([&] { TFile f(path, D::CreateNew, A::Write, S::None); }),
              std::pair(EEXIST, std::string("File exists")));
    {
        TFile f(path, D::OpenAlways, A::ReadWrite, S::None);
        f.Seek(2);
        f.Write("XY", 2);
        EXPECT_EQ(f.Position(), 4);
        EXPECT_EQ(f.Size(), 6);
    }
    char bytes[8] = {};
    EXPECT_EQ(TFile(path, D::OpenExisting, A::Read, S::Read).Read(bytes, 8), 6);
    EXPECT_STREQ(bytes, "abXYef");
    TFile(path, D::TruncateExisting, A::Write, S::None);
    EXPECT_EQ(QFileInfo(path).size(), 0);
}

TEST(TFile, ShortReadsAndSharingConflictsRaiseTheFileError)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("f.bin");
    TFile writer(path, D::CreateAlways, A::ReadWrite, S::None);
    writer.Write("abc", 3);
    writer.Seek(1);
    char bytes[4];
    EXPECT_EQ(FileError([&] { writer.ReadExact(bytes, 4); }), std::pair(38, std::string("Reached the end of the file")));
    EXPECT_EQ(FileError([&] { TFile reader(path, D::OpenExisting, A::Read, S::Read); }).first, EWOULDBLOCK);
    EXPECT_EQ(FileErrorText(123456), "File I/O error 123456");
}

TEST(VersionText, TrimRemovesBlanksAndControlsAtBothEndsOnly)
{
    EXPECT_EQ(TrimVersionText("velomni.exe      "), "velomni.exe");
    EXPECT_EQ(TrimVersionText(QString::fromUtf16(u"\t\r\n a b\u0000\u007F\u0085 ")), "a b");
    EXPECT_EQ(TrimVersionText("   "), "");
}

TEST(VersionText, NewTextPassesThroughTheAnsiCodePage)
{
    EXPECT_EQ(DecodeAnsi(EncodeAnsi(QString::fromUtf16(u"\u20AC\u00E9\u0081\u0080\u0100\u4E2D"))), QString::fromUtf16(u"\u20AC\u00E9\u0081??\?"));
}

} // namespace
