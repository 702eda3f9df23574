// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "model/VoObject.h"

#include <vector>

class QImage;
class QRect;
struct GuideLine;

// Inverts every other pixel along the edges of the rectangle (inclusive
// bounds), as a dotted focus rectangle is drawn: drawing it again removes
// it. Pixels outside the image are skipped.
void XorDottedRect(QImage& image, const QRect& rect);

// The selection marks over a picture of the menu window: a thick dotted
// frame around the current object and eight handle squares around every
// selected object, blue for the current object and grey for the others. currentEntry is the selector's entry (object i
// is entry i + 1).
void DrawSelectionMarks(QImage& picture, const TObjectList& objects, int currentEntry);

// The smart guide lines of a drag: one pixel wide, magenta, so that they
// stand apart from the selection marks and the grid. Parts outside the
// picture are left out; a line on the window's far edge is drawn on its
// last pixel.
void DrawGuideLines(QImage& picture, const std::vector<GuideLine>& lines);
