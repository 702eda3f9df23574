// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "model/ProjectSettings.h"
#include "model/VoAction.h"
#include "model/VoObject.h"

// What a project is made of, whichever host holds it: the window-level
// settings, the objects in painting order and the start actions. The
// holder owns the objects and the actions.
class TProjectData {
public:
    TProjectData() = default;
    ~TProjectData();
    TProjectData(const TProjectData&) = delete;
    TProjectData& operator=(const TProjectData&) = delete;

    TProjectSettings Settings;
    TObjectList Objects;
    TVoActions StartActions;

    // Every setting to its default, no objects, no start actions.
    void Reset();
    // Keeps the picture as the window icon when it holds an icon, else
    // clears the icon; returns whether one was kept.
    bool SetFormIcon(const TPicture& icon);
};
