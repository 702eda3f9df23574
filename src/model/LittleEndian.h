// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>

// Little-endian numbers at a byte offset of stored data, as the icon,
// bitmap and metafile formats hold them. A number that does not lie
// wholly inside the bytes throws StreamError::Truncated. The signed ones
// come widened, so that differences of them cannot overflow.
quint32 LeU8(const QByteArray& bytes, qint64 at);
quint32 LeU16(const QByteArray& bytes, qint64 at);
quint32 LeU32(const QByteArray& bytes, qint64 at);
qint64 LeI16(const QByteArray& bytes, qint64 at);
qint64 LeI32(const QByteArray& bytes, qint64 at);
