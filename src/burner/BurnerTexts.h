// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "burner/DiscEngine.h"

#include <QString>

// The burner's texts made from values, as plain functions.

// A speed factor with two decimals and "x": "4.00x", "16.00x".
QString SpeedText(double factor);
// A byte count in MB (1048576 bytes) with two decimals: "700.00 MB".
QString MegabyteText(qint64 bytes);
// The refusal of a write to a disc with too little free space.
QString FreeSpaceMessage(qint64 freeBytes, qint64 requiredBytes);
QString WriteErrorText(const WriteError& error);
QString DeviceErrorText(const DeviceError& error);
QString FileWarningText(const FileWarning& warning);
// The status line for a write status; empty for none.
QString WriteStatusText(int status);

// The capability a writer needs to erase a media type; 0 when that media
// type cannot be erased.
int EraseCapabilityFor(int mediaType);

// The source pattern of a folder and what the layout messages say.
QString FolderPattern(const QString& folder);
QString FolderNotAddedMessage(const QString& pattern);
QString FileNotAddedMessage(const QString& path);
