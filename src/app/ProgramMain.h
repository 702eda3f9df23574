// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <memory>

class QApplication;
class TVelomniForm;

// Runs the studio's main window on a loaded project until it closes and
// returns the exit status.
using StudioRunner = int (*)(QApplication& app, std::unique_ptr<TVelomniForm> form);

// The whole program: answers --help and --version, makes the application,
// decides the mode from the executable's version information and runs the
// studio (through runStudio) or the player. A program without the studio
// passes no runner and always plays.
int RunProgram(int argc, char** argv, StudioRunner runStudio);
