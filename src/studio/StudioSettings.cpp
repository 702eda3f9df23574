// SPDX-License-Identifier: GPL-2.0-or-later
#include "studio/StudioSettings.h"

#include "model/ProcessState.h"
#include "studio/ProgramFiles.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString StudioSettingsPath(const QString& exeFolder)
{
    const QString name = QStringLiteral("VelomniStudio.ini");
    const QFileInfo folder(exeFolder);
    // An installed studio never writes beside its executable, even where it
    // could (run by root, or installed below a prefix the user owns).
    const bool installed = !InstalledDataFolder(exeFolder).isEmpty();
    if (exeFolder.isEmpty() || !folder.isDir() || (folder.isWritable() && !installed))
        return QDir(exeFolder).filePath(name);
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QDir(config).mkpath(QStringLiteral("Velomni Studio"));
    return QDir(config).filePath(QStringLiteral("Velomni Studio/") + name);
}

QString StudioSettingsFile()
{
    return StudioSettingsPath(ExeFolder);
}
