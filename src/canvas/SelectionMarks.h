// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "model/VoObject.h"

class QImage;
class QRect;

// Inverts every other pixel along the edges of the rectangle (inclusive
// bounds), as a dotted focus rectangle is drawn: drawing it again removes
// it. Pixels outside the image are skipped.
void XorDottedRect(QImage& image, const QRect& rect);

// The selection marks over a picture of the menu window: a thick dotted
// frame around the current object and eight handle squares around every
// selected object, blue for the current object and grey for the others. currentEntry is the selector's entry (object i
// is entry i + 1).
void DrawSelectionMarks(QImage& picture, const TObjectList& objects, int currentEntry);
