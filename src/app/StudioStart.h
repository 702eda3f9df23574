// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <memory>

class TMainForm;
class TVelomniForm;

// The studio's main window around the menu window start-up prepared. A
// project folder without a data file starts a new project, which has
// unsaved changes from the first moment.
std::unique_ptr<TMainForm> CreateStudioWindow(std::unique_ptr<TVelomniForm> menuWindow);
