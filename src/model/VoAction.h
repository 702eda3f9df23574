// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

#include <memory>
#include <vector>

// One action: what to do and on what (a file or folder relative to the
// project folder, a web or mail address, or nothing, by kind).
struct TVoAction {
    quint8 ActionType = 0;
    QString Parameter;
};

// Actions in execution order; the list owns them.
using TVoActions = std::vector<std::unique_ptr<TVoAction>>;

// Frees every action, the last first, and leaves the list empty.
void ClearActionList(TVoActions& list);
// A copy of the list with copies of its actions.
TVoActions CopyActionList(const TVoActions& list);
