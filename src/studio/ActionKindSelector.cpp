// SPDX-License-Identifier: GPL-2.0-or-later
#include "studio/ActionKindSelector.h"

#include "studio/OwnerDrawnDelegate.h"
#include "studio/StudioImages.h"

#include <QPainter>
#include <QStylePainter>

void DrawActionKindEntry(QPainter& painter, const QRect& rect, const QString& text)
{
    painter.drawPixmap(rect.left(), rect.top() + 1, SidebarImage(kSidebarActionImage));
    painter.drawText(rect.left() + 18, rect.top() + 2 + QFontMetrics(painter.font()).ascent(), text);
}

TActionKindSelector::TActionKindSelector(QWidget* parent) : QComboBox(parent)
{
    const auto draw = [](QPainter& painter, const QRect& rect, const QModelIndex& index, bool) {
        DrawActionKindEntry(painter, rect, index.data(Qt::DisplayRole).toString());
    };
    setItemDelegate(new TOwnerDrawnDelegate(kActionKindItemHeight, draw, this));
    setMaxVisibleItems(16);
}

// The closed selector shows its current entry drawn the same way.
void TActionKindSelector::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    if (currentIndex() < 0) return;
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::Text));
    painter.setClipRect(field);
    DrawActionKindEntry(painter, field.adjusted(0, (field.height() - kActionKindItemHeight) / 2, 0, 0),
                        currentText());
}
