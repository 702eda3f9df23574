// SPDX-License-Identifier: GPL-2.0-or-later
// The grid as the keyboard and the eye use it: Tab takes a typed value and
// moves on, and every key shows whole in the name column.
#include "InspectorFixture.h"

#include "controls/VoImageButton.h"
#include "inspector/PropertyGridPainter.h"
#include "model/Kinds.h"

#include <QScrollBar>


TEST_F(InspectorTest, TabTakesATypedValueAndGoesToTheNextRow)
{
    auto* button = dynamic_cast<TVoImageButton*>(Add(okButton)->Control.get());
    button->SetBounds({10, 20, 80, 25});
    Show(1);
    Type("Left", "77");
    EXPECT_EQ(button->Left(), 10); // a number waits for the cell to be left
    QTest::keyClick(grid.Editor(), Qt::Key_Tab);
    EXPECT_EQ(button->Left(), 77);
    EXPECT_EQ(document.UndoStack().count(), 1);
    EXPECT_EQ(grid.CurrentRow(), RowOf("Top"));
    EXPECT_EQ(grid.window()->focusWidget(), grid.Editor());

    // Typing on replaces the new row's value; Shift+Tab goes back.
    QTest::keyClicks(grid.Editor(), "5");
    QTest::keyClick(grid.Editor(), Qt::Key_Backtab, Qt::ShiftModifier);
    EXPECT_EQ(button->Top(), 5);
    EXPECT_EQ(grid.CurrentRow(), RowOf("Left"));

    // A rejected value keeps its row, showing the stored value.
    Type("Width", "wide");
    QTest::keyClick(grid.Editor(), Qt::Key_Tab);
    ASSERT_EQ(boxes.Boxes().size(), 1);
    EXPECT_EQ(boxes.Boxes()[0].text, "\"wide\" is not a valid value.");
    EXPECT_EQ(grid.CurrentRow(), RowOf("Width"));
    EXPECT_EQ(Value("Width"), "80");

    // Tab on the last row stays there; a typed text row is taken as typed.
    Type("Height", "30");
    QTest::keyClick(grid.Editor(), Qt::Key_Tab);
    EXPECT_EQ(button->Height(), 30);
    EXPECT_EQ(grid.CurrentRow(), grid.RowCount());
    Type("Caption", "Go");
    QTest::keyClick(grid.Editor(), Qt::Key_Tab);
    EXPECT_EQ(button->Caption(), "Go");
    EXPECT_EQ(grid.CurrentRow(), RowOf("Caption") + 1);
}

TEST_F(InspectorTest, TheNameColumnShowsTheLongestKeyWhole)
{
    auto widest = [this] {
        int widest = 0;
        for (int row = 1; row <= grid.RowCount(); ++row)
            widest = std::max(widest, KeyCellWidth(grid.font(), grid.Row(row).key));
        return widest;
    };
    Show(0); // FullScreenBackGradientColor and its kin
    EXPECT_GE(grid.columnWidth(0), widest());
    const QFontMetrics metrics(grid.font());
    EXPECT_GT(grid.columnWidth(0), metrics.horizontalAdvance("FullScreenBackGradientColor"));
    EXPECT_GT(KeyCellWidth(grid.font(), "FullScreenBackGradientColor"), KeyCellWidth(grid.font(), "Left"));
    // The grid asks for room for the keys and a usable value column, so
    // the window around it grows rather than cut or scroll the keys.
    EXPECT_GE(grid.minimumWidth(), grid.columnWidth(0) + 100);
    EXPECT_EQ(grid.horizontalScrollBar()->value(), 0);

    // Short keys keep the column's usual width.
    Add(okImage);
    Show(1);
    EXPECT_EQ(grid.columnWidth(0), 110);
    EXPECT_GE(grid.columnWidth(0), widest());
}
