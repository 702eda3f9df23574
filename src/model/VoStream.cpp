// SPDX-License-Identifier: GPL-2.0-or-later
#include "model/VoStream.h"

#include "model/StreamError.h"

#include <QFile>

#include <cerrno>
#include <cstring>
#include <limits>

#ifdef _WIN32
#include <io.h>
#define velomni_fseek _fseeki64
#define velomni_ftell _ftelli64
#define velomni_fileno _fileno
#else
#include <unistd.h>
#define velomni_fseek fseeko
#define velomni_ftell ftello
#define velomni_fileno fileno
#endif
// A stream is used by one thread at a time, so its reads need not lock the
// file: a project is read in thousands of small pieces.
#ifdef __GLIBC__
#define velomni_fread fread_unlocked
#else
#define velomni_fread std::fread
#endif

namespace {
// Enough for the small fields between two pictures in one read.
constexpr size_t kReadBufferSize = 64 * 1024;
} // namespace

void TVoStream::WriteI16(qint16 value)
{
    const quint16 v = static_cast<quint16>(value);
    const unsigned char bytes[2] = {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8)};
    WriteBuffer(bytes, 2);
}

void TVoStream::WriteI32(qint32 value)
{
    const quint32 v = static_cast<quint32>(value);
    const unsigned char bytes[4] = {static_cast<unsigned char>(v), static_cast<unsigned char>(v >> 8),
                                    static_cast<unsigned char>(v >> 16),
                                    static_cast<unsigned char>(v >> 24)};
    WriteBuffer(bytes, 4);
}

quint8 TVoStream::ReadU8()
{
    quint8 value = 0;
    ReadBuffer(&value, 1);
    return value;
}

qint16 TVoStream::ReadI16()
{
    unsigned char b[2];
    ReadBuffer(b, 2);
    return static_cast<qint16>(static_cast<quint16>(b[0] | (b[1] << 8)));
}

qint32 TVoStream::ReadI32()
{
    unsigned char b[4];
    ReadBuffer(b, 4);
    return static_cast<qint32>(quint32(b[0]) | (quint32(b[1]) << 8) | (quint32(b[2]) << 16) |
                               (quint32(b[3]) << 24));
}

QByteArray TVoStream::ReadBytes(qint64 count)
{
    CheckReadable(count);
    if (count > std::numeric_limits<qsizetype>::max()) throw StreamError::TooLarge("block too large");
    QByteArray bytes(static_cast<qsizetype>(count), Qt::Uninitialized);
    ReadBuffer(bytes.data(), count);
    return bytes;
}

void TVoStream::CheckReadable(qint64 count) const
{
    if (count < 0) throw StreamError::BadData("negative length");
    if (count > Remaining()) throw StreamError::Truncated();
}

void TMemoryStream::Seek(qint64 position)
{
    if (position < 0 || position > Size()) throw StreamError::BadData("seek outside the stream");
    m_position = position;
}

void TMemoryStream::WriteBuffer(const void* data, qint64 count)
{
    if (count < 0) throw StreamError::BadData("negative length");
    if (count == 0) return;
    const qint64 end = m_position + count;
    if (end > m_data.size()) m_data.resize(end);
    std::memcpy(m_data.data() + m_position, data, static_cast<size_t>(count));
    m_position = end;
}

void TMemoryStream::ReadBuffer(void* data, qint64 count)
{
    CheckReadable(count);
    if (count == 0) return;
    std::memcpy(data, m_data.constData() + m_position, static_cast<size_t>(count));
    m_position += count;
}

void TMemoryStream::Clear()
{
    m_data.clear();
    m_position = 0;
}

TFileStream::TFileStream(const QString& path, Mode mode)
{
    const QByteArray native = QFile::encodeName(path);
    errno = 0;
    m_file = std::fopen(native.constData(), mode == Mode::Read ? "rb" : "wb");
    if (!m_file) throw StreamError::FromErrno("cannot open file");
    if (mode == Mode::Read) {
        // Without it the library would choose a small buffer of its own.
        std::setvbuf(m_file, nullptr, _IOFBF, kReadBufferSize);
        if (velomni_fseek(m_file, 0, SEEK_END) != 0 || (m_size = velomni_ftell(m_file)) < 0 ||
            velomni_fseek(m_file, 0, SEEK_SET) != 0) {
            const StreamError error = StreamError::FromErrno("cannot size file");
            std::fclose(m_file);
            m_file = nullptr;
            throw error;
        }
    }
}

TFileStream::~TFileStream()
{
    if (m_file) std::fclose(m_file);
}

void TFileStream::Seek(qint64 position)
{
    if (position < 0 || position > m_size) throw StreamError::BadData("seek outside the file");
    if (velomni_fseek(m_file, position, SEEK_SET) != 0) throw StreamError::FromErrno("seek failed");
    m_position = position;
}

void TFileStream::WriteBuffer(const void* data, qint64 count)
{
    if (!m_file) throw StreamError(EBADF, "file closed");
    if (count < 0) throw StreamError::BadData("negative length");
    errno = 0;
    if (count > 0 && std::fwrite(data, 1, static_cast<size_t>(count), m_file) != size_t(count))
        throw StreamError::FromErrno("write failed");
    m_position += count;
    if (m_position > m_size) m_size = m_position;
}

void TFileStream::ReadBuffer(void* data, qint64 count)
{
    if (!m_file) throw StreamError(EBADF, "file closed");
    CheckReadable(count);
    errno = 0;
    const size_t got = count > 0 ? velomni_fread(data, 1, static_cast<size_t>(count), m_file) : 0;
    if (got != size_t(count)) {
        // The file shrank under us or the disk failed; put the position back.
        const StreamError error = std::ferror(m_file) ? StreamError::FromErrno("read failed")
                                                      : StreamError::Truncated();
        velomni_fseek(m_file, m_position, SEEK_SET);
        throw error;
    }
    m_position += count;
}

void TFileStream::Flush()
{
    if (!m_file) throw StreamError(EBADF, "file closed");
    errno = 0;
    if (std::fflush(m_file) != 0) throw StreamError::FromErrno("flush failed");
#ifdef _WIN32
    if (_commit(velomni_fileno(m_file)) != 0) throw StreamError::FromErrno("sync failed");
#else
    if (fsync(velomni_fileno(m_file)) != 0) throw StreamError::FromErrno("sync failed");
#endif
}

void TFileStream::Close()
{
    if (!m_file) return;
    std::FILE* file = m_file;
    m_file = nullptr;
    errno = 0;
    if (std::fclose(file) != 0) throw StreamError::FromErrno("close failed");
}
