// SPDX-License-Identifier: GPL-2.0-or-later
// Fuzz target: any bytes as a clipboard block of objects. The block is
// read as a paste reads it; what was added must write again.
#include "FuzzSetup.h"

#include "controls/WindowlessProject.h"
#include "model/ProjectFile.h"
#include "model/VoStream.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    SetUpFuzzing();
    TWindowlessProject document;
    TMemoryStream stream(FuzzBytes(data, size));
    int added = 0;
    if (!ReadObjectBlock(stream, document, {}, added)) return 0;
    TMemoryStream again;
    for (const TVoObject* entry : document.ObjectList()) WriteObjectRecord(again, *entry);
    return 0;
}
