// SPDX-License-Identifier: GPL-2.0-or-later
#include "model/VoObject.h"

TVoObject* NewObjectEntry()
{
    return new TVoObject;
}

void FreeObjectEntry(TVoObject* entry)
{
    if (!entry) return;
    ClearActionList(entry->Actions);
    entry->Control.reset();
    delete entry;
}

void FreeObjectList(TObjectList& list)
{
    while (!list.empty()) {
        FreeObjectEntry(list.back());
        list.pop_back();
    }
}
