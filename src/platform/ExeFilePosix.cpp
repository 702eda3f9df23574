// SPDX-License-Identifier: GPL-2.0-or-later
#ifndef _WIN32
#include "platform/ExeFile.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <sys/file.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

constexpr int kShortRead = 38;
constexpr int kShortWrite = 29;

int OpenFlags(TFile::Disposition disposition, TFile::Access access)
{
    int flags = O_CLOEXEC;
    switch (access) {
    case TFile::Access::Read: flags |= O_RDONLY; break;
    case TFile::Access::Write: flags |= O_WRONLY; break;
    case TFile::Access::ReadWrite: flags |= O_RDWR; break;
    }
    switch (disposition) {
    case TFile::Disposition::CreateAlways: flags |= O_CREAT | O_TRUNC; break;
    case TFile::Disposition::CreateNew: flags |= O_CREAT | O_EXCL; break;
    case TFile::Disposition::OpenExisting: break;
    case TFile::Disposition::OpenAlways: flags |= O_CREAT; break;
    case TFile::Disposition::TruncateExisting: flags |= O_TRUNC; break;
    }
    return flags;
}

int Fd(qintptr handle)
{
    return static_cast<int>(handle);
}

} // namespace

EFileError EFileError::ShortRead()
{
    return EFileError(kShortRead, QStringLiteral("Reached the end of the file"));
}

EFileError EFileError::ShortWrite()
{
    return EFileError(kShortWrite, QStringLiteral("The system cannot write to the specified device"));
}

QString FileErrorText(int code)
{
    // strerrordesc_np gives no text for unknown codes, where strerror would
    // make one up.
    const char* text = strerrordesc_np(code);
    if (!text) return QStringLiteral("File I/O error %1").arg(code);
    QString message = QString::fromLocal8Bit(text);
    while (!message.isEmpty() && (message.back() < u'!' || message.back() == u'.')) message.chop(1);
    return message;
}

TFile::TFile(const QString& fileName, Disposition disposition, Access access, Share share)
{
    const int fd = ::open(QFile::encodeName(fileName).constData(), OpenFlags(disposition, access), 0666);
    if (fd < 0) throw EFileError(errno);
    m_handle = fd;
    const int lock = share == Share::None ? LOCK_EX : LOCK_SH;
    // Only a held lock refuses the open; file systems without locks allow it.
    if (::flock(fd, lock | LOCK_NB) != 0 && errno == EWOULDBLOCK) {
        const int error = errno;
        ::close(fd);
        throw EFileError(error);
    }
}

TFile::~TFile()
{
    ::close(Fd(m_handle));
}

qint64 TFile::Read(void* buffer, qint64 count)
{
    auto* out = static_cast<char*>(buffer);
    qint64 done = 0;
    while (done < count) {
        const ssize_t n = ::read(Fd(m_handle), out + done, static_cast<size_t>(count - done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw EFileError(errno);
        if (n == 0) break;
        done += n;
    }
    return done;
}

void TFile::Write(const void* buffer, qint64 count)
{
    const auto* in = static_cast<const char*>(buffer);
    qint64 done = 0;
    while (done < count) {
        const ssize_t n = ::write(Fd(m_handle), in + done, static_cast<size_t>(count - done));
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) throw EFileError(errno);
        if (n == 0) throw EFileError::ShortWrite();
        done += n;
    }
}

void TFile::Seek(qint64 position)
{
    if (::lseek(Fd(m_handle), position, SEEK_SET) < 0) throw EFileError(errno);
}

qint64 TFile::Position() const
{
    const off_t position = ::lseek(Fd(m_handle), 0, SEEK_CUR);
    if (position < 0) throw EFileError(errno);
    return position;
}

qint64 TFile::Size() const
{
    struct stat info {};
    if (::fstat(Fd(m_handle), &info) != 0) throw EFileError(errno);
    return info.st_size;
}
#endif
