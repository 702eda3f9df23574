// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QList>
#include <QRect>

class TIniFile;

// The main window's place as the settings file keeps it from one run to
// the next: the window's area when not maximised, whether it was
// maximised, the sidebar's width and the property grid's column widths.
// A value never saved reads as 0 (an empty area), which keeps the default.
struct TWindowPlace {
    QRect normal;
    bool maximized = true;
    int sidebarWidth = 0;
    int nameColumnWidth = 0;
    int valueColumnWidth = 0;

    bool operator==(const TWindowPlace&) const = default;
};

TWindowPlace ReadWindowPlace(const TIniFile& ini);
// All keys in one rewrite of the file; false when it cannot be written.
bool WriteWindowPlace(TIniFile& ini, const TWindowPlace& place);

// Where a saved area goes on screens with the given available areas: on
// the screen it overlaps most, shrunk to that screen's size where larger
// and moved just far enough to lie wholly inside it. An empty rectangle
// when the area is empty or overlaps no screen at all, meaning the
// default placement.
QRect FitToScreens(const QRect& saved, const QList<QRect>& screens);

// A saved sidebar width held between the sidebar's least width and what
// leaves the canvas some room in a window of the given width; the
// default width for none saved.
int FitSidebarWidth(int saved, int windowWidth);
// A saved column width held to a range a grid can show; 0 for none saved.
int FitColumnWidth(int saved);

inline constexpr int kDefaultSidebarWidth = 232;
inline constexpr int kMinSidebarWidth = 120;
