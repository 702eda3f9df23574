// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "model/VoObject.h"

#include <QString>

// The order and names of a project's objects, without any window.

// Stable partition: objects painted on the surface (kinds 0 to 2) first,
// then windowed ones (3 to 5), each group in its current order.
void SortObjectList(TObjectList& list);
// The kind's name followed by the first n = 1, 2, ... that no object's
// name equals exactly ("Button1", "Button2", ...).
QString MakeUniqueName(const TObjectList& list, int kind);
// Gives the object at index a fresh name when another object has exactly
// its name; returns whether it was renamed.
bool EnsureUniqueName(TObjectList& list, int index);
// Moves the entry at index to the end (front) or the start (back) and
// re-partitions. False, with nothing changed, when the entry is already
// the frontmost or the backmost or the index is out of range.
bool MoveObjectToFront(TObjectList& list, int index);
bool MoveObjectToBack(TObjectList& list, int index);
