// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>

// Where an ISO image is saved. An image inside the project folder would
// go onto the next disc made from it, so the save dialog starts outside.

// The folder the save dialog starts in: the folder of the last image
// saved in this run when it still exists and lies outside the project
// folder, else the folder above the project folder.
QString IsoStartFolder(const QString& projectFolder);
// Remembers the folder of an image just chosen.
void RememberIsoFolder(const QString& imagePath);
// Whether the image would lie inside the project folder.
bool IsoInsideProject(const QString& imagePath, const QString& projectFolder);
