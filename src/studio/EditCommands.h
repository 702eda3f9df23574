// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "canvas/EditMenu.h"
#include "model/VoObject.h"

class TCanvasInteraction;

// The Edit menu's commands over the project in the canvas: the clipboard,
// deleting, the painting order and the arrangement of the selection. Each
// tests its own conditions, so a shortcut that arrives while the command
// does not apply does nothing.

// Which items are enabled, given the objects, the selector's current
// entry and whether the clipboard holds objects.
std::array<bool, kEditCommandCount> EditCommandStates(const TObjectList& objects, int currentEntry,
                                                      bool clipboardHasObjects);

// Puts the selected objects on the clipboard; false when nothing was put.
bool CopyObjects(TCanvasInteraction& canvas);
void CutObjects(TCanvasInteraction& canvas);
// Adds the clipboard's objects, moved by the paste offset, as the new
// selection; false when nothing was added. A damaged block adds nothing.
bool PasteObjects(TCanvasInteraction& canvas);
void DeleteObjects(TCanvasInteraction& canvas);
void BringCurrentToFront(TCanvasInteraction& canvas);
void SendCurrentToBack(TCanvasInteraction& canvas);
void AlignSelectionToGrid(TCanvasInteraction& canvas);

// Runs one command by its id.
void RunEditCommand(TCanvasInteraction& canvas, EditCommand command);
