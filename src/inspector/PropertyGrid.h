// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "model/Color.h"
#include "model/VoFont.h"

#include <QStringList>
#include <QTableWidget>

#include <functional>
#include <optional>
#include <vector>

class QLineEdit;
class QToolButton;
class TCellEditor;

// How a row's value cell is edited and painted.
enum class RowEdit { Plain, Ellipsis };
enum class CellLook { Text, Color, Font };

// One row of the grid: a fixed key and a value text, with its attributes.
struct TGridRow {
    TGridRow() = default;
    TGridRow(QString key, QString value, RowEdit edit = RowEdit::Plain, bool readOnly = false)
        : key(std::move(key)), value(std::move(value)), edit(edit), readOnly(readOnly)
    {
    }

    QString key;
    QString value;
    RowEdit edit = RowEdit::Plain;
    bool readOnly = false;      // the text cannot be typed
    QStringList pickList;       // not empty: a drop-down of these texts
    CellLook look = CellLook::Text;
    // Colour and font rows: the live value, or nothing when the objects
    // behind the row differ.
    std::function<std::optional<TColor>()> color;
    std::function<std::optional<TVoFont>()> font;
    int image = -1;             // the group image in the key cell, or none
};

// The name/value grid of the "Properties" page. It knows nothing of
// objects: rows are appended with their attributes, numbered from 1, and
// every edit is reported by row number. The current value cell always
// shows its editor; typed text is reported per keystroke, and a value
// typed into a cell is validated when the cell or the grid is left.
class TPropertyGrid final : public QTableWidget {
public:
    explicit TPropertyGrid(QWidget* parent = nullptr);
    ~TPropertyGrid() override;

    void ClearRows();
    // Appends a row; returns its number.
    int AppendRow(const TGridRow& row);
    int RowCount() const { return int(m_rows.size()); }
    const TGridRow& Row(int number) const { return m_rows[size_t(number - 1)]; }
    QString Value(int number) const { return Row(number).value; }
    // Writes a value as a handler does: the change event follows when the
    // row is the current one.
    void SetValue(int number, const QString& value);
    // The group image of a row's key cell.
    void SetRowImage(int number, int image);
    // Shows a value again without any event (a rejected or applied number).
    void ShowValue(int number, const QString& value);

    // The current row's number; 0 for none.
    int CurrentRow() const;
    void SetCurrentRow(int number);
    // Validates the current cell when text was typed or chosen into it
    // since it was entered; false when the value was rejected.
    bool FinishEdit();

    // The editor of the current value cell and its buttons (none when the
    // row has none).
    QLineEdit* Editor() const;
    QToolButton* EllipsisButton() const;
    QToolButton* DropButton() const;
    // Chooses a pick-list text as the drop-down does.
    void ChooseFromList(const QString& text);
    // Tab (forward) or Shift+Tab in the current value cell: a typed value
    // is taken as Enter takes it, then the next or previous row becomes
    // current with its editor focused; a rejected value keeps the row.
    void TabFromCell(bool forward);
    // A double click on the current value cell: the next list entry, or
    // the ellipsis button.
    void DoubleClickValue();

    // While one of these lives the grid is being refilled: no event fires.
    class Updating {
    public:
        explicit Updating(TPropertyGrid& grid) : m_grid(grid), m_was(grid.m_updating) { grid.m_updating = true; }
        ~Updating() { m_grid.m_updating = m_was; }
        Updating(const Updating&) = delete;
        Updating& operator=(const Updating&) = delete;

    private:
        TPropertyGrid& m_grid;
        bool m_was;
    };

    // Events, by row number; none fires while the grid is being refilled.
    std::function<void(int row)> OnChange;
    std::function<void(int row)> OnEditButton;
    // False when the value was rejected.
    std::function<bool(int row)> OnValidate;
    // The pictures of the key column's group images and the current-row
    // marker (-1).
    std::function<QPixmap(int image)> ImageOf;

    void scrollTo(const QModelIndex& index, ScrollHint hint = EnsureVisible) override;

private:
    void CurrentCellMoved(int row, int column, int previousRow, int previousColumn);
    void OpenEditor(int number);
    void TypedValue(int number, const QString& value);
    void OpenDropList();
    void FitKeyColumn(int width);
    void LeftGrid(QWidget* now);
    bool Quiet() const;

    std::vector<TGridRow> m_rows;
    TCellEditor* m_editor = nullptr;
    int m_editorRow = 0;
    bool m_typed = false;      // the current cell was typed into since entered
    bool m_validating = false;
    bool m_inDropList = false;
    bool m_updating = false;
    // The key column's width the user chose (or the settings file gave),
    // kept across rebuilds; the longest key widens it where it must.
    int m_chosenKeyWidth = 0;
    bool m_fittingKeys = false;
};
