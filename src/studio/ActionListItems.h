// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "model/VoAction.h"

#include <cstddef>
#include <optional>

class QTreeWidget;
class QTreeWidgetItem;

// The items of the action list: one per action, showing the action image,
// the kind text and the parameter, and referring to its action.

// Appends an item for the action at the end of the list.
QTreeWidgetItem* AddActionItem(QTreeWidget& list, const TVoAction& action);
// Rewrites the item's kind text and parameter from its action.
void ShowActionInItem(QTreeWidgetItem& item, const TVoAction& action);
// The address of the action the item refers to. Only compared, never
// followed: an item may outlive the list it was made from.
const TVoAction* ActionOfItem(const QTreeWidgetItem& item);
// The place of that very action in the list (not of an equal one).
std::optional<size_t> IndexOfAction(const TVoActions& list, const TVoAction* action);
