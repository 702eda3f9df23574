// SPDX-License-Identifier: GPL-2.0-or-later
#include "model/ProjectData.h"

TProjectData::~TProjectData()
{
    FreeObjectList(Objects);
    ClearActionList(StartActions);
}

void TProjectData::Reset()
{
    Settings = TProjectSettings{};
    FreeObjectList(Objects);
    ClearActionList(StartActions);
}

bool TProjectData::SetFormIcon(const TPicture& icon)
{
    const TGraphic* graphic = icon.Graphic();
    if (graphic && graphic->Kind() == GraphicKind::Icon && !graphic->Empty()) {
        Settings.FormIcon = icon;
        return true;
    }
    Settings.FormIcon.Clear();
    return false;
}
