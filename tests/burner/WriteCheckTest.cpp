// SPDX-License-Identifier: GPL-2.0-or-later
// The check before a write to a disc that the burner window and the
// command-line tool share: the media, the image, and room to the byte.
#include "ScriptedEngine.h"
#include "burner/WriteCheck.h"

#include <gtest/gtest.h>

TEST(WriteCheck, TheMediaMustBeWritableAndHoldTheWholeImage)
{
    ScriptedEngine engine;
    ScriptedEngine::Drive drive;
    drive.media = {kMediaCdR, true, false};
    drive.freeBlocks = 100;
    engine.drives = {drive};
    const qint64 room = 100 * engine.BlockSize();

    engine.imageSize = room;
    EXPECT_EQ(CheckWrite(engine, 0).readiness, WriteReadiness::Ready);
    engine.imageSize = room + 1;
    const WriteCheck tight = CheckWrite(engine, 0);
    EXPECT_EQ(tight.readiness, WriteReadiness::TooLittleSpace);
    EXPECT_EQ(tight.freeBytes, room);
    EXPECT_EQ(tight.requiredBytes, room + 1);
    engine.imageSize = -1;
    EXPECT_EQ(CheckWrite(engine, 0).readiness, WriteReadiness::NoImage);

    engine.imageSize = 1;
    engine.drives[0].media = {kMediaCdR, false, false};
    EXPECT_EQ(CheckWrite(engine, 0).readiness, WriteReadiness::NoWritableMedia);
    engine.drives[0].media = {kMediaNone, true, false};
    EXPECT_EQ(CheckWrite(engine, 0).readiness, WriteReadiness::NoWritableMedia);
}
