// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

class QFont;

// The name the font database gives the style of the font's family that has
// the font's weight and slant ("Book" for a plain DejaVu Sans, "Bold
// Oblique" for a bold italic one); empty when the family has none. A font
// dialog given a font without its style name picks a style by its own
// guess, and may start on an italic face for a plain font.
QString MatchingStyleName(const QFont& font);
