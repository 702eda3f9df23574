// SPDX-License-Identifier: GPL-2.0-or-later
// The picture and text editors the property grid opens.
#include "studio/MainForm.h"

#include "studio/ImageEditorForm.h"
#include "studio/TextEditorForm.h"

bool TMainForm::EditPicture(TPicture& picture, bool iconOnly)
{
    return ::EditPicture(picture, iconOnly, this);
}

bool TMainForm::EditText(QString& text)
{
    return ::EditText(text, this);
}
