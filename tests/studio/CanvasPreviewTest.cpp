// SPDX-License-Identifier: GPL-2.0-or-later
// Choosing a rich-text file or a local page for a panel in the property
// grid shows it on the canvas at once, and undo takes it back.
#include "canvas/EditForm.h"
#include "document/DesignDocument.h"
#include "inspector/PropertyGrid.h"
#include "model/Kinds.h"
#include "model/VoObject.h"
#include "StudioWindowTest.h"
#include "support/PixelHues.h"

#include <QToolButton>

namespace {

int RowOf(const TPropertyGrid& grid, const QString& key)
{
    for (int row = 1; row <= grid.RowCount(); ++row)
        if (grid.Row(row).key == key) return row;
    return 0;
}

class CanvasPreviewTest : public StudioWindowTest {
protected:
    void SetUp() override
    {
        StudioWindowTest::SetUp();
        form->Document().Restart(false);
    }

    // Adds a panel of the kind, makes it current and chooses the file for
    // its file row with the grid's ellipsis button.
    QRect AddPanelAndChoose(int kind, const QString& key, const QString& file)
    {
        form->MenuWindow().AddObject(kind, 40, 40);
        TVoObject& entry = *form->MenuWindow().ObjectList().back();
        entry.Control->SetBounds(QRect(40, 40, 240, 120));
        form->RefreshObjectList();
        form->SetCurrentEntry(int(form->MenuWindow().ObjectList().size()));
        form->SyncCanvasWindow();
        TPropertyGrid& grid = *form->ValueEdit;
        const int row = RowOf(grid, key);
        EXPECT_GT(row, 0);
        grid.SetCurrentRow(row);
        dialogs.openFiles << file;
        EXPECT_NE(grid.EllipsisButton(), nullptr);
        if (grid.EllipsisButton()) grid.EllipsisButton()->click();
        return QRect(44, 44, 232, 112);
    }
};

} // namespace

TEST_F(CanvasPreviewTest, ARichTextFileChosenInTheGridShowsOnTheCanvasAndUndoClearsIt)
{
    project.Write("red.rtf", "{\\rtf1\\ansi{\\colortbl;\\red255\\green0\\blue0;}\\fs48\\cf1 WWW MMM WWW\\par}");
    const QRect text = AddPanelAndChoose(okRichText, "FileName", project.File("red.rtf"));
    EXPECT_GT(CountHue(form->EditForm->Picture(), text, Hue::Red), 50);
    form->Undo1Click();
    EXPECT_EQ(CountHue(form->EditForm->Picture(), text, Hue::Red), 0);
}

TEST_F(CanvasPreviewTest, ALocalPageChosenInTheGridShowsOnTheCanvas)
{
    project.Write("page.html", "<p style=\"color:#0000ff; font-size:40px\">Blue page</p>");
    const QRect face = AddPanelAndChoose(okExplorer, "Website,FileName", project.File("page.html"));
    EXPECT_GT(CountHue(form->EditForm->Picture(), face, Hue::Blue), 50);
    form->Undo1Click();
    EXPECT_EQ(CountHue(form->EditForm->Picture(), face, Hue::Blue), 0);
}
