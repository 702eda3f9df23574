// SPDX-License-Identifier: GPL-2.0-or-later
// What the studio keeps from one run to the next beside its grid settings:
// the main window's place and the list of recent project folders, as the
// plain functions compute, read and write them.
#include "model/IniFile.h"
#include "studio/RecentProjects.h"
#include "studio/StudioSettings.h"
#include "studio/WindowPlace.h"
#include "support/TempDir.h"
#include "support/TestSeed.h"

#include <gtest/gtest.h>

#include <QDir>

#include <random>

namespace {

qint64 Overlap(const QRect& a, const QRect& b)
{
    const QRect both = a.intersected(b);
    return both.isEmpty() ? 0 : qint64(both.width()) * both.height();
}

} // namespace

TEST(WindowPlace, FitToScreensKeepsAPlaceOnItsScreenAndDropsOneOnNone)
{
    const QRect left(0, 0, 1280, 1000);       // a task bar below
    const QRect right(1280, -200, 1920, 1080); // a taller screen set higher
    const QList<QRect> both{left, right};
    // Wholly on a screen: as saved, even on the second one.
    EXPECT_EQ(FitToScreens(QRect(100, 50, 800, 600), both), QRect(100, 50, 800, 600));
    EXPECT_EQ(FitToScreens(QRect(1400, -150, 800, 600), both), QRect(1400, -150, 800, 600));
    // Saved on the second screen, which is now unplugged: the default.
    EXPECT_EQ(FitToScreens(QRect(1400, -150, 800, 600), {left}), QRect());
    // Hanging over edges: moved in, on the screen it shows most on.
    EXPECT_EQ(FitToScreens(QRect(1000, 700, 800, 600), both), QRect(1280, 280, 800, 600));
    EXPECT_EQ(FitToScreens(QRect(600, 300, 800, 600), both), QRect(480, 300, 800, 600));
    EXPECT_EQ(FitToScreens(QRect(-300, -40, 800, 600), both), QRect(0, 0, 800, 600));
    // Larger than its screen: shrunk to it.
    EXPECT_EQ(FitToScreens(QRect(10, 10, 5000, 5000), {left}), left);
    // Nothing saved, or no screens at all.
    EXPECT_EQ(FitToScreens(QRect(), both), QRect());
    EXPECT_EQ(FitToScreens(QRect(0, 0, 0, 500), both), QRect());
    EXPECT_EQ(FitToScreens(QRect(0, 0, 800, 600), {}), QRect());
}

TEST(WindowPlace, FitToScreensOnRandomScreenSetsAlwaysLandsWhollyOnTheBestScreen)
{
    std::mt19937 random(TestSeed());
    auto between = [&](int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); };
    for (int round = 0; round < 2000; ++round) {
        // One to three screens side by side, of different sizes and heights.
        QList<QRect> screens;
        int x = between(-2000, 2000);
        for (int n = between(1, 3); n > 0; --n) {
            const QRect screen(x, between(-500, 500), between(640, 2560), between(480, 1600));
            screens << screen;
            x += screen.width();
        }
        const QRect saved(between(-6000, 6000), between(-3000, 3000), between(1, 3000), between(1, 2000));
        SCOPED_TRACE(::testing::Message() << "round " << round);
        const QRect fitted = FitToScreens(saved, screens);

        qint64 bestOverlap = 0;
        for (const QRect& screen : screens) bestOverlap = std::max(bestOverlap, Overlap(saved, screen));
        if (bestOverlap == 0) {
            EXPECT_TRUE(fitted.isNull());
            continue;
        }
        const QRect* home = nullptr;
        for (const QRect& screen : screens)
            if (screen.contains(fitted)) home = &screen;
        ASSERT_NE(home, nullptr) << "not wholly on any screen";
        EXPECT_EQ(Overlap(saved, *home), bestOverlap);
        EXPECT_EQ(fitted.size(), saved.size().boundedTo(home->size()));
        if (home->contains(saved)) EXPECT_EQ(fitted, saved);
        // Moved no further than needed: an edge it crossed now touches it.
        if (fitted.left() != saved.left())
            EXPECT_TRUE(fitted.left() == home->left() || fitted.right() == home->right());
        if (fitted.top() != saved.top())
            EXPECT_TRUE(fitted.top() == home->top() || fitted.bottom() == home->bottom());
    }
}

TEST(WindowPlace, SidebarAndColumnWidthsAreHeldToWhatTheWindowCanShow)
{
    EXPECT_EQ(FitSidebarWidth(0, 1200), kDefaultSidebarWidth);
    EXPECT_EQ(FitSidebarWidth(-40, 1200), kDefaultSidebarWidth);
    EXPECT_EQ(FitSidebarWidth(300, 1200), 300);
    EXPECT_EQ(FitSidebarWidth(30, 1200), kMinSidebarWidth);
    EXPECT_EQ(FitSidebarWidth(1150, 1200), 1000);
    // A window too narrow for both keeps the sidebar's least width.
    EXPECT_EQ(FitSidebarWidth(300, 250), kMinSidebarWidth);
    EXPECT_EQ(FitColumnWidth(0), 0);
    EXPECT_EQ(FitColumnWidth(-5), 0);
    EXPECT_EQ(FitColumnWidth(3), 20);
    EXPECT_EQ(FitColumnWidth(140), 140);
    EXPECT_EQ(FitColumnWidth(1 << 30), 2000);
}

TEST(WindowPlace, TheSettingsFileKeepsThePlaceInItsOwnSectionBesideTheOtherKeys)
{
    TempDir dir;
    TIniFile ini(dir.File("VelomniStudio.ini"));
    // Nothing saved yet: the defaults, maximised.
    EXPECT_EQ(ReadWindowPlace(ini), TWindowPlace{});
    EXPECT_TRUE(ReadWindowPlace(ini).maximized);

    ini.WriteString(SettingsKey::StartSection, SettingsKey::DefaultPath, "/home/me/Disc");
    ini.WriteInteger(SettingsKey::SettingsSection, SettingsKey::GridSizeX, 12);
    const TWindowPlace place{QRect(-20, 30, 900, 700), false, 260, 95, 140};
    ASSERT_TRUE(WriteWindowPlace(ini, place));
    EXPECT_EQ(ReadWindowPlace(ini), place);
    EXPECT_EQ(TempDir::Read(ini.FileName()).replace("\r", "").toStdString(),
              "[START]\nDefaultPath=/home/me/Disc\n[SETTINGS]\nGRIDSIZEX=12\n[WINDOW]\nLeft=-20\nTop=30\n"
              "Width=900\nHeight=700\nMaximized=0\nSidebarWidth=260\nNameColumnWidth=95\nValueColumnWidth=140\n");

    // Values that are not numbers, or an area of no size, read as unsaved.
    ini.WriteString(SettingsKey::WindowSection, SettingsKey::WindowWidth, "wide");
    ini.WriteString(SettingsKey::WindowSection, SettingsKey::SidebarWidth, "");
    const TWindowPlace damaged = ReadWindowPlace(ini);
    EXPECT_TRUE(damaged.normal.isNull());
    EXPECT_FALSE(damaged.maximized);
    EXPECT_EQ(damaged.sidebarWidth, 0);
    EXPECT_EQ(damaged.nameColumnWidth, 95);
}

TEST(RecentProjects, PushPutsAFolderFirstOnceAndKeepsTheLatestEight)
{
    QStringList list;
    list = PushRecentProject(list, "/discs/a/");
    list = PushRecentProject(list, "/discs/b");
    list = PushRecentProject(list, "/discs/./a");
    EXPECT_EQ(list, QStringList({"/discs/a", "/discs/b"}));
    EXPECT_EQ(PushRecentProject(list, ""), list);
    EXPECT_EQ(PushRecentProject(list, "  "), list);
    EXPECT_EQ(RemoveRecentProject(list, "/discs/x/../b/"), QStringList{"/discs/a"});
    for (int i = 0; i < 10; ++i) list = PushRecentProject(list, QString("/discs/%1").arg(i));
    EXPECT_EQ(list, QStringList({"/discs/9", "/discs/8", "/discs/7", "/discs/6", "/discs/5", "/discs/4", "/discs/3",
                                 "/discs/2"}));
}

TEST(RecentProjects, RandomPushesKeepTheListUniqueCappedAndInOrderOfUse)
{
    std::mt19937 random(TestSeed());
    // The same folder written in different ways.
    const auto spell = [&](const QString& name) {
        switch (std::uniform_int_distribution<int>(0, 3)(random)) {
        case 0: return "/discs/" + name;
        case 1: return "/discs/" + name + "/";
        case 2: return "/discs/" + name + "/.";
        default: return "/discs/x/../" + name;
        }
    };
    QStringList list;
    QList<int> lastUse(12, -1); // when each folder was last pushed
    for (int step = 0; step < 3000; ++step) {
        const int folder = std::uniform_int_distribution<int>(0, 11)(random);
        const QString name = QString("disc%1").arg(folder);
        list = PushRecentProject(list, spell(name));
        lastUse[folder] = step;
        SCOPED_TRACE(::testing::Message() << "step " << step);
        ASSERT_EQ(list.first(), "/discs/" + name);
        // Exactly the eight (or fewer) folders used last, latest first.
        QList<int> expected;
        for (int f = 0; f < 12; ++f)
            if (lastUse[f] >= 0) expected << f;
        std::sort(expected.begin(), expected.end(), [&](int a, int b) { return lastUse[a] > lastUse[b]; });
        expected = expected.mid(0, kMaxRecentProjects);
        ASSERT_EQ(list.size(), expected.size());
        for (int i = 0; i < expected.size(); ++i) ASSERT_EQ(list[i], QString("/discs/disc%1").arg(expected[i]));
    }
}

TEST(RecentProjects, TheSettingsFileKeepsTheListAndAShorterOneLeavesNoOldEntries)
{
    TempDir dir;
    TIniFile ini(dir.File("VelomniStudio.ini"));
    EXPECT_TRUE(ReadRecentProjects(ini).isEmpty());
    ini.WriteString(SettingsKey::StartSection, SettingsKey::DefaultPath, "/discs/kept");

    QStringList eight;
    for (int i = 1; i <= 8; ++i) eight << QString("/discs/%1 & more").arg(i);
    ASSERT_TRUE(WriteRecentProjects(ini, eight));
    EXPECT_EQ(ReadRecentProjects(ini), eight);
    ASSERT_TRUE(WriteRecentProjects(ini, {"/discs/b", "/discs/a"}));
    EXPECT_EQ(ReadRecentProjects(ini), QStringList({"/discs/b", "/discs/a"}));
    EXPECT_EQ(ini.ReadString(SettingsKey::StartSection, SettingsKey::DefaultPath, ""), "/discs/kept");

    // A list edited by hand: gaps, repeats and trailing separators are
    // tidied, keys beyond the eighth ignored.
    ini.WriteString(SettingsKey::RecentSection, "Project1", "/discs/c/");
    ini.WriteString(SettingsKey::RecentSection, "Project2", "");
    ini.WriteString(SettingsKey::RecentSection, "Project3", "/discs/c");
    ini.WriteString(SettingsKey::RecentSection, "Project4", "/discs/d");
    ini.WriteString(SettingsKey::RecentSection, "Project9", "/discs/e");
    EXPECT_EQ(ReadRecentProjects(ini), QStringList({"/discs/c", "/discs/d"}));
}
