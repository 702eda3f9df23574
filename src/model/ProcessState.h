// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

// Process-wide state, set at start-up and read everywhere. Folders are
// native paths with no trailing separator.
extern bool IsStudio;           // the studio rather than the player
extern QString ExeFolder;       // folder of the running executable
extern QString PersonalFolder;  // the user's documents folder (studio only)
extern QString ProjectFolder;   // the current project folder
extern QString DataFileName;    // "velomni.vpj"
extern bool ExitRequested;      // an Exit action ran
extern QString StudioVersion;   // the studio's FileVersion, read at start-up; empty without one
extern QString LastImageFolder; // where the last disc image of this run was saved
