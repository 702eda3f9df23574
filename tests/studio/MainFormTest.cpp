// SPDX-License-Identifier: GPL-2.0-or-later
// The studio's main window: the project lifecycle, the object selector,
// the settings file and the commands of its menus.
#include "inspector/PropertyGrid.h"
#include "model/IniFile.h"
#include "model/ProcessState.h"
#include "model/ProjectFile.h"
#include "model/VoObject.h"
#include "platform/VersionInfo.h"
#include "player/VelomniForm.h"
#include "canvas/EditForm.h"
#include "document/DesignDocument.h"
#include "studio/MainForm.h"
#include "studio/ObjectSelector.h"
#include "studio/StudioSettings.h"
#include "support/ProcessStateGuard.h"
#include "support/RecordingMessageBoxes.h"
#include "support/RecordingShell.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QAction>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QLabel>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QLineEdit>
#include <QTabWidget>
#include <QTest>
#include <QTableWidget>
#include <QTreeWidget>

namespace {

// A studio with its executable folder and one project folder of its own.
class MainFormTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        IsStudio = true;
        ExeFolder = exe.Path();
        ProjectFolder = project.Path();
        form = std::make_unique<TMainForm>(std::make_unique<TVelomniForm>());
        form->SetPlayerSource(VERSION_FIXTURE);
        StudioVersion = ReadFileVersion(VERSION_FIXTURE);
    }
    void TearDown() override { form.reset(); }

    // A data file with the given objects (kind, name, selected) in a folder.
    static void WriteProject(const QString& folder, const QString& title, QList<int> kinds = {})
    {
        TVelomniForm menu;
        menu.Settings().ApplicationTitle = title;
        for (int kind : kinds) menu.AddObject(kind, 10, 10);
        ASSERT_TRUE(SaveProject(menu, QDir(folder).filePath("velomni.vpj")));
    }
    TVelomniForm& Menu() { return form->MenuWindow(); }
    QStringList BoxTexts() const
    {
        QStringList texts;
        for (const auto& box : boxes.Boxes()) texts << box.caption + ": " + box.text;
        return texts;
    }

    ProcessStateGuard state;
    TempDir exe, project, other;
    RecordingMessageBoxes boxes;
    ScriptedDialogs dialogs;
    RecordingShell shell;
    std::unique_ptr<TMainForm> form;
};

} // namespace

TEST_F(MainFormTest, OpenAFolderWithoutDataFileAsksBeforeCreating)
{
    WriteProject(project.Path(), "Current");
    form->OpenProjectFolder(project.Path());
    ASSERT_EQ(Menu().Settings().ApplicationTitle, "Current");

    // No: the current project stays, and so does its folder.
    boxes.Script({MsgAnswer::No});
    dialogs.folders << other.Path() + "/";
    form->Open1Click();
    EXPECT_EQ(BoxTexts(), QStringList{"Information: Project file does not exist, create a new one?"});
    EXPECT_EQ(boxes.Boxes().first().buttons, MsgButtons::YesNo);
    EXPECT_EQ(ProjectFolder, project.Path());
    EXPECT_EQ(Menu().Settings().ApplicationTitle, "Current");
    EXPECT_FALSE(form->Document().Modified());

    // Yes: a new project in the folder (without its trailing separator),
    // unsaved, so closing asks first; Cancel keeps the window open.
    boxes.Clear();
    dialogs.folders << other.Path() + "/";
    form->Open1Click();
    EXPECT_EQ(ProjectFolder, other.Path());
    EXPECT_EQ(Menu().Settings().ApplicationTitle, "Velomni CD");
    EXPECT_TRUE(form->Document().Modified());
    EXPECT_EQ(form->StatusPanel0->text(), other.Path());
    EXPECT_FALSE(QFileInfo::exists(other.File("velomni.vpj")));

    boxes.Clear();
    boxes.Script({MsgAnswer::Cancel});
    EXPECT_FALSE(form->close());
    EXPECT_EQ(BoxTexts(), QStringList{"Confirm: Save changes to project?"});
    EXPECT_EQ(boxes.Boxes().first().buttons, MsgButtons::YesNoCancel);
    EXPECT_EQ(boxes.Boxes().first().icon, MsgIcon::Question);

    // No closes without saving.
    boxes.Script({MsgAnswer::No});
    EXPECT_TRUE(form->close());
    EXPECT_FALSE(QFileInfo::exists(other.File("velomni.vpj")));
}

TEST_F(MainFormTest, SaveChangesPromptYesBuildsAndAFailedBuildRefusesToGoOn)
{
    form->Document().Restart(true); // unsaved changes
    Menu().Settings().ApplicationTitle = "Unsaved";
    // Yes with a working build: the project is saved and the command goes on.
    dialogs.folders << other.Path();
    boxes.Script({MsgAnswer::Yes, MsgAnswer::No});
    form->Open1Click();
    ASSERT_TRUE(QFileInfo::exists(project.File("velomni.vpj")));
    EXPECT_TRUE(QFileInfo::exists(project.File("velomni.exe")));
    EXPECT_TRUE(QFileInfo::exists(project.File("autorun.inf")));
    EXPECT_EQ(ReadVersionFileName(project.File("velomni.exe")), QString::fromLatin1(kPlayerOriginalFilename));
    EXPECT_EQ(dialogs.asked, QStringList{"Select Project Folder @ " + project.Path()});

    // Yes with a failing build (the folder is gone): nothing happens and
    // closing is refused.
    form->Document().Restart(true); // unsaved changes
    ProjectFolder = project.File("gone");
    dialogs.asked.clear();
    boxes.Clear();
    boxes.Script({MsgAnswer::Yes});
    form->NewProject1Click();
    EXPECT_TRUE(dialogs.asked.isEmpty());
    EXPECT_EQ(BoxTexts(), (QStringList{"Confirm: Save changes to project?",
                                       "Error: Directory \"" + project.File("gone") + "\" not found"}));
    boxes.Script({MsgAnswer::Yes});
    EXPECT_FALSE(form->close());
    EXPECT_TRUE(form->Document().Modified());
}

TEST_F(MainFormTest, NewProjectChecksTheFolderAndLeavesTheOldFileUntilTheNextSave)
{
    WriteProject(project.Path(), "Current");
    form->OpenProjectFolder(project.Path());

    dialogs.folders << other.File("missing");
    form->NewProject1Click();
    EXPECT_EQ(BoxTexts(), QStringList{"Project Folder: Project folder does not exist."});
    EXPECT_EQ(boxes.Boxes().first().icon, MsgIcon::Information);

    WriteProject(other.Path(), "Other");
    const QByteArray oldBytes = TempDir::Read(other.File("velomni.vpj"));
    boxes.Clear();
    boxes.Script({MsgAnswer::No});
    dialogs.folders << other.Path();
    form->NewProject1Click();
    EXPECT_EQ(BoxTexts(), QStringList{"Project File: The project file exists, overwrite?"});
    EXPECT_EQ(ProjectFolder, project.Path());
    EXPECT_EQ(Menu().Settings().ApplicationTitle, "Current");

    boxes.Clear();
    dialogs.folders << other.Path();
    form->NewProject1Click();
    EXPECT_EQ(ProjectFolder, other.Path());
    EXPECT_EQ(Menu().Settings().ApplicationTitle, "Velomni CD");
    EXPECT_TRUE(form->Document().Modified());
    EXPECT_EQ(TempDir::Read(other.File("velomni.vpj")), oldBytes);

    form->Save1Click();
    EXPECT_NE(TempDir::Read(other.File("velomni.vpj")), oldBytes);
    EXPECT_FALSE(form->Document().Modified());
}

TEST_F(MainFormTest, ADamagedDataFileIsSetAsideAndLeavesAnEmptyProjectAndTheFlagAsItWas)
{
    other.Write("velomni.vpj", "not a project");
    Menu().AddObject(0, 5, 5);
    form->Document().MarkSaved();
    form->OpenProjectFolder(other.Path());
    ASSERT_EQ(boxes.Boxes().size(), 2);
    EXPECT_EQ(boxes.Boxes()[1].caption, "Project File");
    EXPECT_EQ(boxes.Boxes()[1].text, "The project file \"" + other.File("velomni.vpj") +
                                         "\" could not be read. It was kept as \"velomni.vpj.damaged\"; "
                                         "the project starts empty.");
    EXPECT_TRUE(Menu().ObjectList().empty());
    EXPECT_EQ(ProjectFolder, other.Path());
    EXPECT_FALSE(form->Document().Modified());
    // The next save writes a new file and leaves the damaged one alone.
    form->Document().Restart(true); // unsaved changes
    form->Save1Click();
    EXPECT_EQ(TempDir::Read(other.File("velomni.vpj.damaged")), "not a project");
    EXPECT_TRUE(QFileInfo(other.File("velomni.vpj")).isFile());

    // A second damaged file takes the next free name.
    other.Write("velomni.vpj", "damaged again");
    form->Document().Restart(true); // unsaved changes
    boxes.Clear();
    form->OpenProjectFolder(other.Path());
    ASSERT_EQ(boxes.Boxes().size(), 2);
    EXPECT_TRUE(boxes.Boxes()[1].text.contains("It was kept as \"velomni.vpj.damaged.2\""));
    EXPECT_EQ(TempDir::Read(other.File("velomni.vpj.damaged.2")), "damaged again");
    EXPECT_EQ(TempDir::Read(other.File("velomni.vpj.damaged")), "not a project");
    EXPECT_TRUE(form->Document().Modified());
}

TEST_F(MainFormTest, SaveAndTestStartsThePlayerOnlyAfterASuccessfulBuild)
{
    form->Document().Restart(true); // unsaved changes
    form->SaveandTest1Click();
    ASSERT_EQ(shell.Calls().size(), 1);
    EXPECT_EQ(shell.Calls().first().verb, "run");
    EXPECT_EQ(shell.Calls().first().target, QDir(project.Path()).filePath("velomni.exe"));

    shell.Clear();
    ProjectFolder = project.File("gone");
    form->SaveandTest1Click();
    EXPECT_TRUE(shell.Calls().isEmpty());
}

TEST_F(MainFormTest, SelectorNamesTheProjectAndEachObjectAndFollowsTheSelection)
{
    TVoObject* button = Menu().AddObject(0, 10, 10);
    TVoObject* browser = Menu().AddObject(5, 20, 20);
    TVoObject* text = Menu().AddObject(2, 30, 30);
    button->Actions.push_back(std::make_unique<TVoAction>(TVoAction{1, "www.velomni.example"}));
    Menu().StartActions().push_back(std::make_unique<TVoAction>(TVoAction{9, ""}));

    // Nothing selected: the project is current, with its start actions.
    for (TVoObject* entry : Menu().ObjectList()) entry->Selected = false;
    form->RefreshObjectList();
    ASSERT_EQ(form->ComboBox1->count(), 4);
    EXPECT_EQ(form->ComboBox1->Entry(0).text, "Velomni CD");
    EXPECT_EQ(form->ComboBox1->Entry(2).kind, 5);
    EXPECT_EQ(form->ComboBox1->Entry(2).text, browser->Name);
    EXPECT_EQ(form->CurrentEntry(), 0);
    EXPECT_EQ(form->PageControl1->tabText(0), "Start Actions");
    ASSERT_EQ(form->ListView1->topLevelItemCount(), 1);
    EXPECT_EQ(form->ListView1->topLevelItem(0)->text(0), "Exit");
    EXPECT_EQ(form->ValueEdit->rowCount(), 28); // the project's rows

    // One selected object becomes current and lists its click actions.
    button->Selected = true;
    form->RefreshObjectList();
    EXPECT_EQ(form->CurrentEntry(), 1);
    EXPECT_TRUE(button->Selected);
    EXPECT_EQ(form->PageControl1->tabText(0), "Click Actions");
    ASSERT_EQ(form->ListView1->topLevelItemCount(), 1);
    EXPECT_EQ(form->ListView1->topLevelItem(0)->text(0), "VisitWebsite");
    EXPECT_EQ(form->ListView1->topLevelItem(0)->text(1), "www.velomni.example");
    EXPECT_TRUE(form->Button1->isEnabled());

    // Several selected: no current entry and no object stays selected.
    text->Selected = true;
    form->RefreshObjectList();
    EXPECT_EQ(form->CurrentEntry(), -1);
    EXPECT_FALSE(button->Selected);
    EXPECT_FALSE(text->Selected);
    EXPECT_EQ(form->ValueEdit->rowCount(), 1);
    EXPECT_EQ(form->ListView1->topLevelItemCount(), 0);

    // An Explorer has no click actions: an empty list, buttons disabled.
    form->SetCurrentEntry(2);
    EXPECT_TRUE(browser->Selected);
    EXPECT_EQ(form->ListView1->topLevelItemCount(), 0);
    for (QPushButton* b : {form->Button1, form->Button2, form->Button3}) EXPECT_FALSE(b->isEnabled());
    form->SetCurrentEntry(0);
    EXPECT_FALSE(browser->Selected);
    EXPECT_TRUE(form->Button3->isEnabled());
}

TEST_F(MainFormTest, SettingsFileReadsDefaultsClampsGridSizesAndWritesAllFiveKeys)
{
    TIniFile ini(StudioSettingsPath(exe.Path()));
    ini.WriteString("SETTINGS", "GRIDSIZEX", "eight");
    ini.WriteString("SETTINGS", "GRIDSIZEY", "0");
    ini.WriteString("SETTINGS", "DISPLAYGRID", "7");
    ini.WriteString("SETTINGS", "SNAPTOGRID", "0");
    form->LoadSettings();
    EXPECT_EQ(form->Document().Grid().X, 8);
    EXPECT_EQ(form->Document().Grid().Y, 2);
    EXPECT_TRUE(form->Document().Grid().Display);
    EXPECT_FALSE(form->Document().Grid().Snap);
    EXPECT_EQ(form->CanvasBackground(), RgbColor(236, 236, 236));

    ini.WriteString("SETTINGS", "GRIDSIZEX", "1000");
    ini.WriteInteger("SETTINGS", "BACKGROUNDCOLOR", int(RgbColor(1, 2, 3)));
    form->LoadSettings();
    EXPECT_EQ(form->Document().Grid().X, 99);
    EXPECT_EQ(form->CanvasBackground(), RgbColor(1, 2, 3));

    QFile::remove(ini.FileName());
    form->SnaptoGrid1Click();
    EXPECT_TRUE(form->Document().Grid().Snap);
    EXPECT_TRUE(form->SnaptoGrid1->isChecked());
    EXPECT_EQ(TempDir::Read(ini.FileName()).replace("\r", ""),
              "[SETTINGS]\nDISPLAYGRID=1\nSNAPTOGRID=1\nGRIDSIZEX=99\nGRIDSIZEY=2\nBACKGROUNDCOLOR=197121\n");
}

TEST_F(MainFormTest, DisplayGridRedrawsTheCanvasWithOrWithoutTheGrid)
{
    Menu().Settings().BackColor = clWhite;
    Menu().RedrawBackground();
    form->LoadSettings();
    form->SyncCanvasWindow();
    auto gridDots = [this] {
        const QImage& picture = form->EditForm->Picture();
        int dots = 0;
        for (int x = 0; x < 64; ++x)
            if (QColor(picture.pixel(x, 8)) != Qt::white) ++dots;
        return dots;
    };
    EXPECT_EQ(form->EditForm->size(), QSize(640, 400));
    EXPECT_GT(gridDots(), 0);
    form->DisplayGrid1Click();
    EXPECT_FALSE(form->Document().Grid().Display);
    EXPECT_EQ(gridDots(), 0);
    form->DisplayGrid1Click();
    EXPECT_GT(gridDots(), 0);
}

TEST_F(MainFormTest, CenterCanvasCentresInTheHostOrStartsAtTheCorner)
{
    form->resize(1200, 900);
    form->show();
    QScrollArea* host = form->ScrollBox3;
    const QSize visible = host->viewport()->size();
    form->EditForm->resize(101, 51);
    form->CenterCanvas();
    EXPECT_EQ(form->EditForm->pos(), QPoint((visible.width() - 101) / 2, (visible.height() - 51) / 2));
    form->EditForm->resize(visible.width() + 300, 20);
    form->CenterCanvas();
    EXPECT_EQ(form->EditForm->pos(), QPoint(0, (visible.height() - 20) / 2));
}

// Filling the work area with its client area put the title bar above the
// screen; maximised, the window manager keeps the frame inside.
TEST_F(MainFormTest, TheWindowOpensMaximisedSoItsFrameStaysOnScreen)
{
    EXPECT_TRUE(form->windowState() & Qt::WindowMaximized);
    form->show();
    EXPECT_TRUE(form->windowState() & Qt::WindowMaximized);
    EXPECT_EQ(form->size(), QGuiApplication::primaryScreen()->availableGeometry().size());
}

TEST_F(MainFormTest, AHugeWindowScrollsAndNeverPaintsOverTheSidebar)
{
    form->resize(1200, 900);
    form->show();
    const QRect sidebar(form->ScrollBox2->mapTo(form.get(), QPoint(0, 0)), form->ScrollBox2->size());
    const QImage before = form->grab(sidebar).toImage();

    Menu().SetWindowSize(99999, 400);
    form->Document().Notify(ProjectChanged | FrameSync);
    EXPECT_EQ(form->EditForm->width(), 99999);
    EXPECT_FALSE(form->ScrollBox5->geometry().intersects(form->rect()));
    EXPECT_EQ(form->grab(sidebar).toImage(), before);
    EXPECT_GT(form->ScrollBox3->horizontalScrollBar()->maximum(), 99999 - form->ScrollBox3->viewport()->width() - 1);
}

TEST_F(MainFormTest, HelpMenuOpensTheHelpDocumentAndTheVendorAddresses)
{
    // Without a version history beside the program its item is hidden.
    EXPECT_FALSE(form->WhatsNew1->isVisible());
    form->HelpDocument1Click();
    form->echnicalSupport1Click();
    form->VisitHomePage1Click();
    ASSERT_EQ(shell.Calls().size(), 3);
    EXPECT_EQ(shell.Calls()[0].target, QDir(exe.Path()).filePath("VelomniStudio.html"));
    EXPECT_TRUE(shell.Calls()[1].target.startsWith("mailto:"));
    EXPECT_TRUE(shell.Calls()[2].target.startsWith("https://"));
    EXPECT_EQ(form->HelpDocument1->shortcut(), QKeySequence(Qt::Key_F1));
    EXPECT_EQ(form->Exit1->shortcut(), QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_E));

    exe.Write("whatsnew.rtf", "{\\rtf1 x}");
    TMainForm withHistory(std::make_unique<TVelomniForm>());
    EXPECT_TRUE(withHistory.WhatsNew1->isVisible());
}

TEST_F(MainFormTest, AValueTheGridRejectsAbandonsTheCommandThatAskedForIt)
{
    form->RefreshObjectList();
    TPropertyGrid& grid = *form->ValueEdit;
    int width = 0;
    for (int row = 1; row <= grid.RowCount(); ++row)
        if (grid.Row(row).key == "Width") width = row;
    ASSERT_GT(width, 0);
    grid.SetCurrentRow(width);
    grid.Editor()->selectAll();
    QTest::keyClicks(grid.Editor(), "12px");
    form->Save1Click();
    EXPECT_EQ(BoxTexts(), QStringList{"Information: \"12px\" is not a valid value."});
    EXPECT_FALSE(QFileInfo::exists(project.File("velomni.vpj")));
    EXPECT_EQ(grid.Value(width), "640");

    grid.Editor()->selectAll();
    QTest::keyClicks(grid.Editor(), "700");
    form->Save1Click();
    EXPECT_EQ(Menu().Settings().Width, 700);
    EXPECT_TRUE(QFileInfo::exists(project.File("velomni.vpj")));
    EXPECT_FALSE(form->Document().Modified());
    EXPECT_EQ(form->EditForm->width(), 700); // the canvas took the new frame
}

TEST_F(MainFormTest, ANameTypedInTheGridShowsInTheSelectorAtOnce)
{
    Menu().AddObject(0, 10, 10);
    form->RefreshObjectList();
    TPropertyGrid& grid = *form->ValueEdit;
    grid.SetCurrentRow(1);
    grid.Editor()->selectAll();
    QTest::keyClicks(grid.Editor(), "Play");
    EXPECT_EQ(Menu().ObjectList()[0]->Name, "Play");
    EXPECT_EQ(form->ComboBox1->Entry(1).text, "Play");
    EXPECT_EQ(form->CurrentEntry(), 1);
    EXPECT_TRUE(form->Document().Modified());
}
