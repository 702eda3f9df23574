// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/StudioStart.h"

#include "model/ProcessState.h"
#include "player/VelomniForm.h"
#include "studio/MainForm.h"

std::unique_ptr<TMainForm> CreateStudioWindow(std::unique_ptr<TVelomniForm> menuWindow)
{
    const bool modifiedAtStartup = ProjectModified;
    auto studio = std::make_unique<TMainForm>(std::move(menuWindow));
    ProjectModified = modifiedAtStartup;
    return studio;
}
