// SPDX-License-Identifier: GPL-2.0-or-later
#include "model/ErrorReports.h"
#include "model/StreamError.h"
#include "support/RecordingMessageBoxes.h"

#include <gtest/gtest.h>

#include <cerrno>
#include <new>

TEST(ErrorReports, StreamErrorShowsSystemTextNumberAndCode)
{
    RecordingMessageBoxes boxes;
    errno = ENOENT;
    ReportStreamError(2003);
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].caption, "Error");
    EXPECT_EQ(boxes.Boxes()[0].icon, MsgIcon::Error);
    EXPECT_EQ(boxes.Boxes()[0].buttons, MsgButtons::Ok);
    EXPECT_EQ(boxes.Boxes()[0].text, "No such file or directory (2-2003).");
}

TEST(ErrorReports, FileErrorQuotesTheFileName)
{
    RecordingMessageBoxes boxes;
    errno = EACCES;
    ReportFileError(0, "/discs/menu/velomni.vpj");
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text,
              "\"/discs/menu/velomni.vpj\", Permission denied (13-0).");
}

TEST(ErrorReports, DataErrorAndFolderNotFoundTexts)
{
    RecordingMessageBoxes boxes;
    ShowDataError();
    ShowFolderNotFound("/media/cd/extras");
    ASSERT_EQ(boxes.Boxes().size(), 2);
    EXPECT_EQ(boxes.Boxes()[0].caption, "Data Error");
    EXPECT_EQ(boxes.Boxes()[0].text, "Invalid data, maybe software version problem.");
    EXPECT_EQ(boxes.Boxes()[0].icon, MsgIcon::Information);
    EXPECT_EQ(boxes.Boxes()[1].caption, "Error");
    EXPECT_EQ(boxes.Boxes()[1].text, "Directory \"/media/cd/extras\" not found");
}

TEST(ErrorReports, SystemTextLosesTrailingFullStopsAndBlanks)
{
    for (int e : {EINVAL, ENOMEM, ENOSPC, ENODATA}) {
        const QString text = OsErrorText(e);
        ASSERT_FALSE(text.isEmpty());
        EXPECT_FALSE(text.endsWith('.') || text.back().isSpace()) << text.toStdString();
    }
}

TEST(ErrorReports, RunReportedReportsACaughtFailureOnceWithItsOwnNumber)
{
    RecordingMessageBoxes boxes;
    errno = 0;
    EXPECT_FALSE(RunReported(1004, []() -> bool { throw StreamError::Truncated(); }));
    EXPECT_FALSE(RunReported(1006, []() -> bool { throw std::bad_alloc(); }));
    // A body that reports false itself is not reported again.
    EXPECT_FALSE(RunReported(1001, [] { return false; }));
    EXPECT_TRUE(RunReported(1001, [] { return true; }));
    ASSERT_EQ(boxes.Boxes().size(), 2);
    EXPECT_EQ(boxes.Boxes()[0].text, StreamErrorText(ENODATA, 1004));
    EXPECT_TRUE(boxes.Boxes()[0].text.endsWith("(61-1004)."));
    EXPECT_EQ(boxes.Boxes()[1].text, StreamErrorText(ENOMEM, 1006));
}
