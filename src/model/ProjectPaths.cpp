// SPDX-License-Identifier: GPL-2.0-or-later
#include "model/ProjectPaths.h"

#include <QDir>

QString ResolveProjectPath(const QString& baseFolder, const QString& storedPath)
{
    if (baseFolder.isEmpty() || storedPath.isEmpty()) return QString();
    QString relative = storedPath;
    if (!relative.startsWith(QLatin1Char('\\'))) relative.prepend(QLatin1Char('\\'));
    QString base = baseFolder;
    if (base.endsWith(QLatin1Char('\\')) || base.endsWith(QLatin1Char('/')))
        base.chop(1);
    relative.replace(QLatin1Char('\\'), QLatin1Char('/'));
    return QDir::toNativeSeparators(base + relative);
}

QString WithoutTrailingSeparator(const QString& folder)
{
    QString result = folder;
    if (result.size() > 1 && (result.endsWith(QLatin1Char('\\')) || result.endsWith(QLatin1Char('/'))))
        result.chop(1);
    return result;
}
