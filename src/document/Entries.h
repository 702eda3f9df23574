// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "model/VoObject.h"

// The entries of the object selector: 0 is the project, i + 1 is object
// i, -1 is none (several objects are selected).
constexpr int kNoEntry = -1;
constexpr int kProjectEntry = 0;

constexpr int EntryOfObject(int index)
{
    return index + 1;
}

// The object index of an entry; -1 for the project, none or an entry past
// the last object.
inline int ObjectOfEntry(int entry, const TObjectList& objects)
{
    return entry >= 1 && entry <= int(objects.size()) ? entry - 1 : -1;
}
