// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <QStringList>

class TIniFile;

// The project folders last opened or saved, most recent first, as File >
// Recent Projects lists them. A folder is named once, however it was
// written (a trailing separator, "." or ".." parts); the list holds at
// most kMaxRecentProjects.
inline constexpr int kMaxRecentProjects = 8;

// The folder as the list keeps and compares it; empty for an empty one.
QString RecentProjectKey(const QString& folder);
// The list with the folder put first, any earlier mention of it taken
// away and the oldest beyond the limit dropped. An empty folder changes
// nothing.
QStringList PushRecentProject(const QStringList& list, const QString& folder);
// The list without the folder.
QStringList RemoveRecentProject(const QStringList& list, const QString& folder);

// The list the settings file keeps; empty values, repeats and entries past
// the limit are left out.
QStringList ReadRecentProjects(const TIniFile& ini);
// Every key of the list in one rewrite, unused ones empty, so a shorter
// list leaves no older entries behind; false when it cannot be written.
bool WriteRecentProjects(TIniFile& ini, const QStringList& list);
