// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <optional>

// velomni-studio --help (or -h) and --version: the answer goes to standard
// output before any window or display is opened. Returns the exit status
// when the one argument asks for it; nothing otherwise.
std::optional<int> AnswerProgramInfo(int argc, const char* const* argv);
