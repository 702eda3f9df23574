// SPDX-License-Identifier: GPL-2.0-or-later
// The little-endian reads the picture codecs share: the byte order, the
// sign of the signed ones, and a read that reaches past either end.
#include "model/LittleEndian.h"
#include "model/StreamError.h"

#include <gtest/gtest.h>

TEST(LittleEndian, ReadsLowByteFirstAndRefusesReadsOutsideTheBytes)
{
    const QByteArray bytes = QByteArray::fromHex("0102fffe80000000ff");
    EXPECT_EQ(LeU16(bytes, 0), 0x0201u);
    EXPECT_EQ(LeU32(bytes, 0), 0xfeff0201u);
    EXPECT_EQ(LeI16(bytes, 2), -257);
    EXPECT_EQ(LeI32(bytes, 4), 0x80);
    // The largest less the smallest 32-bit number does not overflow.
    const QByteArray extremes = QByteArray::fromHex("ffffff7f00000080");
    EXPECT_EQ(LeI32(extremes, 0) - LeI32(extremes, 4), 4294967295ll);
    EXPECT_EQ(LeU8(bytes, 8), 0xffu);
    EXPECT_THROW(LeU8(bytes, 9), StreamError);
    EXPECT_THROW(LeU16(bytes, 8), StreamError);
    EXPECT_THROW(LeU32(bytes, -1), StreamError);
}
