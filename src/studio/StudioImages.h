// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QPixmap>

// The studio's small pictures, drawn in code so they scale with the
// screen and need no files.

// The tool bar's 24 x 24 images: 0 New Project, 1 Open, 2 Save, 3 Save and
// Test, 4 Save and Burn, 5 Select, 6..11 the object kinds Button to
// Explorer.
QPixmap ToolImage(int index);
constexpr int kToolImageCount = 12;

// The sidebar's 16 x 16 images: 0 the project, 1 the window rows, 2 the
// cursor and sound rows, 3 the position rows, 4 an action, 5 the
// "Properties" page, 6..11 the object kinds (kind code + 6), 12 the splash
// rows, 13 the backdrop rows; -1 the property grid's current-row marker.
QPixmap SidebarImage(int index);
constexpr int kSidebarProjectImage = 0;
constexpr int kSidebarWindowImage = 1;
constexpr int kSidebarCommonImage = 2;
constexpr int kSidebarPositionImage = 3;
constexpr int kSidebarSplashImage = 12;
constexpr int kSidebarBackdropImage = 13;
constexpr int kSidebarCurrentRowImage = -1;
constexpr int kSidebarActionImage = 4;
constexpr int kSidebarPropertiesImage = 5;
constexpr int kSidebarFirstKindImage = 6;
