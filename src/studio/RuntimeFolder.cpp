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

#include <array>
#include <cerrno>
#include <charconv>
#include <cstring>
#include <stdexcept>

#ifndef _WIN32
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace {

const QString kListName = QStringLiteral("runtime-files.txt");
const QByteArray kListHeader = QByteArrayLiteral("velomni runtime 3");

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

// The list as read: views into its text.
struct RuntimeList {
    QByteArray text;
    QByteArrayView parts;
    QString glibc;
    // Target below the folder and source, as the file system names them.
    QList<std::pair<QByteArrayView, QByteArrayView>> files;
    // The system's folders the sources lie in, and the folders below the
    // runtime folder that hold the copies, with their stamps.
    QList<std::pair<QByteArrayView, QByteArrayView>> folders, places;
};

constexpr qint64 kMostListSize = 4 << 20;

bool ReadList(const QString& folder, RuntimeList& list)
{
    QFile file(QDir(folder).filePath(kListName));
    if (!file.open(QIODevice::ReadOnly) || file.size() > kMostListSize) return false;
    list.text = file.readAll();
    const QByteArrayView text(list.text);
    int number = 0;
    for (qsizetype start = 0; start < text.size(); ++number) {
        qsizetype end = text.indexOf('\n', start);
        if (end < 0) end = text.size();
        const QByteArrayView line = text.sliced(start, end - start);
        start = end + 1;
        if (number == 0 && line != kListHeader) return false;
        if (number == 1) list.parts = line;
        if (number == 2) {
            if (!line.startsWith("glibc ")) return false;
            list.glibc = QString::fromUtf8(line.sliced(6));
        }
        if (number < 3 || line.isEmpty()) continue;
        const qsizetype space = line.indexOf(' ');
        const qsizetype tab = line.indexOf('\t');
        if (space < 0 || tab < space || line.indexOf('\t', tab + 1) >= 0) return false;
        const QByteArrayView kind = line.first(space);
        const std::pair<QByteArrayView, QByteArrayView> fields{line.sliced(space + 1, tab - space - 1),
                                                               line.sliced(tab + 1)};
        if (kind == "file")
            list.files.append(fields);
        else if (kind == "folder")
            list.folders.append(fields);
        else if (kind == "place")
            list.places.append(fields);
        else
            return false;
    }
    return number >= 3;
}

// A regular file's size and modification time; a later build compares the
// copy's with its source's. Both are read with one system call each: the
// check runs on every save for every file of the runtime.
struct FileStamp {
    qint64 size = -1;
    qint64 seconds = 0;
    qint64 nanoseconds = 0;
    bool operator==(const FileStamp&) const = default;
};

FileStamp Stamp(const QByteArray& path)
{
#ifdef _WIN32
    const QFileInfo info(QFile::decodeName(path));
    if (!info.exists()) return {};
    return {info.size(), info.lastModified().toMSecsSinceEpoch(), 0};
#else
    struct stat status {};
    if (::stat(path.constData(), &status) != 0 || !(S_ISREG(status.st_mode) || S_ISDIR(status.st_mode))) return {};
    return {qint64(status.st_size), qint64(status.st_mtim.tv_sec), qint64(status.st_mtim.tv_nsec)};
#endif
}

bool CopyTime(const QString& source, const QString& target)
{
#ifdef _WIN32
    QFile copy(target);
    return copy.open(QIODevice::ReadWrite)
           && copy.setFileTime(QFileInfo(source).lastModified(), QFileDevice::FileModificationTime);
#else
    struct stat status {};
    if (::stat(QFile::encodeName(source).constData(), &status) != 0) return false;
    const struct timespec times[2] = {{0, UTIME_OMIT}, status.st_mtim};
    return ::utimensat(AT_FDCWD, QFile::encodeName(target).constData(), times, 0) == 0;
#endif
}

// "size seconds nanoseconds", written into buffer; returns its view.
QByteArrayView StampText(const FileStamp& stamp, std::array<char, 72>& buffer)
{
    char* end = buffer.data() + buffer.size();
    char* at = std::to_chars(buffer.data(), end, stamp.size).ptr;
    *at++ = ' ';
    at = std::to_chars(at, end, stamp.seconds).ptr;
    *at++ = ' ';
    at = std::to_chars(at, end, stamp.nanoseconds).ptr;
    return QByteArrayView(buffer.data(), at - buffer.data());
}

QByteArray StampText(const FileStamp& stamp)
{
    std::array<char, 72> buffer;
    return StampText(stamp, buffer).toByteArray();
}

// True when the file's stamp is the recorded one; path is a buffer that
// holds the folder's part of the name.
bool StampIs(QByteArray& path, qsizetype folderPart, QByteArrayView name, QByteArrayView recorded)
{
    path.truncate(folderPart);
    path.append(name);
    std::array<char, 72> buffer;
    return StampText(Stamp(path), buffer) == recorded;
}

bool SameFile(const QByteArray& copy, const QByteArray& source)
{
    const FileStamp stamp = Stamp(copy);
    return stamp.size >= 0 && stamp == Stamp(source);
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
    // The copy carries its source's time, to the nanosecond, by which later
    // builds know it.
    if (!CopyTime(file.source, target)) {
        *error = QStringLiteral("\"%1\" could not be dated: %2").arg(target, QString::fromLocal8Bit(std::strerror(errno)));
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
    if (!ReadList(folder, list) || list.parts != PartsLine(parts) || list.files.isEmpty() || list.places.isEmpty())
        return false;
    if (parts.web && !QFileInfo(QDir(folder).filePath(QStringLiteral("libexec/locales"))).isDir()) return false;
    // A file is added, removed or replaced by a rename in its folder, which
    // dates the folder: the system's package tools replace files so, and a
    // copy deleted or replaced on the project folder changes its folder
    // too. Unchanged folders on both sides hold what the list says.
    QByteArray path;
    for (const auto& [name, stamp] : list.folders)
        if (!StampIs(path, 0, name, stamp)) return false;
    path = QFile::encodeName(folder) + '/';
    const qsizetype folderPart = path.size();
    for (const auto& [name, stamp] : list.places)
        if (!StampIs(path, folderPart, name, stamp)) return false;
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
    // The folders are dated before anything is copied: a change meanwhile
    // shows at the next build.
    QSet<QByteArray> sourceFolders;
    for (const RuntimeFile& file : plan.files) {
        const QByteArray sourceFolder = QFile::encodeName(QFileInfo(file.source).absolutePath());
        if (!sourceFolders.contains(sourceFolder))
            list += "folder " + sourceFolder + '\t' + StampText(Stamp(sourceFolder)) + '\n';
        sourceFolders.insert(sourceFolder);
    }
    QSet<QString> places;
    for (const RuntimeFile& file : plan.files) {
        planned.insert(file.target);
        places.insert(QFileInfo(file.target).path());
        const QByteArray source = QFile::encodeName(file.source);
        if (!SameFile(QFile::encodeName(QDir(folder).filePath(file.target)), source) && !CopyOne(folder, file, error))
            return false;
        list += "file " + QFile::encodeName(file.target) + '\t' + source + '\n';
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
        const QString name = QFile::decodeName(target.toByteArray());
        if (planned.contains(name)) continue;
        QFile::remove(QDir(folder).filePath(name));
        RemoveEmptyFolders(folder, name);
    }
    RemoveEmptyFolders(folder, QStringLiteral("libexec/qt.conf"));
    // The copies' folders are dated once everything in them is written.
    for (const QString& place : places) {
        if (place == QLatin1String(".")) continue;
        list += "place " + QFile::encodeName(place) + '\t'
                + StampText(Stamp(QFile::encodeName(QDir(folder).filePath(place)))) + '\n';
    }
    return WriteIfChanged(QDir(folder).filePath(kListName), list, error);
}
