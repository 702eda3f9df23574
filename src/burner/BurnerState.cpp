// SPDX-License-Identifier: GPL-2.0-or-later
#include "burner/BurnerState.h"

BurnerButtonStates ButtonStatesFor(BurnerMode mode, bool writerChosen, bool devicesListed)
{
    BurnerButtonStates states;
    if (mode == BurnerMode::Busy) {
        states.abort = true;
        return states;
    }
    states.write = states.quickErase = states.eject = states.closeTray = writerChosen;
    states.saveIso = states.close = true;
    states.deviceList = states.speedList = devicesListed;
    return states;
}
