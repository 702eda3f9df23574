// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QString>
#include <QtGlobal>

#include <stdexcept>

// A failed file operation with the operating system's error code (errno on
// POSIX systems, GetLastError on Windows) and the system's text for it.
class EFileError : public std::runtime_error {
public:
    // The text is the system's own for the code.
    explicit EFileError(int code);
    EFileError(int code, const QString& message);

    int Code() const { return m_code; }
    QString Message() const { return QString::fromUtf8(what()); }

    // Fewer bytes came back than a read asked for: the Windows code 38
    // (end of file), with its Windows text on every system.
    static EFileError ShortRead();
    // Fewer bytes went out than a write asked for: the Windows code 29
    // (write fault).
    static EFileError ShortWrite();

private:
    int m_code;
};

// The system's text for an error code without trailing characters below
// "!" and trailing full stops; "File I/O error <code>" when the system has
// no text for it.
QString FileErrorText(int code);

// Owner of one open operating-system file handle, with the open modes of
// the Windows file API so the version patch keeps its exact semantics.
class TFile {
public:
    enum class Disposition { CreateAlways, CreateNew, OpenExisting, OpenAlways, TruncateExisting };
    enum class Access { Read, Write, ReadWrite };
    // On POSIX systems sharing is an advisory lock: None takes an exclusive
    // one, the other modes a shared one, so two patches of one file exclude
    // each other and readers are kept out while a patch runs.
    enum class Share { None, Read, Write, ReadWrite };

    TFile(const QString& fileName, Disposition disposition, Access access, Share share);
    ~TFile();
    TFile(const TFile&) = delete;
    TFile& operator=(const TFile&) = delete;

    // The count actually read, short only at the end of the file.
    qint64 Read(void* buffer, qint64 count);
    void ReadExact(void* buffer, qint64 count);
    void Write(const void* buffer, qint64 count);
    void Seek(qint64 position);
    qint64 Position() const;
    qint64 Size() const;

private:
    qintptr m_handle;
};
