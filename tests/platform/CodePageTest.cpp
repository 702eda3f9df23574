// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/CodePage.h"

#include <gtest/gtest.h>

TEST(CodePage, EveryByteSurvivesDecodeAndEncode)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b) all.append(char(b));
    const QString text = DecodeAnsi(all);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(EncodeAnsi(text), all);
}

TEST(CodePage, HighBytesAreWindows1252)
{
    EXPECT_EQ(DecodeAnsi("\x80"), QString(QChar(0x20AC)));
    EXPECT_EQ(DecodeAnsi("\x93\x94"), QString::fromUtf8("\u201C\u201D"));
    EXPECT_EQ(DecodeAnsi("\xE9t\xE9"), QString::fromUtf8("été"));
    // The undefined bytes keep their value as C1 controls.
    EXPECT_EQ(DecodeAnsi("\x81\x8D\x8F\x90\x9D"),
              QString::fromUtf8("\u0081\u008D\u008F\u0090\u009D"));
    EXPECT_EQ(EncodeAnsi(QString::fromUtf8("€ – ™")), QByteArray("\x80 \x96 \x99"));
}

TEST(CodePage, CharactersOutsideTheCodePageBecomeOneQuestionMark)
{
    EXPECT_EQ(EncodeAnsi(QString::fromUtf8("a\u4E2Db")), QByteArray("a?b"));
    // A character outside the basic plane is one '?', not two.
    EXPECT_EQ(EncodeAnsi(QString::fromUtf8("x\U0001F600y")), QByteArray("x?y"));
}
