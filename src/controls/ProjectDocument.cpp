// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/ProjectDocument.h"

#include "controls/ControlFactory.h"

#include <QWidget>

TProjectDocument::TProjectDocument() : m_surface(std::make_unique<QWidget>()) {}

TProjectDocument::~TProjectDocument() = default;

void TProjectDocument::SetWindowSize(int width, int height)
{
    m_data.Settings.Width = width;
    m_data.Settings.Height = height;
}

std::unique_ptr<TVoControl> TProjectDocument::CreateControl(TVoObject& entry)
{
    std::unique_ptr<TVoControl> control = CreateKindControl(entry.ObjectType, m_surface.get());
    if (control) control->Entry = &entry;
    return control;
}
