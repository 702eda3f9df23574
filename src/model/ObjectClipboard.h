// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

class TMemoryStream;

// The clipboard format that carries objects between studio windows.
extern const QString ClipboardFormat; // "VelomniStudioObjects"
// The MIME type under which Qt puts that format on the clipboard.
QString ClipboardMimeType(const QString& format);

// Whether the clipboard holds data of the format.
bool ClipboardHasFormat(const QString& format);
// Puts the stream's bytes from its current position on the clipboard,
// preceded by their count as 32 bits.
bool PutStreamOnClipboard(TMemoryStream& stream, const QString& format);
// False when the clipboard holds nothing of the format; otherwise writes
// the counted bytes into the stream from position 0.
bool GetStreamFromClipboard(TMemoryStream& stream, const QString& format);
