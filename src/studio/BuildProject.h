// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

class TProjectHost;

// Every save of the studio: makes ProjectFolder ready to go onto a disc as
// it is. Writes the data file when unsavedChanges is set, and clears it
// once written; puts a player copy of playerSource (the studio executable)
// there as velomni.exe unless the one there is already of StudioVersion,
// puts the Linux player with its runtime and autorun.sh there
// (LinuxPlayer.h), provides velomni.ico from Default.ico beside the studio,
// writes
// autorun.inf and remembers the folder as START / DefaultPath in the
// studio's settings file.
//
// The first step that fails ends the build with false after its message;
// what earlier steps wrote stays. A studio without version information
// (StudioVersion empty) never counts its player copy as up to date.
bool BuildProject(TProjectHost& host, const QString& playerSource, bool& unsavedChanges);
