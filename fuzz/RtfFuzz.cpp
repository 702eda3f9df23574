// SPDX-License-Identifier: GPL-2.0-or-later
// Fuzz target: any bytes as a rich-text file for the rich-text panel.
#include "FuzzSetup.h"

#include "controls/RtfReader.h"

#include <QTextDocument>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    SetUpFuzzing();
    QTextDocument document;
    ReadRtf(document, FuzzBytes(data, size));
    return 0;
}
