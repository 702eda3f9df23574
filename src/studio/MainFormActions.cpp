// SPDX-License-Identifier: GPL-2.0-or-later
// The action list of the sidebar: adding, editing and deleting the start
// actions of the project or the click actions of the current object.
#include "studio/MainForm.h"

#include "model/Kinds.h"
#include "model/VoObject.h"
#include "player/VelomniForm.h"
#include "studio/ActionForm.h"
#include "studio/ActionListItems.h"

#include <QTreeWidget>

TVoActions* TMainForm::CurrentActions() const
{
    const int current = CurrentEntry();
    if (current == 0) return &m_menu->StartActions();
    const TObjectList& objects = m_menu->ObjectList();
    if (current < 1 || current > int(objects.size())) return nullptr;
    TVoObject& entry = *objects[size_t(current - 1)];
    // An Explorer never runs click actions, so it has none to edit.
    return entry.ObjectType == okExplorer ? nullptr : &entry.Actions;
}

QTreeWidgetItem* TMainForm::SelectedActionItem() const
{
    const QList<QTreeWidgetItem*> selected = ListView1->selectedItems();
    return selected.isEmpty() ? nullptr : selected.first();
}

void TMainForm::ListActions(const TVoActions* actions)
{
    ListView1->clear();
    if (!actions) return;
    for (const auto& action : *actions) AddActionItem(*ListView1, *action);
}

void TMainForm::Button1Click()
{
    TVoActions* actions = CurrentActions();
    if (!actions) return;
    std::unique_ptr<TVoAction> action = AddAction(this);
    if (!action) return;
    AddActionItem(*ListView1, *action);
    actions->push_back(std::move(action));
    ApplyEdit(ProjectChanged);
}

void TMainForm::Button2Click()
{
    TVoActions* actions = CurrentActions();
    QTreeWidgetItem* item = SelectedActionItem();
    if (!actions || !item) return;
    // The item is looked up in the current list so that an item left
    // over from another entry can never reach a freed action.
    const auto index = IndexOfAction(*actions, ActionOfItem(*item));
    if (!index) return;
    TVoAction& action = *(*actions)[*index];
    if (!EditAction(action, this)) return;
    ShowActionInItem(*item, action);
    ApplyEdit(ProjectChanged);
}

void TMainForm::Button3Click()
{
    TVoActions* actions = CurrentActions();
    QTreeWidgetItem* item = SelectedActionItem();
    if (!actions || !item) return;
    const auto index = IndexOfAction(*actions, ActionOfItem(*item));
    if (!index) return;
    actions->erase(actions->begin() + std::ptrdiff_t(*index));
    delete item;
    // The list would select the next row; with no confirmation, a second
    // press must not take another action with it.
    ListView1->clearSelection();
    ApplyEdit(ProjectChanged);
}
