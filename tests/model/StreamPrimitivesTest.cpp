// SPDX-License-Identifier: GPL-2.0-or-later
#include "model/StreamPrimitives.h"
#include "model/VoStream.h"
#include "support/RecordingMessageBoxes.h"

#include <gtest/gtest.h>

namespace {

QByteArray Written(const QString& text)
{
    TMemoryStream s;
    EXPECT_TRUE(WriteString(s, text));
    return s.Data();
}

} // namespace

TEST(Strings, LengthThenBytesWithoutTerminator)
{
    EXPECT_EQ(Written(""), QByteArray("\0\0\0\0", 4));
    EXPECT_EQ(Written("AB"), QByteArray("\x02\0\0\0AB", 6));
    EXPECT_EQ(Written(QString::fromUtf8("é€")), QByteArray("\x02\0\0\0\xE9\x80", 6));
}

TEST(Strings, ReadBackEveryByte)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b) all.append(char(b));
    TMemoryStream s;
    ASSERT_TRUE(WriteRawString(s, all));
    s.Seek(0);
    QString text;
    ASSERT_TRUE(ReadString(s, text));
    TMemoryStream again;
    ASSERT_TRUE(WriteString(again, text));
    EXPECT_EQ(again.Data(), s.Data());
}

TEST(Strings, BadLengthsFailWithOneBoxAndCode1004)
{
    const QByteArray cases[] = {
        QByteArray("\xFF\xFF\xFF\xFF", 4),         // negative length
        QByteArray("\x05\0\0\0abc", 7),            // longer than what remains
        QByteArray("\xFF\xFF\xFF\x7F", 4),         // two gigabytes claimed
        QByteArray("\x02\0", 2),                   // ends inside the length
    };
    for (const QByteArray& bytes : cases) {
        RecordingMessageBoxes boxes;
        TMemoryStream s(bytes);
        QString text = "unchanged";
        EXPECT_FALSE(ReadString(s, text));
        ASSERT_EQ(boxes.Boxes().size(), 1);
        EXPECT_EQ(boxes.Boxes()[0].caption, "Error");
        EXPECT_TRUE(boxes.Boxes()[0].text.endsWith("-1004).")) << boxes.Boxes()[0].text.toStdString();
        EXPECT_EQ(text, "unchanged");
    }
}

TEST(Fonts, RoundTripKeepsEveryFieldAndSystemColours)
{
    TVoFont font;
    font.Name = "Arial Black";
    font.Color = 0xFF00000F;
    font.Size = -12;
    font.Charset = 238;
    font.Style = fsItalic | fsUnderline;
    TMemoryStream s;
    ASSERT_TRUE(WriteFont(s, font));
    EXPECT_EQ(s.Data(), QByteArray("\x0B\0\0\0Arial Black\x0F\0\0\xFF\xF4\xFF\xFF\xFF\xEE\x06", 25));
    s.Seek(0);
    TVoFont read;
    ASSERT_TRUE(ReadFont(s, read));
    EXPECT_EQ(read, font);
}

TEST(Fonts, FailureIsReportedByTheInnermostReader)
{
    {
        // The face name itself is cut short: the string reader reports.
        RecordingMessageBoxes boxes;
        TMemoryStream s(QByteArray("\x09\0\0\0Ari", 7));
        TVoFont font;
        EXPECT_FALSE(ReadFont(s, font));
        ASSERT_EQ(boxes.Boxes().size(), 1);
        EXPECT_TRUE(boxes.Boxes()[0].text.endsWith("-1004)."));
    }
    {
        // The data ends after the colour: the font reader reports, and
        // what was read before is applied.
        RecordingMessageBoxes boxes;
        TMemoryStream s(QByteArray("\x03\0\0\0Ari\x01\x02\x03\0\x08", 12));
        TVoFont font;
        EXPECT_FALSE(ReadFont(s, font));
        ASSERT_EQ(boxes.Boxes().size(), 1);
        EXPECT_TRUE(boxes.Boxes()[0].text.endsWith("-1002)."));
        EXPECT_EQ(font.Name, "Ari");
        EXPECT_EQ(font.Color, 0x030201u);
        EXPECT_EQ(font.Size, TVoFont().Size);
    }
}
