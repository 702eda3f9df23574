// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

class QPainter;
class TVoImageButton;

// Paints an image button as it stands: the face of its style, the design
// outline of the flat styles, then its image and caption.
void PaintImageButton(QPainter& painter, const TVoImageButton& button);
