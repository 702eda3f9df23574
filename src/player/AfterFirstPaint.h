// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <functional>

// Runs the action once, from the event loop, after the first window of
// the program has painted (a splash, the backdrop or the menu), or after
// two seconds if nothing has painted by then. Work that a first frame does
// not need waits here, so the menu appears as soon as it can.
void RunAfterFirstPaint(std::function<void()> action);
