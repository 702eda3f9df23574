// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

// The studio's process-wide state, beside that of start-up. It lives with
// the model because the canvas and the inspector read it as well.
extern QString StudioVersion;   // FileVersion of the running executable; empty without one
extern bool DisplayGrid;        // draw the grid on the canvas
extern bool SnapToGrid;         // snap new objects and drags to the grid
extern int GridSizeX;           // grid spacing in pixels, 2..99
extern int GridSizeY;
extern int PasteOffset;         // offset of the next paste, in pixels
extern bool InspectorUpdating;  // the property grid is being refilled; edits are ignored
