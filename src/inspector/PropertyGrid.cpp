// SPDX-License-Identifier: GPL-2.0-or-later
#include "inspector/PropertyGrid.h"

#include "inspector/PropertyGridPainter.h"

#include <QApplication>
#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMenu>
#include <QScopedValueRollback>
#include <QScrollBar>
#include <QToolButton>

// The editor over the current value cell: the text, and the drop-down and
// ellipsis buttons the row has.
class TCellEditor final : public QWidget {
public:
    TCellEditor(const TGridRow& row, QWidget* parent) : QWidget(parent)
    {
        auto* layout = new QHBoxLayout(this);
        layout->setContentsMargins(0, 0, 0, 0);
        layout->setSpacing(0);
        text = new QLineEdit(row.value, this);
        text->setFrame(false);
        text->setReadOnly(row.readOnly);
        text->setCursorPosition(0);
        layout->addWidget(text, 1);
        if (!row.pickList.isEmpty()) drop = AddButton(QStringLiteral("\u25be"));
        if (row.edit == RowEdit::Ellipsis) ellipsis = AddButton(QStringLiteral("..."));
        setFocusProxy(text);
        setAutoFillBackground(true);
    }

    QLineEdit* text = nullptr;
    QToolButton* drop = nullptr;
    QToolButton* ellipsis = nullptr;

private:
    QToolButton* AddButton(const QString& caption)
    {
        auto* button = new QToolButton(this);
        button->setText(caption);
        button->setFixedWidth(17);
        button->setFocusPolicy(Qt::NoFocus);
        layout()->addWidget(button);
        return button;
    }
};

namespace {

constexpr int kRowHeight = 18;
constexpr int kKeyColumnWidth = 110;
// The least room the value column keeps beside a widened key column.
constexpr int kValueColumnMinimum = 100;

// Double clicks on the editor's text act on the cell; Tab and Shift+Tab
// take a typed value and go to the next or previous row.
class CellEditorFilter final : public QObject {
public:
    CellEditorFilter(TPropertyGrid& grid, QObject* parent) : QObject(parent), m_grid(grid) {}
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonDblClick) {
            m_grid.DoubleClickValue();
            return true;
        }
        if (event->type() == QEvent::KeyPress) {
            const int key = static_cast<QKeyEvent*>(event)->key();
            if (key == Qt::Key_Tab || key == Qt::Key_Backtab) {
                m_grid.TabFromCell(key == Qt::Key_Tab);
                return true;
            }
        }
        return QObject::eventFilter(watched, event);
    }

private:
    TPropertyGrid& m_grid;
};

} // namespace

TPropertyGrid::TPropertyGrid(QWidget* parent) : QTableWidget(0, 2, parent)
{
    setHorizontalHeaderLabels({QStringLiteral("Name"), QStringLiteral("Value")});
    m_chosenKeyWidth = kKeyColumnWidth;
    FitKeyColumn(kKeyColumnWidth);
    setColumnWidth(1, 108);
    connect(horizontalHeader(), &QHeaderView::sectionResized, this, [this](int section, int, int size) {
        if (section == 0 && !m_fittingKeys) m_chosenKeyWidth = size;
    });
    horizontalHeader()->setStretchLastSection(true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    horizontalHeader()->setSectionsClickable(false);
    verticalHeader()->hide();
    verticalHeader()->setDefaultSectionSize(kRowHeight);
    verticalHeader()->setMinimumSectionSize(kRowHeight);
    setEditTriggers(QAbstractItemView::NoEditTriggers);
    setSelectionMode(QAbstractItemView::SingleSelection);
    setSelectionBehavior(QAbstractItemView::SelectItems);
    setShowGrid(true);
    setItemDelegate(new TPropertyGridPainter(*this, this));
    connect(this, &QTableWidget::currentCellChanged, this,
            [this](int row, int column, int previousRow, int previousColumn) {
                CurrentCellMoved(row, column, previousRow, previousColumn);
            });
    connect(this, &QTableWidget::cellDoubleClicked, this, [this](int, int column) {
        if (column == 1) DoubleClickValue();
    });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) { LeftGrid(now); });
}

TPropertyGrid::~TPropertyGrid() = default;

bool TPropertyGrid::Quiet() const
{
    return m_updating;
}

void TPropertyGrid::ClearRows()
{
    m_typed = false;
    m_editor = nullptr;
    m_editorRow = 0;
    setRowCount(0);
    m_rows.clear();
    FitKeyColumn(m_chosenKeyWidth);
}

int TPropertyGrid::AppendRow(const TGridRow& row)
{
    m_rows.push_back(row);
    const int index = rowCount();
    insertRow(index);
    auto* key = new QTableWidgetItem(row.key);
    key->setFlags(Qt::ItemIsEnabled);
    setItem(index, 0, key);
    setItem(index, 1, new QTableWidgetItem(row.value));
    const int keyWidth = KeyCellWidth(font(), row.key);
    if (keyWidth > columnWidth(0)) FitKeyColumn(keyWidth);
    return index + 1;
}

// The key column shows every key whole, and the grid asks for room for it
// and the value column, so the window around it grows rather than cut a
// key or scroll the keys out of sight.
void TPropertyGrid::FitKeyColumn(int width)
{
    const QScopedValueRollback fitting(m_fittingKeys, true);
    setColumnWidth(0, width);
    setMinimumWidth(width + kValueColumnMinimum + verticalScrollBar()->sizeHint().width() + 2 * frameWidth());
    horizontalScrollBar()->setValue(0);
}

void TPropertyGrid::scrollTo(const QModelIndex& index, ScrollHint hint)
{
    QTableWidget::scrollTo(index, hint);
    // The grid scrolls up and down only: the keys stay in sight even while
    // the window around it is still narrower than the grid asks.
    horizontalScrollBar()->setValue(0);
}

void TPropertyGrid::SetRowImage(int number, int image)
{
    if (number < 1 || number > RowCount()) return;
    m_rows[size_t(number - 1)].image = image;
    viewport()->update();
}

void TPropertyGrid::ShowValue(int number, const QString& value)
{
    if (number < 1 || number > RowCount()) return;
    m_rows[size_t(number - 1)].value = value;
    if (QTableWidgetItem* cell = item(number - 1, 1)) cell->setText(value);
    if (m_editor && m_editorRow == number && m_editor->text->text() != value) {
        m_editor->text->setText(value);
        m_editor->text->setCursorPosition(0);
    }
    viewport()->update();
}

void TPropertyGrid::SetValue(int number, const QString& value)
{
    ShowValue(number, value);
    if (!Quiet() && number == CurrentRow() && OnChange) OnChange(number);
}

void TPropertyGrid::TypedValue(int number, const QString& value)
{
    m_rows[size_t(number - 1)].value = value;
    if (QTableWidgetItem* cell = item(number - 1, 1)) cell->setText(value);
    m_typed = true;
    if (!Quiet() && OnChange) OnChange(number);
}

int TPropertyGrid::CurrentRow() const
{
    const int row = currentRow();
    return row >= 0 && row < RowCount() ? row + 1 : 0;
}

void TPropertyGrid::SetCurrentRow(int number)
{
    if (number >= 1 && number <= RowCount()) setCurrentCell(number - 1, 1);
}

void TPropertyGrid::CurrentCellMoved(int row, int column, int previousRow, int)
{
    // Only value cells take the cursor.
    if (row >= 0 && column == 0) {
        setCurrentCell(row, 1);
        return;
    }
    if (row == previousRow && m_editor) return;
    if (m_typed && previousRow >= 0 && previousRow < RowCount()) {
        m_typed = false;
        if (!Quiet() && OnValidate) {
            const QScopedValueRollback<bool> guard(m_validating, true);
            OnValidate(previousRow + 1);
        }
    }
    m_typed = false;
    if (m_editor) {
        removeCellWidget(m_editorRow - 1, 1);
        m_editor = nullptr;
        m_editorRow = 0;
    }
    if (row >= 0 && row < RowCount()) OpenEditor(row + 1);
    viewport()->update();
}

void TPropertyGrid::OpenEditor(int number)
{
    m_editor = new TCellEditor(Row(number), this);
    m_editorRow = number;
    setCellWidget(number - 1, 1, m_editor);
    connect(m_editor->text, &QLineEdit::textEdited, this, [this, number](const QString& text) {
        TypedValue(number, text);
    });
    // Enter takes a typed value at once, as leaving the cell does.
    connect(m_editor->text, &QLineEdit::returnPressed, this, [this] { FinishEdit(); });
    m_editor->text->installEventFilter(new CellEditorFilter(*this, m_editor));
    if (m_editor->drop) connect(m_editor->drop, &QToolButton::clicked, this, [this] { OpenDropList(); });
    if (m_editor->ellipsis)
        connect(m_editor->ellipsis, &QToolButton::clicked, this, [this, number] {
            if (!Quiet() && OnEditButton) OnEditButton(number);
        });
    if (hasFocus()) m_editor->text->setFocus();
}

void TPropertyGrid::OpenDropList()
{
    const int number = CurrentRow();
    if (number == 0 || !m_editor) return;
    QMenu list(this);
    for (const QString& text : Row(number).pickList) list.addAction(text);
    const QScopedValueRollback<bool> guard(m_inDropList, true);
    const QAction* chosen = list.exec(m_editor->mapToGlobal(QPoint(0, m_editor->height())));
    if (chosen) ChooseFromList(chosen->text());
}

void TPropertyGrid::ChooseFromList(const QString& text)
{
    const int number = CurrentRow();
    if (number == 0) return;
    ShowValue(number, text);
    m_typed = true;
    if (!Quiet() && OnChange) OnChange(number);
}

void TPropertyGrid::DoubleClickValue()
{
    const int number = CurrentRow();
    if (number == 0) return;
    const TGridRow& row = Row(number);
    if (!row.pickList.isEmpty()) {
        const int at = row.pickList.indexOf(row.value);
        ChooseFromList(row.pickList[(at + 1) % row.pickList.size()]);
    } else if (row.edit == RowEdit::Ellipsis && !Quiet() && OnEditButton) {
        OnEditButton(number);
    }
}

bool TPropertyGrid::FinishEdit()
{
    if (!m_typed || m_validating) return true;
    m_typed = false;
    const int number = CurrentRow();
    if (number == 0 || Quiet() || !OnValidate) return true;
    const QScopedValueRollback<bool> guard(m_validating, true);
    return OnValidate(number);
}

void TPropertyGrid::TabFromCell(bool forward)
{
    // A rejected value keeps the cell, so the message is about this row.
    if (!FinishEdit()) return;
    const int next = CurrentRow() + (forward ? 1 : -1);
    if (next < 1 || next > RowCount()) return;
    SetCurrentRow(next);
    // The whole value is selected, so typing replaces it.
    if (!m_editor) return;
    m_editor->text->setFocus(Qt::TabFocusReason);
    m_editor->text->selectAll();
}

QLineEdit* TPropertyGrid::Editor() const
{
    return m_editor ? m_editor->text : nullptr;
}

QToolButton* TPropertyGrid::EllipsisButton() const
{
    return m_editor ? m_editor->ellipsis : nullptr;
}

QToolButton* TPropertyGrid::DropButton() const
{
    return m_editor ? m_editor->drop : nullptr;
}

// Leaving the grid for another widget validates a typed-into cell; its own
// drop-down list and the message boxes of validation do not count.
void TPropertyGrid::LeftGrid(QWidget* now)
{
    if (!m_typed || m_inDropList || m_validating || !now) return;
    if (now == this || isAncestorOf(now) || now->window() != window()) return;
    FinishEdit();
}
