// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "model/ObjectControl.h"

#include <functional>

// A handler of a control's click or mouse-enter event; the host binds it
// and finds the object through the control's Entry.
using TControlEvent = std::function<void(TVoControl&)>;

// Calls the handler if one is bound. The call runs on a copy, so a
// handler that rebinds or clears the event does not destroy itself.
inline void FireControlEvent(const TControlEvent& event, TVoControl& control)
{
    if (!event) return;
    const TControlEvent handler = event;
    handler(control);
}
