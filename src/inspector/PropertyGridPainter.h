// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QStyledItemDelegate>

class QFont;
class QString;
class TPropertyGrid;

// The width a key cell needs to show the key whole, as the current row
// draws it (bold and underlined in the grid's font), after the room for
// the group image.
int KeyCellWidth(const QFont& gridFont, const QString& key);

// Paints the grid's cells: the key column with its group images and the
// current row's emphasis, colour swatches and font previews in the value
// column.
class TPropertyGridPainter final : public QStyledItemDelegate {
public:
    TPropertyGridPainter(TPropertyGrid& grid, QObject* parent) : QStyledItemDelegate(parent), m_grid(grid) {}
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    void ValueEditDrawCell(QPainter& painter, int column, int row, const QRect& rect) const;

    TPropertyGrid& m_grid;
};
