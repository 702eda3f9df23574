// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "model/ProjectSettings.h"
#include "model/VoAction.h"
#include "model/VoObject.h"

#include <memory>

// What the project file needs of the window that holds a project: its
// settings, objects and start actions, and the few window operations a
// load performs. The menu window implements it; so does a window-less
// document for tools that work without a display.
class TProjectHost {
public:
    virtual ~TProjectHost() = default;

    virtual TProjectSettings& Settings() = 0;
    virtual TObjectList& ObjectList() = 0;
    virtual TVoActions& StartActions() = 0;

    // Every setting to its default, no objects, no start actions.
    virtual void ResetProject() = 0;
    // The window icon from a loaded picture; a graphic that is not an icon
    // gives no icon. The host keeps Settings().FormIcon as the icon to save.
    virtual void SetWindowIcon(const TPicture& icon) = 0;
    // Width and height in one step.
    virtual void SetWindowSize(int width, int height) = 0;
    // A new control of the entry's kind on the client surface, its Entry
    // set and, for kinds 0 to 4, its click and mouse-enter events bound to
    // the host's handlers. Nothing for a kind outside 0 to 5.
    virtual std::unique_ptr<TVoControl> CreateControl(TVoObject& entry) = 0;
    // After a load: paint the background and place the window.
    virtual void RedrawBackground() = 0;
    virtual void PositionWindow() = 0;
};
