// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QStringList>

// The entries of a folder whose names are not valid UTF-8 (written under
// another character set). Qt's folder listings leave them out without a
// word; the names come back with U+FFFD for the bytes that do not decode.
// Empty where file names are always text (Windows).
QStringList UndecodableEntryNames(const QString& folder);
