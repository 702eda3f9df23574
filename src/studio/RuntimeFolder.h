// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "studio/RuntimePlan.h"

#include <QString>

// The runtime folder of a built project: the planned files, each a copy of
// the system's file (or a hard link to it where the file system allows and
// the copy is not changed), Qt's configuration files that point the player
// and the browser's helper at the folder, and a list of what it holds,
// "runtime-files.txt", from which a later build tells whether it is still
// current.

// True when the folder holds what the list says for these parts, each file
// as large and as old as the system's file it came from: a build then
// copies nothing. *glibc gets the C library version the list records.
bool RuntimeIsCurrent(const QString& folder, const RuntimeParts& parts, QString* glibc);

// Puts the plan into the folder: copies what is missing or differs from
// its source, writes Qt's configuration and the list, and removes what an
// earlier build put there and this plan no longer holds. False with a
// reason when a file cannot be copied or written; the list is then not
// updated, so the next build checks every file again.
bool PutRuntimeFiles(const QString& folder, const RuntimePlan& plan, const RuntimeParts& parts, QString* error);
