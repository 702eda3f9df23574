// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/ControlFactory.h"

#include "controls/VoBrowser.h"
#include "controls/VoImage.h"
#include "controls/VoImageButton.h"
#include "controls/VoRichText.h"
#include "controls/VoSimpleText.h"
#include "controls/VoTextBox.h"
#include "model/Kinds.h"

std::unique_ptr<TVoControl> CreateKindControl(int kind, QWidget* parent)
{
    switch (kind) {
    case okButton: return std::make_unique<TVoImageButton>(parent);
    case okImage: return std::make_unique<TVoImage>(parent);
    case okText: return std::make_unique<TVoSimpleText>(parent);
    case okTextBox: return std::make_unique<TVoTextBox>(parent);
    case okRichText: return std::make_unique<TVoRichText>(parent);
    case okExplorer: return std::make_unique<TVoBrowser>(parent);
    default: return nullptr;
    }
}

QWidget* ControlWidget(TVoControl* control)
{
    return dynamic_cast<QWidget*>(control);
}
