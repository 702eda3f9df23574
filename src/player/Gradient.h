// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "model/Color.h"

#include <QImage>
#include <QPalette>

// Colour i of n steps from a to b: each channel is a + (b - a) * i / n,
// rounded to the nearest integer with ties to even. An n below 1 counts
// as 1; system colours are resolved through the palette first. The result
// is an RGB colour with the top byte 0.
TColor BlendColor(TColor a, TColor b, int n, int i, const QPalette& palette);

// Paints the whole surface in one of the gradient styles 1 to 8 (the
// GradientStyle codes) as one-pixel lines from c1 to c2. Style 0 or an
// unknown style, or an empty surface, paints nothing.
void GradientFill(QImage& surface, int style, TColor c1, TColor c2, const QPalette& palette);
