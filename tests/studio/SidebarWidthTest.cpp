// SPDX-License-Identifier: GPL-2.0-or-later
// The sidebar as wide as the property grid asks: every key whole, the
// grid neither cut by the splitter nor scrolled sideways.
#include "inspector/PropertyGrid.h"
#include "inspector/PropertyGridPainter.h"
#include "model/ProcessState.h"
#include "player/VelomniForm.h"
#include "studio/MainForm.h"
#include "support/ProcessStateGuard.h"
#include "support/RecordingMessageBoxes.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QScrollBar>

TEST(SidebarWidth, TheSidebarMakesRoomForTheLongestKeyOfTheGrid)
{
    ProcessStateGuard state;
    TempDir exe, project;
    RecordingMessageBoxes boxes;
    ScriptedDialogs dialogs;
    IsStudio = true;
    ExeFolder = exe.Path();
    ProjectFolder = project.Path();
    TMainForm form(std::make_unique<TVelomniForm>());
    form.resize(1000, 700);
    form.show();
    form.RefreshObjectList(); // the project's rows, the longest keys there are
    QCoreApplication::processEvents();

    TPropertyGrid& grid = *form.ValueEdit;
    ASSERT_GT(grid.RowCount(), 20);
    for (int row = 1; row <= grid.RowCount(); ++row)
        EXPECT_GE(grid.columnWidth(0), KeyCellWidth(grid.font(), grid.Row(row).key)) << row;
    const int gridRight = grid.mapTo(form.ScrollBox2, QPoint(grid.width(), 0)).x();
    EXPECT_LE(gridRight, form.ScrollBox2->width());
    EXPECT_GE(grid.viewport()->width(), grid.columnWidth(0) + 100);
    EXPECT_EQ(grid.horizontalScrollBar()->value(), 0);
}
