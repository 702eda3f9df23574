// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "studio/RuntimePlan.h"

#include <QString>

class TProjectHost;

// What the project's player will need: the browser engine for a web
// panel, the media stack for any sound (an object's sounds, a sound
// action among its click or start actions).
RuntimeParts PartsProjectNeeds(TProjectHost& host);

// The build step that makes a project folder start on Linux desktops: the
// runtime folder with a player copy that finds its libraries there, the
// runtime for what the project needs, and autorun.sh at the root. Skipped
// (true) when playerSource cannot carry a runtime: a program built without
// the parked library search path the runtime's player uses. False after an
// error box when a file cannot be gathered or written.
bool PutLinuxPlayer(TProjectHost& host, const QString& playerSource);

// The search path that the player copy in the runtime folder gets.
inline constexpr char kRuntimePlayerSearchPath[] = "$ORIGIN/lib";
