// SPDX-License-Identifier: GPL-2.0-or-later
#include "controls/KindRecord.h"

#include "model/ErrorReports.h"
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
