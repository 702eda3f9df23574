// SPDX-License-Identifier: GPL-2.0-or-later
// Files chosen for a row come back relative to the project folder; files
// from outside are copied in first, after asking.
#include "InspectorFixture.h"

#include "inspector/ProjectFileChooser.h"
#include "model/Kinds.h"

#include <QDir>
#include <QFile>

TEST_F(InspectorTest, FilesInsideTheProjectComeBackRelativeToIt)
{
    QDir(project.Path()).mkpath("sub");
    dialogs.openFiles << project.Write("sub/name.ext", "x") << project.Write("name.ext", "y");
    EXPECT_EQ(ChooseProjectFile("", "All (*.*)|*.*"), "\\sub\\name.ext");
    EXPECT_EQ(ChooseProjectFile("\\", "All (*.*)|*.*"), "\\name.ext");
    EXPECT_EQ(dialogs.asked, (QStringList{"open All (*.*)|*.* @ folder " + project.Path(),
                                          "open All (*.*)|*.* @ folder " + project.Path()}));
    // A row's file is where the dialog starts.
    dialogs.asked.clear();
    EXPECT_EQ(ChooseProjectFile(" \\sub\\name.ext ", "Rich Text (*.rtf)|*.rtf"), std::nullopt);
    EXPECT_EQ(dialogs.asked, QStringList{"open Rich Text (*.rtf)|*.rtf @ " + project.File("sub/name.ext")});
    // A folder that only starts with the project's name is outside.
    EXPECT_EQ(RelativeToProject(project.Path() + "2/a.wav", project.Path()), std::nullopt);
}

TEST_F(InspectorTest, AFileFromOutsideIsCopiedIntoTheChosenProjectFolder)
{
    const QString sound = outside.Write("intro.wav", "RIFF sound");
    QDir(project.Path()).mkpath("media");

    // Refused copy, cancelled folder: nothing.
    boxes.Script({MsgAnswer::No});
    dialogs.openFiles << sound;
    EXPECT_EQ(ChooseProjectFile("", "All (*.*)|*.*"), std::nullopt);
    EXPECT_EQ(boxes.Boxes().last().caption, "Copy file");
    EXPECT_EQ(boxes.Boxes().last().text, "The file you selected is not in project folder, copy it?");
    dialogs.openFiles << sound;
    EXPECT_EQ(ChooseProjectFile("", "All (*.*)|*.*"), std::nullopt);

    dialogs.openFiles << sound << sound;
    dialogs.foldersUnder << project.Path() << project.File("media");
    EXPECT_EQ(ChooseProjectFile("", "All (*.*)|*.*"), "\\intro.wav");
    EXPECT_EQ(ChooseProjectFile("", "All (*.*)|*.*"), "\\media\\intro.wav");
    EXPECT_EQ(TempDir::Read(project.File("media/intro.wav")), "RIFF sound");
    EXPECT_EQ(dialogs.asked.last(), "Copy selected file to project folder @ " + project.Path());

    // An existing target is replaced only when the user says so.
    project.Write("media/intro.wav", "kept");
    boxes.Clear();
    boxes.Script({MsgAnswer::Yes, MsgAnswer::No});
    dialogs.openFiles << sound;
    dialogs.foldersUnder << project.File("media");
    EXPECT_EQ(ChooseProjectFile("", "All (*.*)|*.*"), std::nullopt);
    ASSERT_EQ(boxes.Boxes().size(), 2);
    EXPECT_EQ(boxes.Boxes()[1].caption, "File Exists");
    EXPECT_EQ(boxes.Boxes()[1].text, "\"\\intro.wav\" already exists, overwrite?");
    EXPECT_EQ(TempDir::Read(project.File("media/intro.wav")), "kept");
}

TEST_F(InspectorTest, AFailedCopyIsReportedAndLeavesTheOldFileWhole)
{
    const QString sound = outside.Write("intro.wav", "new sound");
    project.Write("intro.wav", "old sound");
    QFile::remove(sound);
    boxes.Script({MsgAnswer::Yes, MsgAnswer::Yes});
    dialogs.openFiles << sound;
    dialogs.foldersUnder << project.Path();
    EXPECT_EQ(ChooseProjectFile("", "All (*.*)|*.*"), std::nullopt);
    ASSERT_EQ(boxes.Boxes().size(), 3);
    EXPECT_EQ(boxes.Boxes()[2].caption, "Error");
    EXPECT_EQ(TempDir::Read(project.File("intro.wav")), "old sound");
    EXPECT_EQ(QDir(project.Path()).entryList(QDir::Files), QStringList{"intro.wav"});
}

TEST_F(InspectorTest, ASoundRowStoresTheChosenPath)
{
    TVoObject* button = Add(okButton);
    Show(1);
    boxes.Script({MsgAnswer::Yes});
    dialogs.openFiles << outside.Write("click.wav", "tick");
    dialogs.foldersUnder << project.Path();
    PressEllipsis("ClickSound");
    EXPECT_EQ(button->ClickSound, "\\click.wav");
    EXPECT_EQ(Value("ClickSound"), "\\click.wav");
    EXPECT_EQ(host.applied.last(), ProjectChanged);
    Type("OverSound", "\\typed.wav");
    EXPECT_EQ(button->OverSound, "\\typed.wav");
}
