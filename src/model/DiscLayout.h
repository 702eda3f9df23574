// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

// Where the parts of a project folder that goes onto a disc lie. The root
// holds the data file, autorun.inf, the disc icon, the player that
// autorun.inf opens and autorun.sh; the Linux player sits with its runtime
// (the libraries, plug-ins and data it needs beyond a desktop's own) in a
// folder of its own, which autorun.sh starts.

// The runtime folder's name below the project folder, after the processor
// the player is built for: "linux-x86_64".
QString LinuxRuntimeFolderName();

// The project folder of a player in exeFolder: that folder itself, or the
// one above it for the player in the runtime folder, whose data file lies
// at the disc's root.
QString PlayerProjectFolder(const QString& exeFolder, const QString& dataFileName);
