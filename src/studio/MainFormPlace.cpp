// SPDX-License-Identifier: GPL-2.0-or-later
// The main window's place, sidebar width and grid columns, kept in the
// settings file from one run to the next.
#include "studio/MainForm.h"

#include "inspector/PropertyGrid.h"
#include "model/IniFile.h"
#include "studio/StudioSettings.h"
#include "studio/WindowPlace.h"

#include <QGuiApplication>
#include <QScreen>
#include <QSplitter>

void TMainForm::RestoreWindowPlace()
{
    const TWindowPlace place = ReadWindowPlace(TIniFile(StudioSettingsFile()));
    QList<QRect> screens;
    for (const QScreen* screen : QGuiApplication::screens()) screens << screen->availableGeometry();
    // A place on no screen (one unplugged since) keeps the default:
    // maximised on the primary screen.
    const QRect normal = FitToScreens(place.normal, screens);
    if (!normal.isEmpty()) {
        // Set un-maximised, the area is where the window returns to when
        // maximised again.
        setWindowState(windowState() & ~Qt::WindowMaximized);
        setGeometry(normal);
        if (place.maximized) setWindowState(windowState() | Qt::WindowMaximized);
    }
    // The canvas takes what the window gains or loses around the sidebar.
    const int sidebar = FitSidebarWidth(place.sidebarWidth, width());
    Splitter1->setSizes({qMax(1, width() - sidebar), sidebar});
    if (const int name = FitColumnWidth(place.nameColumnWidth)) ValueEdit->setColumnWidth(0, name);
    if (const int value = FitColumnWidth(place.valueColumnWidth)) ValueEdit->setColumnWidth(1, value);
}

void TMainForm::SaveWindowPlace()
{
    TIniFile ini(StudioSettingsFile());
    TWindowPlace place = ReadWindowPlace(ini);
    place.maximized = isMaximized();
    const QRect normal = isMaximized() || isMinimized() || isFullScreen() ? normalGeometry() : geometry();
    if (!normal.isEmpty()) place.normal = normal;
    // A hidden sidebar has no width of its own; the last one shown stays.
    if (ScrollBox2->isVisible()) place.sidebarWidth = ScrollBox2->width();
    place.nameColumnWidth = ValueEdit->columnWidth(0);
    place.valueColumnWidth = ValueEdit->columnWidth(1);
    // A settings file that cannot be written keeps the last place.
    WriteWindowPlace(ini, place);
}
