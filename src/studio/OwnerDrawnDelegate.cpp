// SPDX-License-Identifier: GPL-2.0-or-later
#include "studio/OwnerDrawnDelegate.h"

#include <QPainter>

void TOwnerDrawnDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const bool selected = option.state & QStyle::State_Selected;
    painter->save();
    painter->fillRect(option.rect, option.palette.brush(selected ? QPalette::Highlight : QPalette::Base));
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    m_draw(*painter, option.rect, index, selected);
    painter->restore();
}

QSize TOwnerDrawnDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    return {QStyledItemDelegate::sizeHint(option, index).width(), m_itemHeight};
}
