// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "canvas/CanvasHost.h"

// Only what the canvas and the Edit commands need of the studio window
// in a benchmark: no grid to commit, no tool down, no menus.
class BenchCanvasHost final : public TCanvasHost {
public:
    bool CommitPendingEdit() override { return true; }
    int AddToolKind() const override { return -1; }
    void PressSelectTool() override {}
    void UpdateEditMenu() override {}
    bool EditCommandEnabled(EditCommand) const override { return false; }
    void RunEditCommand(EditCommand) override {}
    void CanvasWindowMoved() override {}
};
