// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "document/DesignDocument.h"
#include "inspector/Inspector.h"
#include "inspector/InspectorHost.h"
#include "inspector/PropertyGrid.h"
#include "model/Picture.h"
#include "player/VelomniForm.h"
#include "support/ProcessStateGuard.h"
#include "support/RecordingMessageBoxes.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QTest>
#include <QToolButton>

#include <optional>

// The studio's side of the inspector, scripted: the dialogs answer from
// queues, and every effect the document announces is recorded.
class RecordingInspectorHost final : public TInspectorHost {
public:
    bool SelectColor(TColor& color) override
    {
        if (colors.isEmpty()) return false;
        color = colors.takeFirst();
        return true;
    }
    bool EditPicture(TPicture& picture, bool iconOnly) override
    {
        pictureIconOnly << iconOnly;
        if (pictures.isEmpty()) return false;
        picture = pictures.takeFirst();
        return true;
    }
    bool EditText(QString& text) override
    {
        askedTexts << text;
        if (texts.isEmpty()) return false;
        text = texts.takeFirst();
        return true;
    }
    QWidget* DialogParent() override { return nullptr; }

    bool Applied(EditEffects effect) const
    {
        for (EditEffects effects : applied)
            if (effects & effect) return true;
        return false;
    }

    QList<EditEffects> applied;
    QList<TColor> colors;
    QList<TPicture> pictures;
    QList<bool> pictureIconOnly;
    QStringList texts;
    QStringList askedTexts;
};

// The real grid on a menu window as the studio has it, with typed keys.
class InspectorTest : public testing::Test {
protected:
    InspectorTest()
    {
        IsStudio = true;
        ProjectFolder = project.Path();
        grid.resize(260, 700);
        grid.show();
        grid.setFocus();
        QObject::connect(&document, &TDesignDocument::changed, [this](EditEffects what) { host.applied << what; });
    }

    void Show(int entry) { inspector.Fill(entry); }
    TVoObject* Add(int kind)
    {
        TVoObject* entry = menu->AddObject(kind, 10, 10);
        entry->Selected = false;
        return entry;
    }
    // The row with the key; 0 when there is none.
    int RowOf(const QString& key) const
    {
        for (int row = 1; row <= grid.RowCount(); ++row)
            if (grid.Row(row).key == key) return row;
        return 0;
    }
    // Types into a row's cell as a user does, replacing its text.
    void Type(const QString& key, const QString& text)
    {
        const int row = RowOf(key);
        ASSERT_GT(row, 0) << key.toStdString();
        grid.SetCurrentRow(row);
        grid.Editor()->selectAll();
        if (text.isEmpty())
            QTest::keyClick(grid.Editor(), Qt::Key_Delete);
        else
            QTest::keyClicks(grid.Editor(), text);
    }
    // Leaves the cell for another row, which validates a typed value.
    void Leave() { grid.SetCurrentRow(grid.CurrentRow() == 1 ? 2 : 1); }
    QString Value(const QString& key) const { return grid.Value(RowOf(key)); }
    void Choose(const QString& key, const QString& text)
    {
        grid.SetCurrentRow(RowOf(key));
        grid.ChooseFromList(text);
    }
    void PressEllipsis(const QString& key)
    {
        grid.SetCurrentRow(RowOf(key));
        ASSERT_NE(grid.EllipsisButton(), nullptr) << key.toStdString();
        QTest::mouseClick(grid.EllipsisButton(), Qt::LeftButton);
    }

    ProcessStateGuard state;
    TempDir project, outside;
    RecordingMessageBoxes boxes;
    ScriptedDialogs dialogs;
    RecordingInspectorHost host;
    QWidget holder;
    TVelomniForm* menu = new TVelomniForm(&holder);
    TDesignDocument document{*menu}; // goes before the menu window
    TPropertyGrid grid;
    TInspector inspector{grid, host, document};
};
