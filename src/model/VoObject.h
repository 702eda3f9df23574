// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "model/ObjectControl.h"
#include "model/VoAction.h"

#include <QString>

#include <memory>
#include <vector>

// One menu object: its name, kind, control, click actions and sounds.
struct TVoObject {
    QString Name;
    quint8 ObjectType = 2;
    std::unique_ptr<TVoControl> Control; // none while the entry is being built
    TVoActions Actions;
    QString OverSound;  // relative to the project folder; empty for none
    QString ClickSound;
    bool Selected = false; // on the design canvas; never stored
};

// Owned entries in painting order, first at the back. A slot may be empty
// while a project is being read.
using TObjectList = std::vector<TVoObject*>;

// A new entry with the defaults: no name, kind 2, no control, no actions.
TVoObject* NewObjectEntry();
// Clears the entry's actions, frees its control, then the entry; accepts
// a missing entry.
void FreeObjectEntry(TVoObject* entry);
// Frees every entry from the last to the first, skipping empty slots, and
// empties the list.
void FreeObjectList(TObjectList& list);
