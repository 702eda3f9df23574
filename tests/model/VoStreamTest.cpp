// SPDX-License-Identifier: GPL-2.0-or-later
#include "model/StreamError.h"
#include "model/VoStream.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <cerrno>

TEST(MemoryStream, IntegersAreLittleEndian)
{
    TMemoryStream s;
    s.WriteI32(0x002613F4);
    s.WriteI16(-2);
    s.WriteU8(0xAB);
    s.WriteU32(0xFF00000F);
    EXPECT_EQ(s.Data(), QByteArray::fromHex("f4132600feffab0f0000ff"));
    s.Seek(0);
    EXPECT_EQ(s.ReadI32(), 0x002613F4);
    EXPECT_EQ(s.ReadI16(), -2);
    EXPECT_EQ(s.ReadU8(), 0xAB);
    EXPECT_EQ(s.ReadU32(), 0xFF00000Fu);
    EXPECT_EQ(s.Remaining(), 0);
}

TEST(MemoryStream, ReadPastTheEndFailsAndConsumesNothing)
{
    TMemoryStream s(QByteArray("\x01\x02\x03", 3));
    try {
        s.ReadI32();
        FAIL() << "read past the end succeeded";
    } catch (const StreamError& e) {
        EXPECT_EQ(e.OsError(), ENODATA);
    }
    EXPECT_EQ(s.Position(), 0);
    EXPECT_EQ(s.ReadU8(), 1);
}

TEST(MemoryStream, BlockLengthsAreCheckedBeforeAllocating)
{
    TMemoryStream s(QByteArray(16, 'x'));
    EXPECT_THROW(s.ReadBytes(-1), StreamError);
    // Two gigabytes claimed by a 16-byte stream must not be allocated.
    EXPECT_THROW(s.ReadBytes(0x7FFFFFFF), StreamError);
    EXPECT_EQ(s.ReadBytes(16), QByteArray(16, 'x'));
    EXPECT_EQ(s.ReadBytes(0), QByteArray());
}

TEST(MemoryStream, OverwritesInPlaceAndGrows)
{
    TMemoryStream s;
    s.WriteBytes("abcdef");
    s.Seek(2);
    s.WriteBytes("XY");
    EXPECT_EQ(s.Data(), "abXYef");
    s.Seek(5);
    s.WriteBytes("123");
    EXPECT_EQ(s.Data(), "abXYe123");
    EXPECT_THROW(s.Seek(9), StreamError);
}

TEST(FileStream, WritesAndReadsBackWithBoundsChecks)
{
    TempDir dir;
    const QString path = dir.File("data.bin");
    {
        TFileStream out(path, TFileStream::Mode::Create);
        out.WriteI32(42);
        out.WriteBytes("tail");
        out.Flush();
        out.Close();
    }
    EXPECT_EQ(TempDir::Read(path), QByteArray("\x2a\0\0\0tail", 8));
    TFileStream in(path, TFileStream::Mode::Read);
    EXPECT_EQ(in.Size(), 8);
    EXPECT_EQ(in.ReadI32(), 42);
    EXPECT_THROW(in.ReadBytes(5), StreamError);
    EXPECT_EQ(in.Position(), 4);
    EXPECT_EQ(in.ReadBytes(4), "tail");
}

TEST(FileStream, OpeningAMissingFileCarriesTheSystemError)
{
    TempDir dir;
    try {
        TFileStream in(dir.File("missing.vpj"), TFileStream::Mode::Read);
        FAIL() << "opened a missing file";
    } catch (const StreamError& e) {
        EXPECT_EQ(e.OsError(), ENOENT);
    }
}
