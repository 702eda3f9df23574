// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/AnsiText.h"

#include <algorithm>
#include <iterator>

namespace {

// Unicode of the bytes 0x80 to 0x9F; the other bytes equal their Latin-1
// value.
constexpr char16_t kHighControls[32] = {
    0x20AC, 0x0081, 0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021, //
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0x008D, 0x017D, 0x008F, //
    0x0090, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014, //
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0x009D, 0x017E, 0x0178,
};

bool InCodePage(char16_t c)
{
    if (c < 0x80 || (c >= 0xA0 && c <= 0xFF)) return true;
    return std::find(std::begin(kHighControls), std::end(kHighControls), c) != std::end(kHighControls);
}

} // namespace

QString ThroughAnsiCodePage(QStringView text)
{
    QString result;
    result.reserve(text.size());
    for (QChar c : text) result.append(InCodePage(c.unicode()) ? c : QChar(u'?'));
    return result;
}
