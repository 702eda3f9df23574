// SPDX-License-Identifier: GPL-2.0-or-later
#include "support/TempDir.h"

#include <QFile>

QString TempDir::Write(const QString& name, const QByteArray& bytes) const
{
    const QString path = File(name);
    QFile f(path);
    if (f.open(QIODevice::WriteOnly)) f.write(bytes);
    return path;
}

QByteArray TempDir::Read(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}
