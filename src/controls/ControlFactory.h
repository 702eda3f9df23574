// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "model/ObjectControl.h"

#include <memory>

class QWidget;

// A new control of an object kind (0 to 5) with its defaults, a child of
// the parent; nothing for any other kind. The pointer owns the widget.
std::unique_ptr<TVoControl> CreateKindControl(int kind, QWidget* parent);
// The widget of a control; nullptr for none.
QWidget* ControlWidget(TVoControl* control);
