// SPDX-License-Identifier: GPL-2.0-or-later
#include "studio/PlayerCopy.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>

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
    const QFileInfo targetInfo(target);
    const fs::path from = NativePath(source);
    const fs::path to = NativePath(target);

    // A fresh name beside the target: the final rename stays on one file
    // system, and the copy never opens a file that someone else made.
    QString tempName;
    std::error_code error;
    for (int attempt = 0; attempt < 16; ++attempt) {
        tempName = targetInfo.absoluteDir().filePath(
            QStringLiteral("%1.%2.tmp")
                .arg(targetInfo.fileName())
                .arg(QRandomGenerator::global()->generate(), 8, 16, QLatin1Char('0')));
        error.clear();
        fs::copy_file(from, NativePath(tempName), fs::copy_options::none, error);
        if (error != std::errc::file_exists) break;
    }
    const fs::path temp = NativePath(tempName);
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

    fs::rename(temp, to, error);
    if (error) {
        RemoveQuietly(temp);
        return ErrorNumber(error);
    }
    return 0;
}
