// SPDX-License-Identifier: GPL-2.0-or-later
#include "studio/ObjectSelector.h"

#include "model/Kinds.h"
#include "studio/OwnerDrawnDelegate.h"
#include "studio/StudioImages.h"

#include <QAbstractItemView>
#include <QPainter>
#include <QStylePainter>

#include <algorithm>

namespace {

constexpr int kKindRole = Qt::UserRole + 1;
const QColor kKindGrey(128, 128, 128);

} // namespace

int SelectorKindTextX(int left, int textWidth, bool project)
{
    return project ? left + std::max(textWidth, 58) + 30 : left + std::max(textWidth, 50) + 38;
}

void DrawSelectorEntry(QPainter& painter, const QRect& rect, const TSelectorEntry& entry, bool selected)
{
    const bool project = entry.kind < 0;
    const int imageLeft = project ? rect.left() : rect.left() + 8;
    const int textLeft = project ? rect.left() + 18 : rect.left() + 26;
    painter.drawPixmap(imageLeft, rect.top() + 1,
                       SidebarImage(project ? kSidebarProjectImage : kSidebarFirstKindImage + entry.kind));
    const QFontMetrics metrics(painter.font());
    const int baseline = rect.top() + 2 + metrics.ascent();
    painter.drawText(textLeft, baseline, entry.text);
    const QString kind = project ? QStringLiteral("Project") : ObjectKindText(entry.kind);
    if (!selected) painter.setPen(kKindGrey);
    painter.drawText(SelectorKindTextX(rect.left(), metrics.horizontalAdvance(entry.text), project), baseline,
                     QStringLiteral("[") + kind + QStringLiteral("]"));
}

TObjectSelector::TObjectSelector(QWidget* parent) : QComboBox(parent)
{
    const auto draw = [](QPainter& painter, const QRect& rect, const QModelIndex& index, bool selected) {
        DrawSelectorEntry(painter, rect, {index.data(kKindRole).toInt(), index.data(Qt::DisplayRole).toString()},
                          selected);
    };
    setItemDelegate(new TOwnerDrawnDelegate(kSelectorItemHeight, draw, this));
    setMaxVisibleItems(16);
    setFixedHeight(kSelectorItemHeight + 6);
}

void TObjectSelector::AddEntry(const TSelectorEntry& entry)
{
    addItem(entry.text);
    setItemData(count() - 1, entry.kind, kKindRole);
}

TSelectorEntry TObjectSelector::Entry(int index) const
{
    return {itemData(index, kKindRole).toInt(), itemText(index)};
}

void TObjectSelector::paintEvent(QPaintEvent*)
{
    QStylePainter painter(this);
    QStyleOptionComboBox option;
    initStyleOption(&option);
    option.currentText.clear();
    option.currentIcon = QIcon();
    painter.drawComplexControl(QStyle::CC_ComboBox, option);
    if (currentIndex() < 0) return;
    const QRect field = style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, this);
    painter.setPen(palette().color(QPalette::Text));
    painter.setClipRect(field);
    DrawSelectorEntry(painter, field.adjusted(0, (field.height() - kSelectorItemHeight) / 2, 0, 0),
                      Entry(currentIndex()), false);
}
