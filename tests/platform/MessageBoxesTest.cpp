// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/MessageBoxes.h"
#include "support/RecordingMessageBoxes.h"

#include <gtest/gtest.h>

TEST(MessageBoxes, RecorderIsTheServiceForItsLifetimeAndAnswersFromItsScript)
{
    MessageBoxes* before = &GetMessageBoxes();
    {
        RecordingMessageBoxes boxes;
        EXPECT_EQ(&GetMessageBoxes(), &boxes);
        boxes.Script({MsgAnswer::No, MsgAnswer::Cancel});
        EXPECT_EQ(GetMessageBoxes().Show("Q", "one", MsgIcon::Question, MsgButtons::YesNo),
                  MsgAnswer::No);
        EXPECT_EQ(GetMessageBoxes().Show("Q", "two", MsgIcon::Question, MsgButtons::YesNoCancel),
                  MsgAnswer::Cancel);
        // Script used up: the affirmative answer.
        EXPECT_EQ(GetMessageBoxes().Show("Q", "three", MsgIcon::Question, MsgButtons::YesNo),
                  MsgAnswer::Yes);
        ASSERT_EQ(boxes.Boxes().size(), 3);
        EXPECT_EQ(boxes.Boxes()[1].text, "two");
        EXPECT_EQ(boxes.Boxes()[1].buttons, MsgButtons::YesNoCancel);
    }
    EXPECT_EQ(&GetMessageBoxes(), before);
}

TEST(MessageBoxes, StandardErrorServiceWritesCaptionAndTextOnOneLine)
{
    testing::internal::CaptureStderr();
    StderrMessageBoxes boxes;
    EXPECT_EQ(boxes.Show("File Format", "Invalid file format.", MsgIcon::Information, MsgButtons::Ok),
              MsgAnswer::Ok);
    EXPECT_EQ(testing::internal::GetCapturedStderr(), "File Format: Invalid file format.\n");
}
