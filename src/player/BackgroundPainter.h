// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include "model/Color.h"
#include "model/Picture.h"
#include "model/ProjectSettings.h"
#include "player/PlayerState.h"

#include <QImage>
#include <QPalette>

// Paints the menu window's background surface from the project settings:
// the back colour or gradient, the background picture in its style, then
// the design grid when it is visible.
void PaintBackground(QImage& surface, const TProjectSettings& s, const TGridDisplay& grid,
                     const QPalette& palette);

// Paints the full-screen backdrop: colour or gradient, then the picture in
// its style (isNormal, isCenter, isStretch, isTile). No grid.
void PaintBackdrop(QImage& surface, TColor color, int gradientStyle, TColor gradientColor,
                   const TPicture& image, int imageStyle, const QPalette& palette);
