// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/KindRecord.h"

#include "model/ErrorReports.h"
#include "model/StreamPrimitives.h"
#include "model/VoStream.h"

namespace {
constexpr qint32 kKindRecordVersion = 0;
}

void WriteKindVersion(TVoStream& stream)
{
    stream.WriteI32(kKindRecordVersion);
}

bool ReadKindVersion(TVoStream& stream)
{
    if (stream.ReadI32() == kKindRecordVersion) return true;
    ShowDataError();
    return false;
}

bool WriteTextHead(TVoStream& stream, const TTextHead& head)
{
    if (!WriteString(stream, head.text) || !WriteFont(stream, head.font) || !WriteString(stream, head.hint))
        return false;
    stream.WriteI16(head.cursor);
    return true;
}

bool ReadTextHead(TVoStream& stream, TTextHead& head)
{
    if (!ReadString(stream, head.text) || !ReadFont(stream, head.font) || !ReadString(stream, head.hint))
        return false;
    head.cursor = stream.ReadI16();
    return true;
}
