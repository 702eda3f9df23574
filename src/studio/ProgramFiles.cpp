// SPDX-License-Identifier: GPL-2.0-or-later
#include "studio/ProgramFiles.h"

#include "model/ProcessState.h"

#include <QDir>
#include <QFileInfo>

// The install rules give the data folder relative to the binary folder, so
// an install below any prefix (or into a staging folder) finds its files.
#ifndef VELOMNI_DATA_FROM_BIN
#define VELOMNI_DATA_FROM_BIN "../share/velomni-studio"
#endif

QString InstalledDataFolder(const QString& exeFolder)
{
    if (exeFolder.isEmpty()) return QString();
    const QString folder = QDir::cleanPath(QDir(exeFolder).filePath(QStringLiteral(VELOMNI_DATA_FROM_BIN)));
    return QFileInfo(folder).isDir() ? QDir::toNativeSeparators(folder) : QString();
}

QString ProgramFilePath(const QString& exeFolder, const QString& name)
{
    if (exeFolder.isEmpty()) return QString();
    const QString beside = QDir(exeFolder).filePath(name);
    if (QFileInfo::exists(beside)) return beside;
    const QString data = InstalledDataFolder(exeFolder);
    if (!data.isEmpty()) {
        const QString installed = QDir(data).filePath(name);
        if (QFileInfo::exists(installed)) return installed;
    }
    return beside;
}

QString ProgramFile(const QString& name)
{
    return ProgramFilePath(ExeFolder, name);
}
