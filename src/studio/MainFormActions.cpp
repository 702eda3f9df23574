// SPDX-License-Identifier: GPL-2.0-or-later
// The action list of the sidebar: adding, editing and deleting the start
// actions of the project or the click actions of the current object.
#include "studio/MainForm.h"

#include "document/DesignDocument.h"
#include "document/Entries.h"
#include "model/Kinds.h"
#include "model/VoObject.h"
#include "player/VelomniForm.h"
#include "studio/ActionForm.h"
#include "studio/ActionListItems.h"

#include <QTreeWidget>

TVoActions* TMainForm::CurrentActions() const
{
    const int current = CurrentEntry();
    if (current == kProjectEntry) return &m_menu->StartActions();
    const int object = m_document->CurrentObject();
    if (object < 0) return nullptr;
    TVoObject& entry = *m_menu->ObjectList()[size_t(object)];
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
    m_document->AddAction(*actions, std::move(action));
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
    const TVoAction& action = *(*actions)[*index];
    TVoAction edited = action;
    if (!EditAction(edited, this)) return;
    if (edited.ActionType == action.ActionType && edited.Parameter == action.Parameter) return;
    m_document->EditAction(*actions, int(*index), edited);
}

void TMainForm::Button3Click()
{
    TVoActions* actions = CurrentActions();
    QTreeWidgetItem* item = SelectedActionItem();
    if (!actions || !item) return;
    const auto index = IndexOfAction(*actions, ActionOfItem(*item));
    if (!index) return;
    // The list is filled anew with nothing selected: with no confirmation,
    // a second press must not take another action with it.
    m_document->DeleteAction(*actions, int(*index));
}
