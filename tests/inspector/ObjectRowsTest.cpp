// SPDX-License-Identifier: GPL-2.0-or-later
// The rows of the object kinds in the real grid.
#include "InspectorFixture.h"

#include "controls/VoImage.h"
#include "controls/VoImageButton.h"
#include "controls/VoSimpleText.h"
#include "controls/VoTextBox.h"
#include "model/Kinds.h"

#include <QFont>

TEST_F(InspectorTest, EachKindShowsItsRowsThenTheCommonAndPositionRows)
{
    const std::pair<int, QStringList> kinds[] = {
        {okButton, {"Name", "Caption", "NormalFont", "NormalFontColor", "NormalImage", "MouseOverFont",
                    "MouseOverFontColor", "MouseOverImage", "ButtonStyle", "Margin", "Spacing", "ImageLayout",
                    "DownSlide"}},
        {okImage, {"Name", "Image", "ImageStyle", "Transparent"}},
        {okText, {"Name", "Text", "Font", "FontColor", "Alignment", "Layout", "BackColor", "Transparent"}},
        {okTextBox, {"Name", "Text", "Font", "FontColor", "Alignment", "WordWrap", "ScrollBar", "BackColor",
                     "Border"}},
        {okRichText, {"Name", "FileName", "WordWrap", "ScrollBar", "BackColor", "Border"}},
    };
    const QStringList tail = {"Cursor", "Hint", "OverSound", "ClickSound", "Left", "Top", "Width", "Height"};
    for (const auto& [kind, rows] : kinds) {
        Add(kind);
        Show(int(menu->ObjectList().size()));
        QStringList keys;
        for (int row = 1; row <= grid.RowCount(); ++row) keys << grid.Row(row).key;
        EXPECT_EQ(keys, rows + tail) << kind;
        EXPECT_EQ(grid.Row(1).image, kFirstKindGroupImage + kind);
        EXPECT_EQ(inspector.Markers().FirstCommonRow, rows.size() + 1);
        EXPECT_EQ(inspector.Markers().FirstWindowRow, kNoGroup);
    }
    // An Explorer has no cursor, hint or sound rows.
    Add(okExplorer);
    Show(int(menu->ObjectList().size()));
    EXPECT_EQ(grid.RowCount(), 6);
    EXPECT_EQ(grid.Row(2).key, "Website,FileName");
    EXPECT_EQ(grid.Row(3).key, "Left");
    EXPECT_EQ(grid.Row(3).image, kPositionGroupImage);
    EXPECT_EQ(inspector.Markers().FirstCommonRow, kNoGroup);
}

TEST_F(InspectorTest, WithNoCurrentEntryOneEmptyRowAndNoGroups)
{
    Add(okButton);
    Show(-1);
    EXPECT_EQ(grid.RowCount(), 1);
    EXPECT_EQ(grid.Row(1).key, "");
    const TRowMarkers& m = inspector.Markers();
    for (int marker : {m.FirstPositionRow, m.FirstCommonRow, m.FirstWindowRow, m.FirstSplashRow, m.FirstBackdropRow})
        EXPECT_EQ(marker, kNoGroup);
    QTest::keyClicks(grid.Editor(), "x");
    EXPECT_TRUE(host.applied.isEmpty());
}

TEST_F(InspectorTest, ANameIsStoredLetterByLetterWithoutAnyCheck)
{
    TVoObject* button = Add(okButton);
    Add(okButton)->Name = "Other";
    Show(1);
    Type("Name", "Oth");
    EXPECT_EQ(button->Name, "Oth");
    EXPECT_EQ(host.applied.size(), 3);
    QTest::keyClicks(grid.Editor(), "er");
    EXPECT_EQ(button->Name, "Other"); // a duplicate, stored as typed
    Type("Name", "");
    EXPECT_EQ(button->Name, "");
    EXPECT_EQ(host.applied.last(), SelectorRepaint | ProjectChanged);
}

TEST_F(InspectorTest, ButtonNumbersAreCheckedWhenTheCellIsLeft)
{
    auto* button = dynamic_cast<TVoImageButton*>(Add(okButton)->Control.get());
    button->SetSpacing(4);
    Show(1);
    Type("Margin", "-3");
    EXPECT_TRUE(host.applied.isEmpty()); // numbers wait for the cell to be left
    Leave();
    EXPECT_EQ(button->Margin(), 0);
    EXPECT_EQ(Value("Margin"), "0");
    Type("Spacing", "-3");
    Leave();
    EXPECT_EQ(button->Spacing(), -3);

    host.applied.clear();
    Type("Spacing", "12px");
    Leave();
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].caption, "Information");
    EXPECT_EQ(boxes.Boxes()[0].text, "\"12px\" is not a valid value.");
    EXPECT_EQ(boxes.Boxes()[0].icon, MsgIcon::Information);
    EXPECT_EQ(button->Spacing(), -3);
    EXPECT_EQ(Value("Spacing"), "-3");
    EXPECT_TRUE(host.applied.isEmpty());

    // A value still being typed is validated before a command goes on.
    Type("Margin", "12 ");
    EXPECT_FALSE(grid.FinishEdit());
    EXPECT_EQ(Value("Margin"), "0");
    Type("Margin", "  $10");
    EXPECT_TRUE(grid.FinishEdit());
    EXPECT_EQ(button->Margin(), 16);
    EXPECT_EQ(host.applied.last(), ProjectChanged | CanvasRedraw);
    EXPECT_TRUE(grid.FinishEdit()); // nothing typed since
}

TEST_F(InspectorTest, PositionsGoThroughTheControlAndKeepATypedEqualValue)
{
    TVoObject* image = Add(okImage);
    image->Control->SetBounds({10, 20, 50, 40});
    Show(1);
    Type("Left", "010");
    Leave();
    EXPECT_EQ(Value("Left"), "010");
    EXPECT_TRUE(host.applied.isEmpty());
    Type("Width", "0");
    Leave();
    EXPECT_EQ(image->Control->Width(), 2);
    EXPECT_EQ(Value("Width"), "2");
    Type("Top", "");
    Leave();
    EXPECT_EQ(boxes.Boxes().last().text, "\"\" is not a valid value.");
    EXPECT_EQ(Value("Top"), "20");
    Type("Top", "-0x20");
    Leave();
    EXPECT_EQ(image->Control->Top(), -32);
    EXPECT_EQ(host.applied.last(), ProjectChanged | CanvasRedraw);
}

TEST_F(InspectorTest, TextLayoutIsListedTopBottomCenterButCodedTopCenterBottom)
{
    auto* text = dynamic_cast<TVoSimpleText*>(Add(okText)->Control.get());
    Show(1);
    EXPECT_EQ(grid.Row(RowOf("Layout")).pickList, (QStringList{"Top", "Bottom", "Center"}));
    Choose("Layout", "Center");
    EXPECT_EQ(text->Layout(), 1);
    Choose("Alignment", "Center");
    EXPECT_EQ(text->Alignment(), 2);
    EXPECT_EQ(host.applied.last(), ProjectChanged | CanvasRedraw);
}

TEST_F(InspectorTest, FontsColoursAndTextsComeFromTheirDialogs)
{
    auto* box = dynamic_cast<TVoTextBox*>(Add(okTextBox)->Control.get());
    box->SetText(QString());
    Show(1);
    EXPECT_EQ(Value("Text"), "[None]");
    host.texts << "Line one\nLine two";
    PressEllipsis("Text");
    EXPECT_EQ(box->Text(), "Line one\r\nLine two"); // the box keeps its lines with CR LF
    EXPECT_EQ(Value("Text"), "[Text]");

    QFont serif(QStringLiteral("DejaVu Serif"), 14);
    serif.setBold(true);
    dialogs.fonts << serif;
    PressEllipsis("Font");
    EXPECT_EQ(box->Font().Name, "DejaVu Serif");
    EXPECT_EQ(box->Font().Size, 14);
    EXPECT_EQ(box->Font().Style, fsBold);
    EXPECT_EQ(Value("Font"), "DejaVu Serif");
    EXPECT_EQ(Value("FontColor"), "Black");

    host.colors << TColor(0xFF00000F);
    PressEllipsis("FontColor");
    EXPECT_EQ(box->Font().Color, TColor(0xFF00000F));
    EXPECT_EQ(Value("FontColor"), "Button Face");
    host.colors << TColor(0x123456);
    PressEllipsis("BackColor");
    EXPECT_EQ(box->Color(), TColor(0x123456));
    EXPECT_EQ(Value("BackColor"), "Custom");

    // Cancelled dialogs change nothing and mark nothing.
    host.applied.clear();
    PressEllipsis("BackColor");
    PressEllipsis("Font");
    PressEllipsis("Text");
    EXPECT_TRUE(host.applied.isEmpty());
    EXPECT_EQ(Value("BackColor"), "Custom");
}

TEST_F(InspectorTest, ImageStyleSetsItsThreeFlags)
{
    auto* image = dynamic_cast<TVoImage*>(Add(okImage)->Control.get());
    Show(1);
    EXPECT_EQ(Value("ImageStyle"), "Normal");
    Choose("ImageStyle", "AutoSize");
    EXPECT_TRUE(image->AutoSize());
    Choose("ImageStyle", "Stretch");
    EXPECT_FALSE(image->AutoSize());
    EXPECT_TRUE(image->Stretch());
    Choose("ImageStyle", "Center");
    EXPECT_FALSE(image->Stretch());
    EXPECT_TRUE(image->Center());
    Show(1);
    EXPECT_EQ(Value("ImageStyle"), "Center");
}
