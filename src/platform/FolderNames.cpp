// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/FolderNames.h"

#include <QFile>

#ifdef Q_OS_UNIX
#include <dirent.h>
#endif

QStringList UndecodableEntryNames(const QString& folder)
{
    QStringList names;
#ifdef Q_OS_UNIX
    DIR* dir = opendir(QFile::encodeName(folder).constData());
    if (!dir) return names;
    while (const dirent* entry = readdir(dir)) {
        const QByteArray bytes(entry->d_name);
        if (bytes == "." || bytes == "..") continue;
        const QString name = QFile::decodeName(bytes);
        if (QFile::encodeName(name) != bytes) names << name;
    }
    closedir(dir);
#else
    Q_UNUSED(folder);
#endif
    return names;
}
