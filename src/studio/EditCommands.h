// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "canvas/EditMenu.h"

#include <Qt>

class TCanvasHost;
class TDesignDocument;

// The Edit menu's commands over the design document: undo and redo, the
// clipboard, deleting, the painting order and the arrangement of the
// selection. Each tests its own conditions, so a shortcut that arrives
// while the command does not apply does nothing; each change is one step
// of the document.

// Which items are enabled, given the document and whether the clipboard
// holds objects.
std::array<bool, kEditCommandCount> EditCommandStates(const TDesignDocument& document, bool clipboardHasObjects);

// Puts the selected objects on the clipboard; false when nothing was put.
bool CopyObjects(TDesignDocument& document, TCanvasHost& host);
void CutObjects(TDesignDocument& document, TCanvasHost& host);
// Adds the clipboard's objects, moved by the paste offset, as the new
// selection; false when nothing was added. A damaged block adds nothing.
bool PasteObjects(TDesignDocument& document, TCanvasHost& host);
void DeleteObjects(TDesignDocument& document);
// Moves every other selected object into line with the current object
// along one axis. False, with nothing changed, when no other object is
// selected or the current entry is not an object.
bool AlignSelection(TDesignDocument& document, int mode);
// Spaces the selected objects evenly along one axis between the two
// outermost ones, as one step. False when fewer than three are selected
// or nothing moves.
bool DistributeSelection(TDesignDocument& document, Qt::Orientation axis);
// Gives every other selected object the current object's width, height
// or both (SameSizeMode), as one step. False as for AlignSelection.
bool MakeSelectionSameSize(TDesignDocument& document, int mode);
// Adds a copy of the selected objects, moved by the paste step, as the new
// selection; the clipboard is left as it is. False when nothing was added.
bool DuplicateObjects(TDesignDocument& document, TCanvasHost& host);
// Moves each selected object to the nearest grid point.
void AlignSelectionToGrid(TDesignDocument& document, TCanvasHost& host);

// Runs one command by its id.
void RunEditCommand(TDesignDocument& document, TCanvasHost& host, EditCommand command);
