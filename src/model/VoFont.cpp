// SPDX-License-Identifier: GPL-2.0-or-later
#include "model/VoFont.h"

#include <QFont>

QFont ToQFont(const TVoFont& font)
{
    QFont f(font.Name);
    if (font.Size > 0) f.setPointSize(font.Size);
    f.setBold(font.Style & fsBold);
    f.setItalic(font.Style & fsItalic);
    f.setUnderline(font.Style & fsUnderline);
    f.setStrikeOut(font.Style & fsStrikeOut);
    return f;
}
