// SPDX-License-Identifier: GPL-2.0-or-later
#include "studio/PlayerCopy.h"

#include "platform/FileSync.h"

#include <QFile>
#include <QFileInfo>

#include <cerrno>
#include <filesystem>
#include <system_error>

namespace fs = std::filesystem;

namespace {

fs::path NativePath(const QString& path)
{
#ifdef _WIN32
    return fs::path(path.toStdWString());
#else
    return fs::path(QFile::encodeName(path).toStdString());
#endif
}

// The portable error number of a failure, so that the reports show the
// same numbers and texts on every system.
int ErrorNumber(const std::error_code& error)
{
    const int number = error.default_error_condition().value();
    return number != 0 ? number : EIO;
}

void RemoveQuietly(const fs::path& path)
{
    std::error_code ignored;
    fs::remove(path, ignored);
}

} // namespace

int CopyFileReplacing(const QString& source, const QString& target,
                      const std::function<void(const QString& copy)>& prepare)
{
    const fs::path from = NativePath(source);
    const fs::path to = NativePath(target);

    // A name beside the target, so the final rename stays on one file
    // system. It is the same name in every build: what a killed build left
    // there is removed here rather than piling up and going onto the disc.
    // The copy creates the file afresh, so it never writes through a file
    // or a link that someone else made.
    const QString tempName = SavingFileName(target);
    const fs::path temp = NativePath(tempName);
    std::error_code error;
    fs::remove(temp, error);
    if (error) return ErrorNumber(error);
    fs::copy_file(from, temp, fs::copy_options::none, error);
    if (error) {
        // A copy that broke off leaves its part behind.
        if (error != std::errc::file_exists) RemoveQuietly(temp);
        return ErrorNumber(error);
    }

    fs::permissions(temp, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, error);
    if (error) {
        RemoveQuietly(temp);
        return ErrorNumber(error);
    }

    if (prepare) {
        try {
            prepare(tempName);
        } catch (...) {
            RemoveQuietly(temp);
            throw;
        }
    }

    // The bytes reach the disc before the name does, so a power loss never
    // leaves an empty file under the target's name.
    if (const int synced = SyncFileToDisc(tempName)) {
        RemoveQuietly(temp);
        return synced;
    }
    fs::rename(temp, to, error);
    if (error) {
        RemoveQuietly(temp);
        return ErrorNumber(error);
    }
    // Replaced; an unsynced folder only risks the rename on a power loss.
    SyncFolderToDisc(QFileInfo(target).absolutePath());
    return 0;
}
