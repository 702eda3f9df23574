// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArrayView>
#include <QString>

// The system's own converter for the double-byte and rarer code pages:
// appends the decoded bytes to text, a byte it cannot convert as U+FFFD.
// False when the system does not know the code page.
bool DecodeWithSystem(int codePage, QByteArrayView bytes, QString& text);
