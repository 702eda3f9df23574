// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

// A stored project-relative path ("\media\intro.wav": backslashes, usually
// with a leading one) as a native full path below the base folder. Empty
// when either is empty. Stored paths keep their form everywhere else; only
// file-system access uses the result.
QString ResolveProjectPath(const QString& baseFolder, const QString& storedPath);

// The folder without one trailing separator (a root folder stays whole).
QString WithoutTrailingSeparator(const QString& folder);
