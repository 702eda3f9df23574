// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

// The studio's version, read once at start-up; the build compares the
// player copy in a project with it.
extern QString StudioVersion;   // FileVersion of the running executable; empty without one
