// SPDX-License-Identifier: GPL-2.0-or-later
#include "model/StudioState.h"

QString StudioVersion;
bool DisplayGrid = true;
bool SnapToGrid = true;
int GridSizeX = 8;
int GridSizeY = 8;
int PasteOffset = 0;
bool InspectorUpdating = false;
