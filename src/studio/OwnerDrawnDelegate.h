// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QStyledItemDelegate>

#include <functional>

// The drop-down rows of an owner-drawn list: a fixed height, the
// highlight or base fill and its text colour, then the list's own drawing.
class TOwnerDrawnDelegate final : public QStyledItemDelegate {
public:
    using Draw = std::function<void(QPainter& painter, const QRect& rect, const QModelIndex& index, bool selected)>;

    TOwnerDrawnDelegate(int itemHeight, Draw draw, QObject* parent)
        : QStyledItemDelegate(parent), m_itemHeight(itemHeight), m_draw(std::move(draw))
    {
    }

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;

private:
    int m_itemHeight;
    Draw m_draw;
};
