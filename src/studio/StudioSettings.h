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
// The main window's place (WindowPlace.h).
inline const QString WindowSection = QStringLiteral("WINDOW");
inline const QString WindowLeft = QStringLiteral("Left");
inline const QString WindowTop = QStringLiteral("Top");
inline const QString WindowWidth = QStringLiteral("Width");
inline const QString WindowHeight = QStringLiteral("Height");
inline const QString WindowMaximized = QStringLiteral("Maximized");
inline const QString SidebarWidth = QStringLiteral("SidebarWidth");
inline const QString NameColumnWidth = QStringLiteral("NameColumnWidth");
inline const QString ValueColumnWidth = QStringLiteral("ValueColumnWidth");
// The recent project folders, most recent first: Project1, Project2...
inline const QString RecentSection = QStringLiteral("RECENT");
inline const QString RecentProjectPrefix = QStringLiteral("Project");
// The folder the last disc image was saved in.
inline const QString BurnerSection = QStringLiteral("BURNER");
inline const QString ImageFolder = QStringLiteral("ImageFolder");
} // namespace SettingsKey

// The studio's settings file "VelomniStudio.ini": beside the executable,
// or in the user's configuration folder when the executable's folder
// cannot be written or the studio is an installed one (ProgramFiles.h).
QString StudioSettingsPath(const QString& exeFolder);
// The settings file of the running studio (ExeFolder).
QString StudioSettingsFile();
