// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

// A fresh folder for one test, removed afterwards.
class TempDir {
public:
    QString Path() const { return m_dir.path(); }
    QString File(const QString& name) const { return m_dir.filePath(name); }
    // Writes bytes to a file in the folder and returns its path.
    QString Write(const QString& name, const QByteArray& bytes) const;
    static QByteArray Read(const QString& path);

private:
    QTemporaryDir m_dir;
};
