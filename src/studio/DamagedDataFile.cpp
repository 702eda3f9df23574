// SPDX-License-Identifier: GPL-2.0-or-later
#include "studio/DamagedDataFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

QString SetDamagedFileAside(const QString& path)
{
    const QString base = path + QStringLiteral(".damaged");
    QString kept = base;
    for (int number = 2; QFileInfo::exists(kept) || QFileInfo(kept).isSymLink(); ++number)
        kept = base + QLatin1Char('.') + QString::number(number);
    return QFile::rename(path, kept) ? kept : QString();
}

QString DamagedFileMessage(const QString& path, const QString& keptPath)
{
    const QString file = QDir::toNativeSeparators(path);
    if (keptPath.isEmpty())
        return QStringLiteral("The project file \"%1\" could not be read and could not be set aside; "
                              "saving the project will replace it.")
            .arg(file);
    return QStringLiteral("The project file \"%1\" could not be read. It was kept as \"%2\"; "
                          "the project starts empty.")
        .arg(file, QFileInfo(keptPath).fileName());
}
