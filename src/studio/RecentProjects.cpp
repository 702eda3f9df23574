// SPDX-License-Identifier: GPL-2.0-or-later
#include "studio/RecentProjects.h"

#include "model/IniFile.h"
#include "model/ProjectPaths.h"
#include "studio/StudioSettings.h"

#include <QDir>

namespace {

QString KeyName(int index)
{
    return SettingsKey::RecentProjectPrefix + QString::number(index + 1);
}

} // namespace

QString RecentProjectKey(const QString& folder)
{
    if (folder.trimmed().isEmpty()) return {};
    return WithoutTrailingSeparator(QDir::toNativeSeparators(QDir::cleanPath(folder)));
}

QStringList PushRecentProject(const QStringList& list, const QString& folder)
{
    const QString key = RecentProjectKey(folder);
    if (key.isEmpty()) return list;
    QStringList pushed = RemoveRecentProject(list, key);
    pushed.prepend(key);
    while (pushed.size() > kMaxRecentProjects) pushed.removeLast();
    return pushed;
}

QStringList RemoveRecentProject(const QStringList& list, const QString& folder)
{
    const QString key = RecentProjectKey(folder);
    QStringList kept;
    for (const QString& entry : list)
        if (RecentProjectKey(entry) != key) kept << entry;
    return kept;
}

QStringList ReadRecentProjects(const TIniFile& ini)
{
    QStringList list;
    for (int i = 0; i < kMaxRecentProjects; ++i) {
        const QString key = RecentProjectKey(ini.ReadString(SettingsKey::RecentSection, KeyName(i), QString()));
        if (!key.isEmpty() && !list.contains(key)) list << key;
    }
    return list;
}

bool WriteRecentProjects(TIniFile& ini, const QStringList& list)
{
    QList<std::pair<QString, QString>> values;
    for (int i = 0; i < kMaxRecentProjects; ++i)
        values.append({KeyName(i), i < list.size() ? list[i] : QString()});
    return ini.WriteStrings(SettingsKey::RecentSection, values);
}
