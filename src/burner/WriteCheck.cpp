// SPDX-License-Identifier: GPL-2.0-or-later
#include "burner/WriteCheck.h"

#include "burner/DiscEngine.h"

WriteCheck CheckWrite(DiscEngine& engine, int device)
{
    WriteCheck check;
    const MediaInfo media = engine.RefreshMedia(device);
    if (media.type == kMediaNone || !media.writable) {
        check.readiness = WriteReadiness::NoWritableMedia;
        return check;
    }
    check.freeBytes = engine.FreeBlocks(device) * engine.BlockSize();
    check.requiredBytes = engine.ImageSize();
    if (check.requiredBytes < 0)
        check.readiness = WriteReadiness::NoImage;
    else if (check.requiredBytes > check.freeBytes)
        check.readiness = WriteReadiness::TooLittleSpace;
    return check;
}
