// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

// Stored text is Windows-1252. The five bytes that code page leaves
// undefined (0x81, 0x8D, 0x8F, 0x90, 0x9D) map to the C1 controls of the
// same value, so every byte string survives a decode and an encode.
QString DecodeAnsi(const QByteArray& bytes);
// Characters that Windows-1252 cannot hold become '?'.
QByteArray EncodeAnsi(const QString& text);
