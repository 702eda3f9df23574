// SPDX-License-Identifier: GPL-2.0-or-later
#include "burner/IsoFilePlace.h"

#include "model/ProcessState.h"
#include "platform/Dialogs.h"

#include <QDir>
#include <QFileInfo>

QString IsoStartFolder(const QString& projectFolder)
{
    const QString& last = LastImageFolder;
    if (!last.isEmpty() && QFileInfo(last).isDir() && !IsInsideFolder(last, projectFolder)) return last;
    QDir above(projectFolder);
    if (projectFolder.isEmpty() || !above.cdUp()) return QDir::homePath();
    return QDir::toNativeSeparators(above.absolutePath());
}

void RememberIsoFolder(const QString& imagePath)
{
    LastImageFolder = QDir::toNativeSeparators(QFileInfo(imagePath).absolutePath());
}

bool IsoInsideProject(const QString& imagePath, const QString& projectFolder)
{
    return !projectFolder.isEmpty() &&
           IsInsideFolder(QFileInfo(imagePath).absoluteFilePath(), QFileInfo(projectFolder).absoluteFilePath());
}
