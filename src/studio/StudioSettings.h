// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

// Sections and keys of the settings file, each written out only here.
namespace SettingsKey {
inline const QString StartSection = QStringLiteral("START");
inline const QString DefaultPath = QStringLiteral("DefaultPath");
inline const QString SettingsSection = QStringLiteral("SETTINGS");
inline const QString DisplayGrid = QStringLiteral("DISPLAYGRID");
inline const QString SnapToGrid = QStringLiteral("SNAPTOGRID");
inline const QString GridSizeX = QStringLiteral("GRIDSIZEX");
inline const QString GridSizeY = QStringLiteral("GRIDSIZEY");
inline const QString BackgroundColor = QStringLiteral("BACKGROUNDCOLOR");
inline const QString SystemSection = QStringLiteral("SYSTEM");
inline const QString Version = QStringLiteral("Version");
} // namespace SettingsKey

// The studio's settings file "VelomniStudio.ini": beside the executable,
// or in the user's configuration folder when the executable's folder
// cannot be written or the studio is an installed one (ProgramFiles.h).
QString StudioSettingsPath(const QString& exeFolder);
// The settings file of the running studio (ExeFolder).
QString StudioSettingsFile();
