// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/WindowlessProject.h"

#include "controls/ControlFactory.h"

#include <QWidget>

TWindowlessProject::TWindowlessProject() : m_surface(std::make_unique<QWidget>()) {}

TWindowlessProject::~TWindowlessProject() = default;

void TWindowlessProject::SetWindowSize(int width, int height)
{
    m_data.Settings.Width = width;
    m_data.Settings.Height = height;
}

std::unique_ptr<TVoControl> TWindowlessProject::CreateControl(TVoObject& entry)
{
    std::unique_ptr<TVoControl> control = CreateKindControl(entry.ObjectType, m_surface.get());
    if (control) control->Entry = &entry;
    return control;
}
