// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// velomni-cli --version: prints the program and its version to standard
// output.
int RunProgramVersion();
