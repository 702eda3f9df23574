// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdio>
#include <memory>

// A byte stream with little-endian integer helpers. Every read is checked
// against the bytes that remain: a read that would pass the end throws
// StreamError and consumes nothing, and no read allocates more than the
// remaining data can fill.
class TVoStream {
public:
    virtual ~TVoStream() = default;

    virtual qint64 Size() const = 0;
    virtual qint64 Position() const = 0;
    virtual void Seek(qint64 position) = 0;
    virtual void WriteBuffer(const void* data, qint64 count) = 0;
    virtual void ReadBuffer(void* data, qint64 count) = 0;

    qint64 Remaining() const { return Size() - Position(); }

    void WriteU8(quint8 value) { WriteBuffer(&value, 1); }
    void WriteBool(bool value) { WriteU8(value ? 1 : 0); }
    void WriteI16(qint16 value);
    void WriteI32(qint32 value);
    void WriteU32(quint32 value) { WriteI32(static_cast<qint32>(value)); }
    void WriteBytes(const QByteArray& bytes) { WriteBuffer(bytes.constData(), bytes.size()); }

    quint8 ReadU8();
    // Any non-zero byte reads as true.
    bool ReadBool() { return ReadU8() != 0; }
    qint16 ReadI16();
    qint32 ReadI32();
    quint32 ReadU32() { return static_cast<quint32>(ReadI32()); }
    // Exactly count bytes; a negative count or one beyond the end throws
    // before anything is allocated.
    QByteArray ReadBytes(qint64 count);

protected:
    // Throws unless count bytes can be read from the current position.
    void CheckReadable(qint64 count) const;
};

// A stream over a growable buffer in memory.
class TMemoryStream final : public TVoStream {
public:
    TMemoryStream() = default;
    explicit TMemoryStream(QByteArray data) : m_data(std::move(data)) {}

    qint64 Size() const override { return m_data.size(); }
    qint64 Position() const override { return m_position; }
    void Seek(qint64 position) override;
    void WriteBuffer(const void* data, qint64 count) override;
    void ReadBuffer(void* data, qint64 count) override;

    const QByteArray& Data() const { return m_data; }
    void Clear();

private:
    QByteArray m_data;
    qint64 m_position = 0;
};

// A stream over a file on disk (buffered stdio, so errno tells what failed).
class TFileStream final : public TVoStream {
public:
    enum class Mode { Read, Create };
    // Opens the file or throws StreamError with the system's error.
    TFileStream(const QString& path, Mode mode);
    ~TFileStream() override;
    TFileStream(const TFileStream&) = delete;
    TFileStream& operator=(const TFileStream&) = delete;

    qint64 Size() const override { return m_size; }
    qint64 Position() const override { return m_position; }
    void Seek(qint64 position) override;
    void WriteBuffer(const void* data, qint64 count) override;
    void ReadBuffer(void* data, qint64 count) override;

    // Writes buffered data to the file and the file to the disk; throws on
    // failure. The destructor closes without reporting.
    void Flush();
    void Close();

private:
    std::FILE* m_file = nullptr;
    qint64 m_size = 0;
    qint64 m_position = 0;
};
