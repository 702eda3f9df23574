// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

struct TVoObject;

// Receives the clicks and mouse-enter notifications of a menu window's
// objects: the player plays the object's sounds and runs its actions.
class TObjectEventHandler {
public:
    virtual ~TObjectEventHandler() = default;
    virtual void ObjectClicked(TVoObject& entry) = 0;
    virtual void ObjectEntered(TVoObject& entry) = 0;
};
