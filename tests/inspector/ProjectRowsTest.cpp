// SPDX-License-Identifier: GPL-2.0-or-later
// The project's rows in the real grid: their texts, lists and effects.
#include "InspectorFixture.h"

#include "model/GraphicClasses.h"

#include <QDir>
#include <QFile>

TEST_F(InspectorTest, ANewProjectShowsItsTwentyEightRows)
{
    Show(0);
    const QStringList expected = {
        "ApplicationTitle=Velomni CD", "CDIcon=[velomni.ico]", "CDLabel=CDROM", "SplashScreenImage=[None]",
        "SplashScreenTime(s)=2", "FullScreenBack=True", "FullScreenBackColor=White",
        "FullScreenBackGradientStyle=TopBottom", "FullScreenBackGradientColor=Blue", "FullScreenBackImage=[None]",
        "FullScreenBackImageStyle=Stretch", "FormCaption=Velomni", "FormIcon=[Default]",
        "FormPosition=ScreenCenter", "BorderStyle=SizeableMinimize", "BackColor=White", "GradientStyle=None",
        "GradientColor=Gray", "BackImage=[None]", "BackImageStyle=Stretch", "Transparent=False",
        "TransparentColor=Black", "Cursor=Default", "Hint=", "Left=0", "Top=0", "Width=640", "Height=400"};
    QStringList shown;
    for (int row = 1; row <= grid.RowCount(); ++row) shown << grid.Row(row).key + "=" + grid.Value(row);
    EXPECT_EQ(shown, expected);
    const TRowMarkers& m = inspector.Markers();
    EXPECT_EQ(m.FirstSplashRow, 4);
    EXPECT_EQ(m.FirstBackdropRow, 6);
    EXPECT_EQ(m.FirstWindowRow, 12);
    EXPECT_EQ(m.FirstCommonRow, 23);
    EXPECT_EQ(m.FirstPositionRow, 25);
    EXPECT_EQ(grid.Row(1).image, kProjectGroupImage);
    EXPECT_EQ(grid.Row(25).image, kPositionGroupImage);
    EXPECT_EQ(grid.Row(13).image, -1);
    EXPECT_EQ(grid.Row(16).look, CellLook::Color);
    EXPECT_TRUE(grid.Row(2).readOnly);
    EXPECT_FALSE(grid.Row(5).readOnly);
    EXPECT_TRUE(host.applied.isEmpty());
}

TEST_F(InspectorTest, ListsMapTheirTextsToCodesThatNeedNotFollowTheListOrder)
{
    Show(0);
    EXPECT_EQ(grid.Row(RowOf("GradientStyle")).pickList,
              (QStringList{"None", "TopBottom", "BottomTop", "LeftRight", "RightLeft", "MiddleTopBottom",
                           "TopBottomMiddle", "MiddleLeftRight", "LeftRightMiddle"}));
    Choose("GradientStyle", "TopBottomMiddle");
    EXPECT_EQ(menu->Settings().GradientStyle, 7);
    EXPECT_EQ(host.applied.last(), BackgroundRedraw | ProjectChanged | CanvasRedraw);
    Choose("GradientStyle", "MiddleLeftRight");
    EXPECT_EQ(menu->Settings().GradientStyle, 6);
    // A double click takes the next entry, after the last the first.
    grid.DoubleClickValue();
    EXPECT_EQ(Value("GradientStyle"), "LeftRightMiddle");
    EXPECT_EQ(menu->Settings().GradientStyle, 8);
    grid.DoubleClickValue();
    EXPECT_EQ(menu->Settings().GradientStyle, 0);

    Choose("BorderStyle", "None");
    EXPECT_EQ(menu->Settings().BorderStyle, 0);
    EXPECT_EQ(menu->Settings().BorderIcons, 1);
    EXPECT_TRUE(host.applied.last() & FrameSync);
    Choose("BorderStyle", "SizeableMinimize");
    EXPECT_EQ(menu->Settings().BorderStyle, 2);
    EXPECT_EQ(menu->Settings().BorderIcons, 3);
}

TEST_F(InspectorTest, SplashTimeTakesOnlyOneToFifteen)
{
    Show(0);
    Type("SplashScreenTime(s)", "05");
    EXPECT_EQ(menu->Settings().SplashScreenTime, 2);
    // A try that is not taken changes nothing, so it leaves no step.
    EXPECT_FALSE(document.Modified());
    Type("SplashScreenTime(s)", "15");
    EXPECT_EQ(menu->Settings().SplashScreenTime, 15);
    // Every keystroke counts: the "1" on the way to "16" was taken.
    Type("SplashScreenTime(s)", "16");
    EXPECT_EQ(menu->Settings().SplashScreenTime, 1);
}

TEST_F(InspectorTest, TheWindowsSizeIsHeldAboveOneAndRedrawsTheFrame)
{
    Show(0);
    Type("Width", "-5");
    Leave();
    EXPECT_EQ(menu->Settings().Width, 2);
    EXPECT_EQ(Value("Width"), "2");
    EXPECT_EQ(host.applied.last(), ProjectChanged | FrameSync);
    Type("Left", "$10");
    Leave();
    EXPECT_EQ(menu->Settings().FormLeft, 16);
    EXPECT_TRUE(boxes.Boxes().isEmpty());
    // Enter takes the value without leaving the cell.
    Type("Height", "1");
    QTest::keyClick(grid.Editor(), Qt::Key_Return);
    EXPECT_EQ(menu->Settings().Height, 2);
    EXPECT_EQ(Value("Height"), "2");
    EXPECT_EQ(grid.Editor()->text(), "2");
}

TEST_F(InspectorTest, TypingTheTitleStoresEveryKeystrokeAndRepaintsTheSelector)
{
    Show(0);
    Type("ApplicationTitle", "Tour");
    EXPECT_EQ(menu->Settings().ApplicationTitle, "Tour");
    EXPECT_EQ(host.applied.size(), 4);
    for (EditEffects effects : host.applied) EXPECT_EQ(effects, SelectorRepaint | ProjectChanged);
    Type("FormCaption", "Menu");
    EXPECT_EQ(menu->Settings().FormCaption, "Menu");
    EXPECT_EQ(host.applied.last(), ProjectChanged | FrameSync);
}

TEST_F(InspectorTest, TheWindowIconIsAnIconOrTheDefaultAgain)
{
    Show(0);
    TPicture icon;
    icon.SetGraphic(NewGraphic(GraphicKind::Icon));
    QImage pixels(16, 16, QImage::Format_ARGB32);
    pixels.fill(Qt::red);
    icon.Graphic()->Assign(pixels);
    host.pictures << icon;
    PressEllipsis("FormIcon");
    EXPECT_EQ(host.pictureIconOnly, QList<bool>{true});
    EXPECT_EQ(Value("FormIcon"), "[Icon]");
    EXPECT_FALSE(menu->Settings().FormIcon.Empty());
    EXPECT_EQ(host.applied.last(), ProjectChanged | FrameSync);

    host.pictures << TPicture();
    PressEllipsis("FormIcon");
    EXPECT_EQ(Value("FormIcon"), "[Default]");
    EXPECT_TRUE(menu->Settings().FormIcon.Empty());

    // A cancelled dialog changes nothing.
    host.applied.clear();
    PressEllipsis("BackImage");
    EXPECT_EQ(Value("BackImage"), "[None]");
    EXPECT_TRUE(host.applied.isEmpty());
}

TEST_F(InspectorTest, TheDiscIconIsCopiedIntoTheProjectUnlessItIsTheProjectsOwn)
{
    Show(0);
    const QString own = project.Write("velomni.ico", "own icon");
    dialogs.openFiles << own;
    PressEllipsis("CDIcon");
    EXPECT_EQ(TempDir::Read(own), "own icon");
    EXPECT_EQ(dialogs.asked.last(), "Select Icon File open Icons (*.ico)|*.ico @ " + QDir(project.Path()).filePath("velomni.ico"));

    dialogs.openFiles << outside.Write("other.ico", "other icon");
    PressEllipsis("CDIcon");
    EXPECT_EQ(TempDir::Read(own), "other icon");
    EXPECT_EQ(Value("CDIcon"), "[velomni.ico]");
    EXPECT_TRUE(host.applied.isEmpty());
    EXPECT_EQ(QDir(project.Path()).entryList(QDir::Files), QStringList{"velomni.ico"});
}

TEST_F(InspectorTest, ColourRowsPaintASwatchOfTheLiveColourAndTheCurrentKeyStandsOut)
{
    menu->Settings().BackColor = RgbColor(10, 200, 30);
    Show(0);
    grid.SetCurrentRow(RowOf("Transparent")); // the colour rows show their painting
    const QImage shot = grid.viewport()->grab().toImage();
    const QRect cell = grid.visualItemRect(grid.item(RowOf("BackColor") - 1, 1));
    EXPECT_EQ(QColor(shot.pixel(cell.left() + 8, cell.center().y())), QColor(10, 200, 30));
    EXPECT_EQ(QColor(shot.pixel(cell.left() + 2, cell.center().y())), QColor(Qt::black)); // its frame
    // The live value counts, not the cell text.
    menu->Settings().BackColor = RgbColor(200, 10, 30);
    const QImage again = grid.viewport()->grab().toImage();
    EXPECT_EQ(QColor(again.pixel(cell.left() + 8, cell.center().y())), QColor(200, 10, 30));
    EXPECT_EQ(Value("BackColor"), "Custom");
}
