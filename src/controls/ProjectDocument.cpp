// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/ProjectDocument.h"

#include "controls/ControlFactory.h"

#include <QWidget>

TProjectDocument::TProjectDocument() : m_surface(std::make_unique<QWidget>()) {}

TProjectDocument::~TProjectDocument()
{
    FreeObjectList(m_objects);
    ClearActionList(m_startActions);
}

void TProjectDocument::ResetProject()
{
    m_settings = TProjectSettings{};
    FreeObjectList(m_objects);
    ClearActionList(m_startActions);
}

void TProjectDocument::SetWindowIcon(const TPicture& icon)
{
    const TGraphic* graphic = icon.Graphic();
    if (graphic && graphic->Kind() == GraphicKind::Icon)
        m_settings.FormIcon = icon;
    else
        m_settings.FormIcon.Clear();
}

void TProjectDocument::SetWindowSize(int width, int height)
{
    m_settings.Width = width;
    m_settings.Height = height;
}

std::unique_ptr<TVoControl> TProjectDocument::CreateControl(TVoObject& entry)
{
    std::unique_ptr<TVoControl> control = CreateKindControl(entry.ObjectType, m_surface.get());
    if (control) control->Entry = &entry;
    return control;
}
