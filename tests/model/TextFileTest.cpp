// SPDX-License-Identifier: GPL-2.0-or-later
// Text files as the text editor reads and writes them.
#include "model/TextFile.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QFile>

TEST(TextFile, ReadsUtf8OrWindows1252AndGivesCrLfLines)
{
    const QString expected = QStringLiteral("Gr\u00FC\u00DFe\r\n\u20AC 5\r\n");
    EXPECT_EQ(DecodeTextFileBytes("Gr\xC3\xBC\xC3\x9F" "e\n\xE2\x82\xAC 5\n"), expected);
    EXPECT_EQ(DecodeTextFileBytes("\xEF\xBB\xBFGr\xC3\xBC\xC3\x9F" "e\r\n\xE2\x82\xAC 5\r"), expected);
    // Not valid UTF-8: the bytes are Windows-1252.
    EXPECT_EQ(DecodeTextFileBytes("Gr\xFC\xDF" "e\r\n\x80 5\r\n"), expected);
    // A cut-off UTF-8 sequence at the end is no UTF-8 either.
    EXPECT_EQ(DecodeTextFileBytes("ab\xC3"), QStringLiteral("ab\u00C3"));
    const QByteArray utf16("\xFF\xFE" "a\0\n\0\xAC\x20", 8);
    EXPECT_EQ(DecodeTextFileBytes(utf16), QStringLiteral("a\r\n\u20AC"));
    EXPECT_EQ(DecodeTextFileBytes(""), "");
    EXPECT_EQ(WithCrLfBreaks("a\rb\nc\r\n\r\nd"), "a\r\nb\r\nc\r\n\r\nd");
}

TEST(TextFile, WritesUtf8LinesEachEndedByCrLf)
{
    EXPECT_EQ(EncodeTextFileBytes(QStringLiteral("caf\u00E9\nzwei")), "caf\xC3\xA9\r\nzwei\r\n");
    EXPECT_EQ(EncodeTextFileBytes("a\r\n"), "a\r\n");
    EXPECT_EQ(EncodeTextFileBytes(""), "");

    TempDir dir;
    const QString text = QStringLiteral("\u00A0one\r\n\r\ntwo \u00FC\r\n");
    WriteTextFile(dir.File("t.txt"), text);
    EXPECT_EQ(ReadTextFile(dir.File("t.txt")), text);
}

TEST(TextFile, UnreadableAndOversizedFilesAreRefused)
{
    TempDir dir;
    EXPECT_THROW(ReadTextFile(dir.File("missing.txt")), std::runtime_error);
    EXPECT_THROW(WriteTextFile(dir.File("no/folder/t.txt"), "x"), std::runtime_error);
    QFile big(dir.File("big.txt"));
    ASSERT_TRUE(big.open(QIODevice::WriteOnly));
    ASSERT_TRUE(big.resize(kMaxTextFileBytes + 1)); // sparse: nothing is written
    big.close();
    try {
        ReadTextFile(big.fileName());
        ADD_FAILURE() << "an oversized file was read";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "The file \"big.txt\" is too large for a text.");
    }
}
