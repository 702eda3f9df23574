// SPDX-License-Identifier: GPL-2.0-or-later
#include "studio/WindowPlace.h"

#include "model/IniFile.h"
#include "studio/StudioSettings.h"

#include <algorithm>

namespace {

// The canvas keeps at least this much of the window beside the sidebar.
constexpr int kMinCanvasWidth = 200;
constexpr int kMinColumnWidth = 20;
constexpr int kMaxColumnWidth = 2000;

qint64 Area(const QRect& rect)
{
    return rect.isEmpty() ? 0 : qint64(rect.width()) * rect.height();
}

} // namespace

TWindowPlace ReadWindowPlace(const TIniFile& ini)
{
    const QString& section = SettingsKey::WindowSection;
    auto read = [&](const QString& key, int fallback) { return ini.ReadInteger(section, key, fallback); };
    TWindowPlace place;
    place.normal = QRect(read(SettingsKey::WindowLeft, 0), read(SettingsKey::WindowTop, 0),
                         read(SettingsKey::WindowWidth, 0), read(SettingsKey::WindowHeight, 0));
    if (place.normal.isEmpty()) place.normal = QRect();
    place.maximized = ini.ReadBool(section, SettingsKey::WindowMaximized, true);
    place.sidebarWidth = read(SettingsKey::SidebarWidth, 0);
    place.nameColumnWidth = read(SettingsKey::NameColumnWidth, 0);
    place.valueColumnWidth = read(SettingsKey::ValueColumnWidth, 0);
    return place;
}

bool WriteWindowPlace(TIniFile& ini, const TWindowPlace& place)
{
    const auto number = [](int value) { return QString::number(value); };
    return ini.WriteStrings(SettingsKey::WindowSection,
                            {{SettingsKey::WindowLeft, number(place.normal.left())},
                             {SettingsKey::WindowTop, number(place.normal.top())},
                             {SettingsKey::WindowWidth, number(place.normal.width())},
                             {SettingsKey::WindowHeight, number(place.normal.height())},
                             {SettingsKey::WindowMaximized, number(place.maximized ? 1 : 0)},
                             {SettingsKey::SidebarWidth, number(place.sidebarWidth)},
                             {SettingsKey::NameColumnWidth, number(place.nameColumnWidth)},
                             {SettingsKey::ValueColumnWidth, number(place.valueColumnWidth)}});
}

QRect FitToScreens(const QRect& saved, const QList<QRect>& screens)
{
    if (saved.isEmpty()) return {};
    const QRect* best = nullptr;
    qint64 bestArea = 0;
    for (const QRect& screen : screens) {
        const qint64 area = Area(saved.intersected(screen));
        if (area > bestArea) {
            bestArea = area;
            best = &screen;
        }
    }
    if (!best) return {};
    const QSize size = saved.size().boundedTo(best->size());
    // Kept as wide as the screen, the left edge can only be the screen's.
    const int left = std::clamp(saved.left(), best->left(), best->right() + 1 - size.width());
    const int top = std::clamp(saved.top(), best->top(), best->bottom() + 1 - size.height());
    return QRect(QPoint(left, top), size);
}

int FitSidebarWidth(int saved, int windowWidth)
{
    if (saved <= 0) return kDefaultSidebarWidth;
    return std::max(kMinSidebarWidth, std::min(saved, windowWidth - kMinCanvasWidth));
}

int FitColumnWidth(int saved)
{
    return saved <= 0 ? 0 : std::clamp(saved, kMinColumnWidth, kMaxColumnWidth);
}
