// SPDX-License-Identifier: GPL-2.0-or-later
#include "app/StudioStart.h"

#include "document/DesignDocument.h"
#include "model/ProcessState.h"
#include "player/VelomniForm.h"
#include "studio/MainForm.h"

#include <QDir>
#include <QFileInfo>

std::unique_ptr<TMainForm> CreateStudioWindow(std::unique_ptr<TVelomniForm> menuWindow)
{
    auto studio = std::make_unique<TMainForm>(std::move(menuWindow));
    const bool newProject = ProjectFolder.isEmpty() || !QFileInfo::exists(QDir(ProjectFolder).filePath(DataFileName));
    studio->Document().Restart(newProject);
    return studio;
}
