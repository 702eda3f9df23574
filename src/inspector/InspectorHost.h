// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "model/Color.h"

#include <QString>

class QWidget;
class TPicture;

// What the property inspector needs of the studio: the editor dialogs,
// which live above it.
class TInspectorHost {
public:
    virtual ~TInspectorHost() = default;
    // Each true only when the user confirmed a change; the value is then
    // the new one.
    virtual bool SelectColor(TColor& color) = 0;
    virtual bool EditPicture(TPicture& picture, bool iconOnly) = 0;
    virtual bool EditText(QString& text) = 0;
    // The window the dialogs belong to.
    virtual QWidget* DialogParent() = 0;
};
