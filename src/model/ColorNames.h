// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "model/Color.h"

#include <QString>

#include <span>

// A colour with the readable name the studio shows for it.
struct TNamedColor {
    TColor color;
    const char* name;
};

// The named colours in list order: the 16 standard colours, 4 extended
// ones and 30 system colours. The property grid names colours with them,
// and the colour picker lists them.
std::span<const TNamedColor> NamedColors();
// The position of the colour among NamedColors, or -1. Values compared as
// stored: a system colour never matches the RGB colour it shows as.
int NamedColorIndex(TColor color);
// The colour's name, or "Custom" for any colour without one.
QString ColorName(TColor color);
// The name of every colour without one of its own.
inline const QString kCustomColorName = QStringLiteral("Custom");
