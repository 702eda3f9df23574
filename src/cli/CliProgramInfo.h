// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// The line `velomni-cli --version` prints: the program and its version.
const char* CliVersionLine();
// Prints that line to standard output.
int RunProgramVersion();
