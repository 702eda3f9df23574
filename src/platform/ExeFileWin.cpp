// SPDX-License-Identifier: GPL-2.0-or-later
#ifdef _WIN32
#include "platform/ExeFile.h"

#include <windows.h>

namespace {

constexpr DWORD kDispositions[] = {CREATE_ALWAYS, CREATE_NEW, OPEN_EXISTING, OPEN_ALWAYS,
                                   TRUNCATE_EXISTING};
constexpr DWORD kAccess[] = {GENERIC_READ, GENERIC_WRITE, GENERIC_READ | GENERIC_WRITE};
constexpr DWORD kShare[] = {0, FILE_SHARE_READ, FILE_SHARE_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE};

HANDLE Handle(qintptr handle)
{
    return reinterpret_cast<HANDLE>(handle);
}

} // namespace

EFileError EFileError::ShortRead()
{
    return EFileError(ERROR_HANDLE_EOF);
}

EFileError EFileError::ShortWrite()
{
    return EFileError(ERROR_WRITE_FAULT);
}

QString FileErrorText(int code)
{
    wchar_t text[512]; // 1024 bytes
    const DWORD length = FormatMessageW(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS,
                                        nullptr, static_cast<DWORD>(code), 0, text, 512, nullptr);
    if (length == 0) return QStringLiteral("File I/O error %1").arg(code);
    QString message = QString::fromWCharArray(text, static_cast<qsizetype>(length));
    while (!message.isEmpty() && (message.back() < u'!' || message.back() == u'.')) message.chop(1);
    return message;
}

TFile::TFile(const QString& fileName, Disposition disposition, Access access, Share share)
{
    const HANDLE handle = CreateFileW(reinterpret_cast<const wchar_t*>(fileName.utf16()),
                                      kAccess[static_cast<int>(access)],
                                      kShare[static_cast<int>(share)], nullptr,
                                      kDispositions[static_cast<int>(disposition)],
                                      FILE_ATTRIBUTE_NORMAL, nullptr);
    if (handle == nullptr || handle == INVALID_HANDLE_VALUE)
        throw EFileError(static_cast<int>(GetLastError()));
    m_handle = reinterpret_cast<qintptr>(handle);
}

TFile::~TFile()
{
    CloseHandle(Handle(m_handle));
}

qint64 TFile::Read(void* buffer, qint64 count)
{
    auto* out = static_cast<char*>(buffer);
    qint64 done = 0;
    while (done < count) {
        const DWORD ask = static_cast<DWORD>(qMin<qint64>(count - done, 1 << 30));
        DWORD got = 0;
        if (!ReadFile(Handle(m_handle), out + done, ask, &got, nullptr))
            throw EFileError(static_cast<int>(GetLastError()));
        if (got == 0) break;
        done += got;
    }
    return done;
}

void TFile::Write(const void* buffer, qint64 count)
{
    const auto* in = static_cast<const char*>(buffer);
    qint64 done = 0;
    while (done < count) {
        const DWORD ask = static_cast<DWORD>(qMin<qint64>(count - done, 1 << 30));
        DWORD put = 0;
        if (!WriteFile(Handle(m_handle), in + done, ask, &put, nullptr))
            throw EFileError(static_cast<int>(GetLastError()));
        if (put == 0) throw EFileError::ShortWrite();
        done += put;
    }
}

void TFile::Seek(qint64 position)
{
    LARGE_INTEGER to;
    to.QuadPart = position;
    if (!SetFilePointerEx(Handle(m_handle), to, nullptr, FILE_BEGIN))
        throw EFileError(static_cast<int>(GetLastError()));
}

qint64 TFile::Position() const
{
    LARGE_INTEGER zero, at;
    zero.QuadPart = 0;
    if (!SetFilePointerEx(Handle(m_handle), zero, &at, FILE_CURRENT))
        throw EFileError(static_cast<int>(GetLastError()));
    return at.QuadPart;
}

qint64 TFile::Size() const
{
    LARGE_INTEGER size;
    if (!GetFileSizeEx(Handle(m_handle), &size)) throw EFileError(static_cast<int>(GetLastError()));
    return size.QuadPart;
}
#endif
