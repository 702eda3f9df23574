// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// The burner window is idle (ready for a command) or busy (an operation
// runs and only Abort answers).
enum class BurnerMode { Idle, Busy };

struct BurnerButtonStates {
    bool write = false;
    bool abort = false;
    bool saveIso = false;
    bool quickErase = false;
    bool eject = false;
    bool closeTray = false;
    bool close = false;
    bool deviceList = false;
    bool speedList = false;
};

// Every control's enabled state for a mode.
BurnerButtonStates ButtonStatesFor(BurnerMode mode, bool writerChosen, bool devicesListed);
