// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <memory>

class TMainForm;
class TVelomniForm;

// The studio's main window around the menu window start-up prepared. The
// window is created after the project was loaded, so the unsaved-changes
// flag that start-up set (no data file in the folder) survives the
// window's own reset of it.
std::unique_ptr<TMainForm> CreateStudioWindow(std::unique_ptr<TVelomniForm> menuWindow);
