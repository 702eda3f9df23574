// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// How the background of the menu window shows the design grid: only the
// studio sets it, from its settings; the player never draws the grid.
struct TGridDisplay {
    bool visible = false;
    int sizeX = 8;
    int sizeY = 8;
};
