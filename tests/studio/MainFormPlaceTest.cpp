// SPDX-License-Identifier: GPL-2.0-or-later
// The main window keeps its place, its sidebar and grid column widths and
// the recent project folders in the settings file, and File > Recent
// Projects opens them as File > Open does.
#include "inspector/PropertyGrid.h"
#include "model/IniFile.h"
#include "model/ProjectFile.h"
#include "document/DesignDocument.h"
#include "studio/StudioSettings.h"
#include "studio/WindowPlace.h"
#include "StudioWindowTest.h"

#include <QAction>
#include <QDir>
#include <QGuiApplication>
#include <QMenu>
#include <QScreen>
#include <QSplitter>
#include <QTest>
#include <QWidget>

namespace {

class MainFormPlaceTest : public StudioWindowTest {
protected:
    static void WriteProject(const QString& folder, const QString& title)
    {
        TVelomniForm menu;
        menu.Settings().ApplicationTitle = title;
        ASSERT_TRUE(SaveProject(menu, QDir(folder).filePath("velomni.vpj")));
    }
    static QStringList RecentItems(const TMainForm& form)
    {
        QStringList texts;
        for (const QAction* item : form.RecentProjects1->actions()) texts << item->text();
        return texts;
    }
    TIniFile Settings() const { return TIniFile(StudioSettingsPath(exe.Path())); }

    TempDir second;
};

} // namespace

TEST_F(MainFormPlaceTest, PlaceSidebarAndColumnsClosedWithComeBackAtTheNextStart)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    const QRect place(screen.left() + 20, screen.top() + 30, screen.width() / 2 + 200, screen.height() / 2 + 100);
    form->setWindowState(Qt::WindowNoState);
    form->setGeometry(place);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    // Wider than the least the sidebar and the keys need, which they never
    // go below.
    const int total = form->Splitter1->sizes()[0] + form->Splitter1->sizes()[1];
    const int sidebar = form->ScrollBox2->minimumSizeHint().width() + 60;
    const int names = form->ValueEdit->columnWidth(0) + 40;
    form->Splitter1->setSizes({total - sidebar, sidebar});
    form->ValueEdit->setColumnWidth(0, names);
    ASSERT_TRUE(form->close());
    form.reset();
    const TWindowPlace saved = ReadWindowPlace(Settings());
    EXPECT_EQ(saved.normal, place);
    EXPECT_FALSE(saved.maximized);
    EXPECT_EQ(saved.sidebarWidth, sidebar);
    EXPECT_EQ(saved.nameColumnWidth, names);

    form = NewForm();
    EXPECT_FALSE(form->windowState() & Qt::WindowMaximized);
    form->show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(form.get()));
    EXPECT_EQ(form->geometry(), place);
    EXPECT_EQ(form->ScrollBox2->width(), sidebar);
    EXPECT_EQ(form->ValueEdit->columnWidth(0), names);
    // Another entry rebuilds the grid and keeps the chosen width.
    form->ValueEdit->ClearRows();
    EXPECT_EQ(form->ValueEdit->columnWidth(0), names);
}

TEST_F(MainFormPlaceTest, APlaceOnNoScreenFallsBackToTheMaximisedDefault)
{
    TIniFile ini = Settings();
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    ASSERT_TRUE(WriteWindowPlace(ini, {QRect(screen.right() + 5000, 0, 640, 480), false, 0, 0, 0}));
    form = NewForm();
    EXPECT_TRUE(form->windowState() & Qt::WindowMaximized);
    form->show();
    EXPECT_EQ(form->size(), screen.size());

    // Maximised, with a place to return to: both kept.
    ASSERT_TRUE(WriteWindowPlace(ini, {QRect(screen.left() + 10, screen.top() + 10, 500, 400), true, 0, 0, 0}));
    auto again = NewForm();
    EXPECT_TRUE(again->windowState() & Qt::WindowMaximized);
    again->show();
    EXPECT_TRUE(again->isMaximized());
    // A window manager answers in its own time.
    again->showNormal();
    const QRect normal(screen.left() + 10, screen.top() + 10, 500, 400);
    EXPECT_TRUE(QTest::qWaitFor([&] { return again->geometry() == normal; }, 3000)) << again->geometry().x();
}

TEST_F(MainFormPlaceTest, RecentProjectsListsOpenedFoldersAndDropsOneThatIsGone)
{
    WriteProject(project.Path(), "First");
    WriteProject(second.Path(), "Second");
    EXPECT_FALSE(form->RecentProjects1->menuAction()->isEnabled());
    form->OpenProjectFolder(project.Path());
    form->OpenProjectFolder(second.Path() + "/");
    form->OpenProjectFolder(project.Path());
    EXPECT_EQ(RecentItems(*form), QStringList({"&1 " + project.Path(), "&2 " + second.Path()}));
    EXPECT_TRUE(form->RecentProjects1->menuAction()->isEnabled());
    // Kept for the next run: a new window lists them too.
    EXPECT_EQ(RecentItems(*NewForm()), RecentItems(*form));

    // Choosing one asks to save unsaved changes first, as Open does.
    form->Document().Restart(true);
    boxes.Script({MsgAnswer::No});
    form->RecentProjects1->actions()[1]->trigger();
    EXPECT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes().value(0).text, "Save changes to project?");
    EXPECT_EQ(ProjectFolder, second.Path());
    EXPECT_EQ(form->MenuWindow().Settings().ApplicationTitle, "Second");
    EXPECT_EQ(RecentItems(*form), QStringList({"&1 " + second.Path(), "&2 " + project.Path()}));

    // A folder removed since: a message naming it, and off the list; the
    // open project stays.
    const QString gone = project.Path();
    ASSERT_TRUE(QDir(gone).removeRecursively());
    boxes.Clear();
    form->RecentProjects1->actions()[1]->trigger();
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].caption, "Recent Projects");
    EXPECT_TRUE(boxes.Boxes()[0].text.contains("\"" + gone + "\" no longer exists")) << boxes.Boxes()[0].text.toStdString();
    EXPECT_EQ(ProjectFolder, second.Path());
    EXPECT_EQ(RecentItems(*form), QStringList({"&1 " + second.Path()}));
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_EQ(form->RecentProjects1->actions().size(), 1);
}
