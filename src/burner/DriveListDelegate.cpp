// SPDX-License-Identifier: GPL-2.0-or-later
#include "burner/DriveListDelegate.h"

#include <QApplication>
#include <QPainter>

QPixmap DriveIcon()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // The drive's front with its tray and a disc in it.
    p.setPen(QColor(60, 60, 60));
    p.setBrush(QColor(200, 200, 205));
    p.drawRoundedRect(QRectF(0.5, 6.5, 15, 8), 1.5, 1.5);
    p.setBrush(QColor(120, 170, 230));
    p.drawEllipse(QRectF(3.5, 0.5, 9, 9));
    p.setBrush(Qt::white);
    p.drawEllipse(QRectF(6.5, 3.5, 3, 3));
    p.setPen(QColor(40, 160, 60));
    p.drawPoint(13, 12);
    return pixmap;
}

void DriveListDelegate::paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const bool selected = option.state & QStyle::State_Selected;
    painter->save();
    painter->fillRect(option.rect, option.palette.brush(selected ? QPalette::Highlight : QPalette::Base));
    painter->drawPixmap(option.rect.left(), option.rect.top() + (option.rect.height() - 16) / 2, DriveIcon());
    painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
    const QRect text = option.rect.adjusted(20, 1, 0, 0);
    painter->drawText(text, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, index.data().toString());
    painter->restore();
}

QSize DriveListDelegate::sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const
{
    const QSize size = QStyledItemDelegate::sizeHint(option, index);
    return QSize(size.width() + 20, qMax(size.height(), 18));
}
