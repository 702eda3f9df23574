// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// The commands of the Edit menu, which the canvas's pop-up menu offers too.
enum class EditCommand {
    Cut,
    Copy,
    Paste,
    Duplicate,
    Delete,
    AlignToGrid,
    AlignLeft,
    AlignCenter,
    AlignRight,
    AlignTop,
    AlignMiddle,
    AlignBottom,
    DistributeHorizontally,
    DistributeVertically,
    SameWidth,
    SameHeight,
    SameSize,
    BringToFront,
    SendToBack,
    Undo,
    Redo,
};

// What the design canvas needs of the studio window around it: what is
// about windows only. The project, the selection and the current entry
// are the design document's. Tests drive the canvas with a recording host.
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

    // The Edit menu, for the canvas's pop-up menu: brings the items up to
    // date, tells whether one is enabled, and runs one.
    virtual void UpdateEditMenu() = 0;
    virtual bool EditCommandEnabled(EditCommand command) const = 0;
    virtual void RunEditCommand(EditCommand command) = 0;

    // The canvas window was moved inside its host; the host realigns.
    virtual void CanvasWindowMoved() = 0;
};
