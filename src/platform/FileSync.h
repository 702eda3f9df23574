// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

// Making a replaced file last. A file written beside its target and renamed
// over it survives a killed process as soon as the rename is done; to
// survive a power loss as well, the new file's bytes must reach the disc
// before the rename, and the folder's entry after it.

// Writes the file's bytes to the disc. Returns 0 or the error number.
int SyncFileToDisc(const QString& path);

// Writes the folder's entries (a rename in it) to the disc. Returns 0 or
// the error number; systems that cannot sync a folder (Windows, where the
// rename itself is written through) count as success.
int SyncFolderToDisc(const QString& folder);

// The name a file is written under before it replaces path: the same name
// in every run, so a file that a killed save left behind is taken over and
// removed by the next save instead of piling up beside the project.
QString SavingFileName(const QString& path);
