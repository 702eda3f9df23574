// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "model/Color.h"

#include <QString>

class QFont;

// Font style bits as stored.
enum : quint8 { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

// A stored font. A new font has the platform's default face, size and
// character set, and black text.
struct TVoFont {
    QString Name = QStringLiteral("Sans Serif");
    TColor Color = clBlack;
    qint32 Size = 8;     // points
    quint8 Charset = 1;  // Windows character set number; 1 is the default set
    quint8 Style = 0;    // fsBold | fsItalic | fsUnderline | fsStrikeOut

    bool operator==(const TVoFont&) const = default;
};

// The Qt font to draw with (the colour is separate). A size of 0 or less
// keeps the default point size.
QFont ToQFont(const TVoFont& font);
