// SPDX-License-Identifier: GPL-2.0-or-later
#include "model/DiscLayout.h"

#include <QDir>
#include <QFileInfo>
#include <QSysInfo>

QString LinuxRuntimeFolderName()
{
    return QStringLiteral("linux-") + QSysInfo::buildCpuArchitecture();
}

QString PlayerProjectFolder(const QString& exeFolder, const QString& dataFileName)
{
    const QDir folder(QDir::fromNativeSeparators(exeFolder));
    if (folder.dirName() != LinuxRuntimeFolderName() || QFileInfo::exists(folder.filePath(dataFileName)))
        return exeFolder;
    const QString above = QFileInfo(folder.absolutePath()).absolutePath();
    if (!QFileInfo::exists(QDir(above).filePath(dataFileName))) return exeFolder;
    return QDir::toNativeSeparators(above);
}
