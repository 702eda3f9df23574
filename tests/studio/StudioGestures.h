// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "canvas/CanvasGeometry.h"
#include "canvas/EditForm.h"
#include "document/DesignDocument.h"
#include "inspector/PropertyGrid.h"
#include "model/ProjectFile.h"
#include "model/VoStream.h"
#include "model/VoObject.h"
#include "player/VelomniForm.h"
#include "studio/ActionForm.h"
#include "studio/ActionKindSelector.h"
#include "studio/MainForm.h"
#include "support/ModalWindows.h"
#include "support/ScriptedDialogs.h"
#include "support/TempDir.h"

#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QToolButton>
#include <QTreeWidget>

#include <optional>

// A user's gestures on a shown studio: mouse and keys on the canvas
// picture, keys typed into the property grid, the action list's buttons
// and its editor, and the Edit menu. Each makes at most one edit.
class StudioGestures {
public:
    StudioGestures(TMainForm& form, ScriptedDialogs& dialogs) : m_form(form), m_dialogs(dialogs) {}

    TObjectList& Objects() const { return m_form.MenuWindow().ObjectList(); }
    QWidget* Picture() const { return m_form.EditForm->Image1(); }
    // The data file as a save would write it now, after its header: the
    // header's filler is drawn at random on every save.
    QByteArray Bytes() const
    {
        TMemoryStream stream;
        EXPECT_TRUE(WriteProjectBody(m_form.MenuWindow(), stream));
        return stream.Data();
    }

    // A point of the object that shows on the picture; none when the
    // object lies wholly outside it.
    std::optional<QPoint> PointOn(int index) const
    {
        const QRect shown = Objects()[size_t(index)]->Control->Bounds().intersected(Picture()->rect());
        if (shown.width() < 3 || shown.height() < 3) return std::nullopt;
        return shown.center();
    }
    // A click on the object: it alone is selected and current.
    bool ClickObject(int index, Qt::KeyboardModifiers keys = {})
    {
        const auto at = PointOn(index);
        if (!at) return false;
        QTest::mouseClick(Picture(), Qt::LeftButton, keys, *at);
        return true;
    }
    void DragObject(int index, QPoint by)
    {
        const auto from = PointOn(index);
        if (!from) return;
        QTest::mousePress(Picture(), Qt::LeftButton, {}, *from);
        for (int step = 1; step <= 4; ++step) QTest::mouseMove(Picture(), *from + by * step / 4);
        QTest::mouseRelease(Picture(), Qt::LeftButton, {}, *from + by);
    }
    // Drags the right handle of the object, selecting it first.
    void ResizeObject(int index, int by)
    {
        if (!ClickObject(index)) return;
        const QPoint handle = HandleCentre(Objects()[size_t(index)]->Control->Bounds(), hcRight);
        QTest::mousePress(Picture(), Qt::LeftButton, {}, handle);
        QTest::mouseMove(Picture(), handle + QPoint(by / 2, 0));
        QTest::mouseMove(Picture(), handle + QPoint(by, 0));
        QTest::mouseRelease(Picture(), Qt::LeftButton, {}, handle + QPoint(by, 0));
    }
    void Key(Qt::Key key, Qt::KeyboardModifiers keys = {}) { QTest::keyClick(Picture(), key, keys); }
    void PlaceObject(int kind, QPoint at)
    {
        QToolButton* tools[] = {m_form.ToolButton_ImageButton, m_form.ToolButton_Image, m_form.ToolButton_SimpleText,
                                m_form.ToolButton_TextBox,     m_form.ToolButton_RichText, m_form.ToolButton_Browser};
        tools[kind]->click();
        QTest::mouseClick(Picture(), Qt::LeftButton, {}, at);
    }
    void DragFrameBy(QPoint by)
    {
        TEditForm& canvas = *m_form.EditForm;
        const QPoint corner(canvas.width() - 1, canvas.height() - 1);
        QTest::mousePress(&canvas, Qt::LeftButton, {}, corner);
        QTest::mouseMove(&canvas, corner + by);
        QTest::mouseRelease(&canvas, Qt::LeftButton, {}, corner + by);
    }

    // The property grid: the row with the key, typed into, chosen from, or
    // its ellipsis pressed.
    int RowOf(const QString& key) const
    {
        for (int row = 1; row <= m_form.ValueEdit->RowCount(); ++row)
            if (m_form.ValueEdit->Row(row).key == key) return row;
        return 0;
    }
    bool Type(const QString& key, const QString& text)
    {
        TPropertyGrid& grid = *m_form.ValueEdit;
        const int row = RowOf(key);
        if (row == 0) return false;
        grid.SetCurrentRow(row);
        grid.Editor()->selectAll();
        QTest::keyClicks(grid.Editor(), text);
        return m_form.CommitPendingEdit();
    }
    bool Choose(const QString& key, const QString& text)
    {
        const int row = RowOf(key);
        if (row == 0) return false;
        m_form.ValueEdit->SetCurrentRow(row);
        m_form.ValueEdit->ChooseFromList(text);
        return true;
    }
    QStringList PickList(const QString& key) const
    {
        const int row = RowOf(key);
        return row == 0 ? QStringList() : m_form.ValueEdit->Row(row).pickList;
    }
    bool ChooseFont(const QString& key, const QFont& font)
    {
        const int row = RowOf(key);
        if (row == 0) return false;
        m_dialogs.fonts << font;
        m_form.ValueEdit->SetCurrentRow(row);
        QTest::mouseClick(m_form.ValueEdit->EllipsisButton(), Qt::LeftButton);
        return true;
    }

    // The action list of the current entry.
    void AddAction(int kind, const QString& parameter)
    {
        WithModal([&] { m_form.Button1->click(); }, [&](QWidget* window) {
            auto* editor = dynamic_cast<TActionForm*>(window);
            if (!editor) return;
            editor->ComboBox1->setCurrentIndex(kind);
            QTest::keyClicks(editor->Edit1, parameter);
            QTest::mouseClick(editor->Button2, Qt::LeftButton);
        });
    }
    void DeleteAction(int row)
    {
        QTreeWidget& list = *m_form.ListView1;
        if (row >= list.topLevelItemCount()) return;
        list.setCurrentItem(list.topLevelItem(row));
        m_form.Button3->click();
    }

private:
    TMainForm& m_form;
    ScriptedDialogs& m_dialogs;
};
