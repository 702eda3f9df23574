// SPDX-License-Identifier: GPL-2.0-or-later
#include "model/LittleEndian.h"

#include "model/StreamError.h"

quint32 LeU8(const QByteArray& bytes, qint64 at)
{
    if (at < 0 || at >= bytes.size()) throw StreamError::Truncated("data ends early");
    return uchar(bytes[qsizetype(at)]);
}

quint32 LeU16(const QByteArray& bytes, qint64 at)
{
    return LeU8(bytes, at) | (LeU8(bytes, at + 1) << 8);
}

quint32 LeU32(const QByteArray& bytes, qint64 at)
{
    return LeU16(bytes, at) | (LeU16(bytes, at + 2) << 16);
}

qint64 LeI16(const QByteArray& bytes, qint64 at)
{
    return qint16(LeU16(bytes, at));
}

qint64 LeI32(const QByteArray& bytes, qint64 at)
{
    return qint32(LeU32(bytes, at));
}
