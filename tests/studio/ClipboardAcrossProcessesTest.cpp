// SPDX-License-Identifier: GPL-2.0-or-later
// Objects copied in one studio process and pasted in another, through the
// X server's clipboard. Runs on the Xvfb display of the test run.
#include "model/Kinds.h"
#include "model/ObjectClipboard.h"
#include "model/ProjectFile.h"
#include "player/VelomniForm.h"
#include "document/DesignDocument.h"
#include "studio/MainForm.h"
#include "support/ProcessStateGuard.h"
#include "support/RecordingMessageBoxes.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QDir>
#include <QGuiApplication>
#include <QProcess>

TEST(ClipboardAcrossProcesses, ObjectsCopiedInAnotherStudioArePastedHereFirstWhereTheyWere)
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        GTEST_SKIP() << "needs a real X server; runs as studio_tests.clipboard_on_x11";
    ProcessStateGuard state;
    RecordingMessageBoxes boxes;
    TempDir source, exe, target;
    {
        TVelomniForm menu;
        TVoObject* button = menu.AddObject(okButton, 0, 0);
        button->Name = "Play";
        button->Control->SetBounds({30, 40, 90, 32});
        button->Actions.push_back(std::make_unique<TVoAction>(TVoAction{0, "\\intro.mp4"}));
        menu.AddObject(okText, 200, 60)->Name = "Caption";
        ASSERT_TRUE(SaveProject(menu, source.File("velomni.vpj")));
    }

    QProcess peer;
    peer.setProgram(QStringLiteral(CLIPBOARD_PEER));
    peer.setArguments({source.Path()});
    peer.start();
    ASSERT_TRUE(peer.waitForStarted(10000));
    ASSERT_TRUE(peer.waitForReadyRead(30000)) << peer.readAllStandardError().toStdString();
    EXPECT_EQ(peer.readLine().trimmed(), "copied");

    IsStudio = true;
    ExeFolder = exe.Path();
    ProjectFolder = target.Path();
    TMainForm form(std::make_unique<TVelomniForm>());
    form.MenuWindow().AddObject(okButton, 300, 300)->Name = "Play";
    form.RefreshObjectList();
    form.Edit1Click();
    EXPECT_TRUE(form.EditCommandEnabled(EditCommand::Paste));
    form.Paste1Click();
    form.Paste1Click();

    peer.closeWriteChannel();
    EXPECT_TRUE(peer.waitForFinished(10000));
    const TObjectList& objects = form.MenuWindow().ObjectList();
    ASSERT_EQ(objects.size(), 5u);
    EXPECT_TRUE(boxes.Boxes().isEmpty());
    // The first paste here puts them where they were, the second 8 further.
    EXPECT_EQ(objects[1]->Name, "Button1");
    EXPECT_EQ(objects[1]->Control->Bounds(), QRect(30, 40, 90, 32));
    ASSERT_EQ(objects[1]->Actions.size(), 1u);
    EXPECT_EQ(objects[1]->Actions[0]->Parameter, "\\intro.mp4");
    EXPECT_EQ(objects[2]->Name, "Caption");
    EXPECT_EQ(objects[2]->Control->Bounds().topLeft(), QPoint(200, 60));
    EXPECT_EQ(objects[3]->Name, "Button2");
    EXPECT_EQ(objects[3]->Control->Bounds().topLeft(), QPoint(38, 48));
    EXPECT_EQ(objects[4]->Name, "Text1");
    EXPECT_EQ(form.Document().PasteOffset(), 16);
}
