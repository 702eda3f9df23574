// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

class TempDir;

// velomni-cli, velomni-studio and Default.ico copied into a folder of
// their own, as a studio that is not installed has them: a build writes the
// settings file beside the tool, which must not be the build tree's.
// Returns the tool.
QString InstallTools(const TempDir& dir);
