// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

class QWidget;

// Ends the message loop once the window has closed, as closing a main
// window ends the program. Qt alone ends it only when no other window is
// left on the screen, and the player's backdrop stays there after its
// menu window closes.
void EndLoopWhenClosed(QWidget& mainWindow);
