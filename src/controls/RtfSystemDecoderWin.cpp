// SPDX-License-Identifier: GPL-2.0-or-later
// Windows decodes its own code pages; bytes that are not valid in the code
// page become U+FFFD.
#include "controls/RtfSystemDecoder.h"

#include <windows.h>

#include <climits>

bool DecodeWithSystem(int codePage, QByteArrayView bytes, QString& text)
{
    if (!IsValidCodePage(UINT(codePage))) return false;
    if (bytes.isEmpty()) return true;
    if (bytes.size() > INT_MAX / 2) return false;
    const int count = int(bytes.size());
    const int needed = MultiByteToWideChar(UINT(codePage), 0, bytes.data(), count, nullptr, 0);
    if (needed <= 0) return false;
    const qsizetype start = text.size();
    text.resize(start + needed);
    MultiByteToWideChar(UINT(codePage), 0, bytes.data(), count, reinterpret_cast<wchar_t*>(text.data() + start),
                        needed);
    return true;
}
