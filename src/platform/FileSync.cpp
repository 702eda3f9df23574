// SPDX-License-Identifier: GPL-2.0-or-later
#include "platform/FileSync.h"

#include <QFile>

#include <cerrno>

#ifdef _WIN32
#include <fcntl.h>
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace {

#ifdef _WIN32
int SyncOpened(const QString& path, int flags)
{
    const int fd = _wopen(reinterpret_cast<const wchar_t*>(path.utf16()), flags | _O_BINARY);
    if (fd < 0) return errno;
    const int result = _commit(fd) == 0 ? 0 : errno;
    _close(fd);
    return result;
}
#else
int SyncOpened(const QString& path, int flags)
{
    const int fd = ::open(QFile::encodeName(path).constData(), flags | O_CLOEXEC);
    if (fd < 0) return errno;
    const int result = ::fsync(fd) == 0 ? 0 : errno;
    ::close(fd);
    return result;
}
#endif

} // namespace

int SyncFileToDisc(const QString& path)
{
#ifdef _WIN32
    return SyncOpened(path, _O_RDWR);
#else
    return SyncOpened(path, O_RDONLY);
#endif
}

int SyncFolderToDisc(const QString& folder)
{
#ifdef _WIN32
    Q_UNUSED(folder);
    return 0;
#else
    const int result = SyncOpened(folder, O_RDONLY | O_DIRECTORY);
    // Some file systems cannot sync a folder; the rename stands all the same.
    return result == EINVAL || result == ENOTSUP ? 0 : result;
#endif
}

QString SavingFileName(const QString& path)
{
    return path + QStringLiteral(".saving");
}
