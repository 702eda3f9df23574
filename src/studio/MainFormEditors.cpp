// SPDX-License-Identifier: GPL-2.0-or-later
// The picture and text editors the property grid opens.
#include "studio/MainForm.h"

// Replaced by the image and text editor dialogs when they join the studio.
bool TMainForm::EditPicture(TPicture&, bool)
{
    return false;
}

bool TMainForm::EditText(QString&)
{
    return false;
}
