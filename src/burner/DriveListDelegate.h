// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QPixmap>
#include <QStyledItemDelegate>

// A 16 x 16 picture of a disc drive, drawn in code.
QPixmap DriveIcon();

// Draws a device list entry: the drive picture at the entry's left edge
// and the name 20 pixels to the right, one pixel below the top.
class DriveListDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override;
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override;
};
