// SPDX-License-Identifier: GPL-2.0-or-later
#include "studio/ActionListItems.h"

#include "model/Kinds.h"
#include "studio/StudioImages.h"

#include <QTreeWidget>

namespace {

constexpr int kActionRole = Qt::UserRole + 1;

} // namespace

QTreeWidgetItem* AddActionItem(QTreeWidget& list, const TVoAction& action)
{
    auto* item = new QTreeWidgetItem(&list);
    item->setIcon(0, QIcon(SidebarImage(kSidebarActionImage)));
    item->setData(0, kActionRole, QVariant::fromValue(quintptr(&action)));
    ShowActionInItem(*item, action);
    return item;
}

void ShowActionInItem(QTreeWidgetItem& item, const TVoAction& action)
{
    item.setText(0, ActionKindText(action.ActionType));
    item.setText(1, action.Parameter);
}

const TVoAction* ActionOfItem(const QTreeWidgetItem& item)
{
    return reinterpret_cast<const TVoAction*>(item.data(0, kActionRole).value<quintptr>());
}

std::optional<size_t> IndexOfAction(const TVoActions& list, const TVoAction* action)
{
    for (size_t i = 0; i < list.size(); ++i)
        if (list[i].get() == action) return i;
    return std::nullopt;
}
