// SPDX-License-Identifier: GPL-2.0-or-later
#include "model/ObjectClipboard.h"
#include "model/VoStream.h"

#include <gtest/gtest.h>

#include <QClipboard>
#include <QGuiApplication>
#include <QMimeData>

TEST(ObjectClipboard, BlockIsTheByteCountThenTheStreamFromItsPosition)
{
    TMemoryStream records;
    records.WriteBytes("skip");
    records.WriteI32(2); // object count, then two stand-in records
    records.WriteBytes("first-record|second-record");
    records.Seek(4);
    ASSERT_TRUE(PutStreamOnClipboard(records, ClipboardFormat));

    const QMimeData* mime = QGuiApplication::clipboard()->mimeData();
    const QString type = "application/x-qt-windows-mime;value=\"VelomniStudioObjects\"";
    ASSERT_TRUE(mime->hasFormat(type));
    TMemoryStream block(mime->data(type));
    const qint32 count = block.ReadI32();
    EXPECT_EQ(count, block.Remaining());
    EXPECT_EQ(block.ReadI32(), 2);

    TMemoryStream back;
    back.WriteBytes("old content that is longer than the block");
    ASSERT_TRUE(GetStreamFromClipboard(back, ClipboardFormat));
    EXPECT_EQ(back.Data(), records.Data().mid(4));
}

TEST(ObjectClipboard, OtherContentOrADamagedBlockGivesFalse)
{
    QGuiApplication::clipboard()->setText("plain text");
    TMemoryStream stream;
    EXPECT_FALSE(GetStreamFromClipboard(stream, ClipboardFormat));

    auto* mime = new QMimeData;
    mime->setData(ClipboardMimeType(ClipboardFormat), QByteArray("\xFF\xFF\x00\x00ab", 6));
    QGuiApplication::clipboard()->setMimeData(mime);
    EXPECT_FALSE(GetStreamFromClipboard(stream, ClipboardFormat));
    EXPECT_EQ(stream.Size(), 0);
}
