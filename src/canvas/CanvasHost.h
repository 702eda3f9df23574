// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "model/EditEffects.h"

// The commands of the Edit menu, which the canvas's pop-up menu offers too.
enum class EditCommand {
    Cut,
    Copy,
    Paste,
    Delete,
    AlignToGrid,
    AlignLeft,
    AlignCenter,
    AlignRight,
    AlignTop,
    AlignMiddle,
    AlignBottom,
    BringToFront,
    SendToBack,
};

// What the design canvas needs of the studio window around it. The
// studio implements it; tests drive the canvas with a recording one.
class TCanvasHost {
public:
    virtual ~TCanvasHost() = default;

    // Finishes an edit in progress in the property grid; false when the
    // grid rejected the value.
    virtual bool CommitPendingEdit() = 0;
    // The object kind whose "Add" tool button is down, or -1 when the
    // select tool is down.
    virtual int AddToolKind() const = 0;
    virtual void PressSelectTool() = 0;

    // The object selector's current entry: 0 the project, i + 1 object i,
    // -1 none.
    virtual int CurrentEntry() const = 0;
    // Moves the selector to an entry without touching the selection.
    virtual void SetSelectorEntry(int index) = 0;
    // Rebuilds the selector from the object list; the selection decides
    // the current entry, then the selection follows it.
    virtual void RefreshObjectList() = 0;
    // Lists the objects in the selector anew, keeping the current entry
    // and the selection.
    virtual void ListObjectsInSelector() = 0;
    // Refills the property grid and the action list for the current entry.
    virtual void ShowCurrentEntry() = 0;

    // The one place that applies what an edit calls for.
    virtual void ApplyEdit(EditEffects effects) = 0;

    // The Edit menu, for the canvas's pop-up menu: brings the items up to
    // date, tells whether one is enabled, and runs one.
    virtual void UpdateEditMenu() = 0;
    virtual bool EditCommandEnabled(EditCommand command) const = 0;
    virtual void RunEditCommand(EditCommand command) = 0;

    // The canvas window was moved inside its host; the host realigns.
    virtual void CanvasWindowMoved() = 0;
};
