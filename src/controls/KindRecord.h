// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "model/Cursor.h"
#include "model/VoFont.h"

#include <QString>

class TVoStream;

// Every kind record starts with a signed 32-bit version; only 0 exists.
void WriteKindVersion(TVoStream& stream);
// Reads the version. Any other version than 0 is shown as a data error
// and gives false; a read past the end throws.
bool ReadKindVersion(TVoStream& stream);

// The fields that lead the records of the text kinds (text, text box,
// rich text) after the version: their text, font, hint and cursor.
struct TTextHead {
    QString text;
    TVoFont font;
    QString hint;
    TCursor cursor = crDefault;
};
bool WriteTextHead(TVoStream& stream, const TTextHead& head);
// False after the report of a damaged text or font; a read past the end
// throws.
bool ReadTextHead(TVoStream& stream, TTextHead& head);
