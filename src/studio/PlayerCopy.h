// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

#include <functional>

// Copies source to target so that target is either left as it was or
// replaced by a complete copy: the bytes go to the temporary file
// SavingFileName(target), which is synced and then takes the target's name
// in one rename, even when the process is killed at any moment. A copy
// that breaks off (disc full, a folder that cannot be written, a target
// that is in use or a folder itself) never leaves a half-written target.
//
// The copy keeps the source's permissions (an executable stays one) and is
// always readable and writable by its owner, so it can be patched and
// replaced later. prepare, when given, runs on the complete temporary copy
// before it replaces the target; whatever it raises is passed on after the
// temporary copy was removed, and the target stays as it was.
//
// Returns 0 on success, else the error number (errno) of the step that
// failed; no temporary file is left behind either way, and one that a
// killed copy left is replaced.
int CopyFileReplacing(const QString& source, const QString& target,
                      const std::function<void(const QString& copy)>& prepare = {});
