// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "canvas/CanvasHost.h"

#include <array>
#include <functional>

class QAction;
class QMenu;

constexpr int kEditCommandCount = int(EditCommand::Redo) + 1;
using EditActions = std::array<QAction*, kEditCommandCount>;

inline QAction* ActionOf(const EditActions& actions, EditCommand command)
{
    return actions[size_t(command)];
}

// Fills a menu with the Edit commands, their captions, shortcuts, the
// "Align" submenu and the separators; Undo and Redo come first and their
// captions are brought up to date with the step they name; each item runs its command. The
// studio's Edit menu and the canvas's pop-up menu are made alike by it.
// Shortcuts act only where activeShortcuts is set; elsewhere they are
// only shown.
EditActions FillEditMenu(QMenu& menu, const std::function<void(EditCommand)>& run, bool activeShortcuts);
