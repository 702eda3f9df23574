// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// What an edit of the project calls for once it has changed the model.
// Every edit names its effects; the design document applies them and
// tells the editing surfaces, so none of them marks the project modified
// or repaints on its own.
enum EditEffect : unsigned {
    NoEffect = 0,
    ProjectChanged = 1u << 0,    // the project has unsaved changes
    CanvasRedraw = 1u << 1,      // take a new picture of the menu window
    SelectorRepaint = 1u << 2,   // an entry's title or name changed
    BackgroundRedraw = 1u << 3,  // the menu window's background changed
    FrameSync = 1u << 4,         // caption, icon, border or size changed
    ObjectListChange = 1u << 5,  // objects were added, removed or reordered
    EntryChange = 1u << 6,       // the current entry, the selection or values shown for it changed
};
using EditEffects = unsigned;
