// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

// The studio's settings file "VelomniStudio.ini": beside the executable,
// or in the user's configuration folder when the executable's folder
// cannot be written or the studio is an installed one (ProgramFiles.h).
QString StudioSettingsPath(const QString& exeFolder);
// The settings file of the running studio (ExeFolder).
QString StudioSettingsFile();
