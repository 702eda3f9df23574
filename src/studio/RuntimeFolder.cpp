// SPDX-License-Identifier: GPL-2.0-or-later
#include "studio/RuntimeFolder.h"

#include "platform/ElfDynamic.h"
#include "platform/FileSync.h"
#include "studio/PlayerCopy.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#include <QSet>

#include <cerrno>
#include <cstring>
#include <stdexcept>

#ifndef _WIN32
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

const QString kListName = QStringLiteral("runtime-files.txt");
const QByteArray kListHeader = QByteArrayLiteral("velomni runtime 1");

// Qt finds its plug-ins, data and helper through these, relative to the
// program beside them.
const QByteArray kPlayerQtConf = QByteArrayLiteral("[Paths]\nPrefix=.\nLibraries=lib\nPlugins=plugins\n"
                                                   "LibraryExecutables=libexec\nData=.\nTranslations=translations\n");
const QByteArray kHelperQtConf = QByteArrayLiteral("[Paths]\nPrefix=..\nLibraries=lib\nPlugins=plugins\n"
                                                   "LibraryExecutables=libexec\nData=.\nTranslations=translations\n");

QByteArray PartsLine(const RuntimeParts& parts)
{
    return QByteArrayLiteral("parts web=") + (parts.web ? "1" : "0") + " sound=" + (parts.sound ? "1" : "0");
}

struct RuntimeList {
    QByteArray parts;
    QString glibc;
    QList<std::pair<QString, QString>> files; // target, source
};

constexpr qint64 kMostListSize = 4 << 20;

bool ReadList(const QString& folder, RuntimeList& list)
{
    QFile file(QDir(folder).filePath(kListName));
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMostListSize) return false;
    const QList<QByteArray> lines = file.readAll().split('\n');
    if (lines.size() < 3 || lines[0] != kListHeader || !lines[2].startsWith("glibc ")) return false;
    list.parts = lines[1];
    list.glibc = QString::fromUtf8(lines[2].mid(6));
    for (qsizetype i = 3; i < lines.size(); ++i) {
        if (lines[i].isEmpty()) continue;
        const qsizetype tab = lines[i].indexOf('\t');
        if (!lines[i].startsWith("file ") || tab < 0) return false;
        list.files.append({QString::fromUtf8(lines[i].mid(5, tab - 5)), QString::fromUtf8(lines[i].mid(tab + 1))});
    }
    return true;
}

bool SameFile(const QFileInfo& copy, const QFileInfo& source)
{
    return copy.isFile() && source.isFile() && copy.size() == source.size()
           && copy.lastModified() == source.lastModified();
}

bool WriteIfChanged(const QString& path, const QByteArray& bytes, QString* error)
{
    QFile existing(path);
    if (existing.open(QIODevice::ReadOnly) && existing.size() == bytes.size() && existing.readAll() == bytes) return true;
    existing.close();
    QDir().mkpath(QFileInfo(path).absolutePath());
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size() || !file.commit()) {
        *error = QStringLiteral("\"%1\" could not be written: %2").arg(path, file.errorString());
        return false;
    }
    return true;
}

// A hard link where the system allows one (the same file system, a file
// the user may link): no bytes to copy and no room taken. The link goes in
// beside the target and takes its name in one rename.
bool LinkReplacing(const QString& source, const QString& target)
{
#ifdef _WIN32
    Q_UNUSED(source);
    Q_UNUSED(target);
    return false;
#else
    const QString temporary = SavingFileName(target);
    QFile::remove(temporary);
    // The library files the loader names are often symbolic links: the
    // link goes to the file they lead to.
    if (::linkat(AT_FDCWD, QFile::encodeName(source).constData(), AT_FDCWD, QFile::encodeName(temporary).constData(),
                 AT_SYMLINK_FOLLOW) != 0)
        return false;
    const bool renamed =
        ::rename(QFile::encodeName(temporary).constData(), QFile::encodeName(target).constData()) == 0;
    // A rename onto another name of the same file leaves both names.
    QFile::remove(temporary);
    return renamed;
#endif
}

bool CopyOne(const QString& folder, const RuntimeFile& file, QString* error)
{
    const QString target = QDir(folder).filePath(file.target);
    if (!QDir().mkpath(QFileInfo(target).absolutePath())) {
        *error = QStringLiteral("the folder of \"%1\" could not be made").arg(target);
        return false;
    }
    if (!file.searchPathAtOrigin && LinkReplacing(file.source, target)) return true;
    QString reason;
    int failed = 0;
    try {
        failed = CopyFileReplacing(file.source, target, [&](const QString& copy) {
            if (!file.searchPathAtOrigin) return;
            QFile library(copy);
            if (!library.open(QIODevice::ReadWrite) || !PointSearchPathAtOrigin(library, &reason))
                throw std::runtime_error(reason.toStdString());
        });
    } catch (const std::exception&) {
        *error = QStringLiteral("the search path of \"%1\" could not be changed: %2").arg(target, reason);
        return false;
    }
    if (failed) {
        *error = QStringLiteral("\"%1\" could not be copied to \"%2\": %3")
                     .arg(file.source, target, QString::fromLocal8Bit(std::strerror(failed)));
        return false;
    }
    // The copy carries its source's time, by which later builds know it.
    QFile copy(target);
    if (!copy.open(QIODevice::ReadWrite)
        || !copy.setFileTime(QFileInfo(file.source).lastModified(), QFileDevice::FileModificationTime)) {
        *error = QStringLiteral("\"%1\" could not be dated: %2").arg(target, copy.errorString());
        return false;
    }
    return true;
}

void RemoveEmptyFolders(const QString& folder, const QString& below)
{
    for (QString path = QFileInfo(QDir(folder).filePath(below)).absolutePath();
         path.startsWith(folder + QLatin1Char('/')) && QDir(path).isEmpty(); path = QFileInfo(path).absolutePath())
        QDir().rmdir(path);
}

} // namespace

bool RuntimeIsCurrent(const QString& folder, const RuntimeParts& parts, QString* glibc)
{
    RuntimeList list;
    if (!ReadList(folder, list) || list.parts != PartsLine(parts) || list.files.isEmpty()) return false;
    if (parts.web && !QFileInfo(QDir(folder).filePath(QStringLiteral("libexec/locales"))).isDir()) return false;
    for (const auto& [target, source] : list.files)
        if (!SameFile(QFileInfo(QDir(folder).filePath(target)), QFileInfo(source))) return false;
    *glibc = list.glibc;
    return true;
}

bool PutRuntimeFiles(const QString& folder, const RuntimePlan& plan, const RuntimeParts& parts, QString* error)
{
    if (!QDir().mkpath(folder)) {
        *error = QStringLiteral("the folder \"%1\" could not be made").arg(folder);
        return false;
    }
    RuntimeList earlier;
    ReadList(folder, earlier);

    QSet<QString> planned;
    QByteArray list = kListHeader + '\n' + PartsLine(parts) + '\n' + "glibc " + plan.glibc.toUtf8() + '\n';
    for (const RuntimeFile& file : plan.files) {
        planned.insert(file.target);
        list += "file " + file.target.toUtf8() + '\t' + file.source.toUtf8() + '\n';
        if (SameFile(QFileInfo(QDir(folder).filePath(file.target)), QFileInfo(file.source))) continue;
        if (!CopyOne(folder, file, error)) return false;
    }
    if (!WriteIfChanged(QDir(folder).filePath(QStringLiteral("qt.conf")), kPlayerQtConf, error)) return false;
    const QString helperConf = QDir(folder).filePath(QStringLiteral("libexec/qt.conf"));
    // The browser's helper processes make a "locales" folder beside their
    // program unless one is there: on a read-only disc it must be there.
    const QString helperLocales = QDir(folder).filePath(QStringLiteral("libexec/locales"));
    if (parts.web) {
        if (!WriteIfChanged(helperConf, kHelperQtConf, error)) return false;
        if (!QDir().mkpath(helperLocales)) {
            *error = QStringLiteral("the folder \"%1\" could not be made").arg(helperLocales);
            return false;
        }
    } else {
        QFile::remove(helperConf);
        QDir().rmdir(helperLocales);
    }
    for (const auto& [target, source] : earlier.files) {
        if (planned.contains(target)) continue;
        QFile::remove(QDir(folder).filePath(target));
        RemoveEmptyFolders(folder, target);
    }
    RemoveEmptyFolders(folder, QStringLiteral("libexec/qt.conf"));
    return WriteIfChanged(QDir(folder).filePath(kListName), list, error);
}
