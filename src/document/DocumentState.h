// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "model/VoObject.h"

#include <vector>

// What an insert, a removal or a reorder of objects changes: the objects
// in painting order, which of them are selected and the current entry.
// Objects are held by identity, so an undone removal brings back the very
// object, control and all.
struct TDocumentState {
    TObjectList Objects;
    std::vector<TVoObject*> Selected;
    int CurrentEntry = 0;
};
