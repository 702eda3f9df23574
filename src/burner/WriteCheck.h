// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QtGlobal>

class DiscEngine;

// Whether the media in a writer can take the engine's layout, checked
// before every write to a disc by the burner window and the command-line
// tool alike.
enum class WriteReadiness { Ready, NoWritableMedia, NoImage, TooLittleSpace };

struct WriteCheck {
    WriteReadiness readiness = WriteReadiness::Ready;
    qint64 freeBytes = 0;     // on the media
    qint64 requiredBytes = 0; // by the image; -1 when it cannot be made
};

WriteCheck CheckWrite(DiscEngine& engine, int device);
