// SPDX-License-Identifier: GPL-2.0-or-later
// Values stored through the rows as undo steps of the document: named
// after the row, typing in one row merged, every kind of row undone.
#include "InspectorFixture.h"

#include "controls/VoImageButton.h"
#include "model/Kinds.h"

namespace {

TVoImageButton& ButtonOf(TVoObject* entry)
{
    return dynamic_cast<TVoImageButton&>(*entry->Control);
}

} // namespace

TEST_F(InspectorTest, TypingInOneRowIsOneStepNamedAfterTheRow)
{
    TVoObject* entry = Add(okButton);
    const QString before = ButtonOf(entry).Caption();
    Show(1);
    Type("Caption", "Hello");
    EXPECT_EQ(ButtonOf(entry).Caption(), "Hello");
    EXPECT_EQ(document.UndoStack().count(), 1);
    EXPECT_EQ(document.UndoText(), "Undo Caption");
    document.Undo();
    EXPECT_EQ(ButtonOf(entry).Caption(), before);
    EXPECT_FALSE(document.Modified());
    document.Redo();
    EXPECT_EQ(ButtonOf(entry).Caption(), "Hello");

    // Another row, or the same row of another object, is a step of its own.
    Type("Name", "Start");
    EXPECT_EQ(document.UndoStack().count(), 2);
    EXPECT_EQ(document.UndoText(), "Undo Name");
    TVoObject* other = Add(okButton);
    Show(2);
    Type("Caption", "Bye");
    Show(1);
    Type("Caption", "Hello again");
    EXPECT_EQ(document.UndoStack().count(), 4);
    document.Undo();
    EXPECT_EQ(ButtonOf(entry).Caption(), "Hello");
    EXPECT_EQ(ButtonOf(other).Caption(), "Bye");
    // The undo announces the entry anew, so the grid can show the old value.
    EXPECT_TRUE(host.applied.last() & EntryChange);
}

TEST_F(InspectorTest, EveryKindOfRowIsUndoneToItsValueBefore)
{
    TVoObject* entry = Add(okButton);
    TVoImageButton& button = ButtonOf(entry);
    const QRect bounds = button.Bounds();
    const TColor color = button.NormalFont().Color;
    const int style = button.ButtonStyle();
    Show(1);

    Type("Left", "77");
    Leave();
    Choose("ButtonStyle", "Transparent");
    host.colors << 0x123456;
    PressEllipsis("NormalFontColor");
    Choose("Cursor", "Cross");
    EXPECT_EQ(document.UndoStack().count(), 4);
    EXPECT_EQ(button.Left(), 77);
    EXPECT_EQ(button.NormalFont().Color, TColor(0x123456));

    for (const char* name : {"Cursor", "NormalFontColor", "ButtonStyle", "Left"}) {
        EXPECT_EQ(document.UndoText(), QStringLiteral("Undo ") + name);
        document.Undo();
    }
    EXPECT_EQ(button.Bounds(), bounds);
    EXPECT_EQ(button.NormalFont().Color, color);
    EXPECT_EQ(button.ButtonStyle(), style);
    EXPECT_EQ(button.Cursor(), crDefault);
    EXPECT_FALSE(document.Modified());

    // Choosing the value that is already there makes no step.
    Show(1);
    Choose("ButtonStyle", Value("ButtonStyle"));
    EXPECT_EQ(document.UndoStack().count(), 4);
    EXPECT_FALSE(document.UndoStack().canUndo());
}
