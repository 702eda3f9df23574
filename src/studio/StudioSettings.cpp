// SPDX-License-Identifier: GPL-2.0-or-later
#include "studio/StudioSettings.h"

#include "model/ProcessState.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>

QString StudioSettingsPath(const QString& exeFolder)
{
    const QString name = QStringLiteral("VelomniStudio.ini");
    const QFileInfo folder(exeFolder);
    if (exeFolder.isEmpty() || !folder.isDir() || folder.isWritable())
        return QDir(exeFolder).filePath(name);
    const QString config = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    QDir(config).mkpath(QStringLiteral("Velomni Studio"));
    return QDir(config).filePath(QStringLiteral("Velomni Studio/") + name);
}

QString StudioSettingsFile()
{
    return StudioSettingsPath(ExeFolder);
}
