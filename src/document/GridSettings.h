// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// The canvas grid: whether it is drawn, whether placing and dragging snap
// to it, and its spacing in pixels (2..99).
struct TGridSettings {
    bool Display = true;
    bool Snap = true;
    int X = 8;
    int Y = 8;
};
