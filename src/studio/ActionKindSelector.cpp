// SPDX-License-Identifier: GPL-2.0-or-later
#include "studio/ActionKindSelector.h"

#include "studio/StudioImages.h"

#include <QPainter>
#include <QStyledItemDelegate>
#include <QStylePainter>

namespace {

class TActionKindDelegate final : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;

    void paint(QPainter* painter, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const bool selected = option.state & QStyle::State_Selected;
        painter->save();
        painter->fillRect(option.rect, option.palette.brush(selected ? QPalette::Highlight : QPalette::Base));
        painter->setPen(option.palette.color(selected ? QPalette::HighlightedText : QPalette::Text));
        DrawActionKindEntry(*painter, option.rect, index.data(Qt::DisplayRole).toString());
        painter->restore();
    }

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return {QStyledItemDelegate::sizeHint(option, index).width(), kActionKindItemHeight};
    }
};

} // namespace

void DrawActionKindEntry(QPainter& painter, const QRect& rect, const QString& text)
{
    painter.drawPixmap(rect.left(), rect.top() + 1, SidebarImage(kSidebarActionImage));
    painter.drawText(rect.left() + 18, rect.top() + 2 + QFontMetrics(painter.font()).ascent(), text);
}

TActionKindSelector::TActionKindSelector(QWidget* parent) : QComboBox(parent)
{
    setItemDelegate(new TActionKindDelegate(this));
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
