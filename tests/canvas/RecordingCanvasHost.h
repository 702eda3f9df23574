// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "canvas/CanvasHost.h"

#include <QList>

// A studio stand-in for the canvas: the tool that is down, whether the
// grid accepts its pending value, and a record of the window requests.
class RecordingCanvasHost final : public TCanvasHost {
public:
    bool CommitPendingEdit() override { return commitSucceeds; }
    int AddToolKind() const override { return addTool; }
    void PressSelectTool() override { addTool = -1; }
    void UpdateEditMenu() override { ++menuUpdates; }
    bool EditCommandEnabled(EditCommand command) const override { return command != EditCommand::Paste; }
    void RunEditCommand(EditCommand command) override { commands << command; }
    void CanvasWindowMoved() override { ++moves; }

    bool commitSucceeds = true;
    int addTool = -1;
    int menuUpdates = 0;
    int moves = 0;
    QList<EditCommand> commands;
};
