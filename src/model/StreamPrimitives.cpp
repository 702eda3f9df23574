// SPDX-License-Identifier: GPL-2.0-or-later
#include "model/StreamPrimitives.h"

#include "platform/CodePage.h"
#include "model/ErrorReports.h"
#include "model/GraphicClasses.h"
#include "model/Picture.h"
#include "model/StreamError.h"
#include "model/VoStream.h"

#include <limits>

namespace {

void PutString(TVoStream& stream, const QByteArray& bytes)
{
    if (bytes.size() > std::numeric_limits<qint32>::max())
        throw StreamError::TooLarge("string too long");
    stream.WriteI32(static_cast<qint32>(bytes.size()));
    stream.WriteBytes(bytes);
}

} // namespace

bool WriteRawString(TVoStream& stream, const QByteArray& bytes)
{
    return RunReported(1003, [&] {
        PutString(stream, bytes);
        return true;
    });
}

bool ReadRawString(TVoStream& stream, QByteArray& bytes)
{
    return RunReported(1004, [&] {
        const qint32 length = stream.ReadI32();
        bytes = stream.ReadBytes(length);
        return true;
    });
}

bool WriteString(TVoStream& stream, const QString& text)
{
    return RunReported(1003, [&] {
        PutString(stream, EncodeAnsi(text));
        return true;
    });
}

bool ReadString(TVoStream& stream, QString& text)
{
    return RunReported(1004, [&] {
        const qint32 length = stream.ReadI32();
        // Most strings are short: those are read on the stack rather than
        // into bytes of their own on the heap. Both ways check the length.
        char small[256];
        if (length >= 0 && length <= qint32(sizeof small)) {
            stream.ReadBuffer(small, length);
            text = DecodeAnsi(QByteArray::fromRawData(small, length));
        } else {
            text = DecodeAnsi(stream.ReadBytes(length));
        }
        return true;
    });
}

bool WriteFont(TVoStream& stream, const TVoFont& font)
{
    return RunReported(1001, [&] {
        if (!WriteString(stream, font.Name)) return false;
        stream.WriteU32(font.Color);
        stream.WriteI32(font.Size);
        stream.WriteU8(font.Charset);
        stream.WriteU8(font.Style);
        return true;
    });
}

bool ReadFont(TVoStream& stream, TVoFont& font)
{
    return RunReported(1002, [&] {
        QString name;
        if (!ReadString(stream, name)) return false;
        font.Name = name;
        font.Color = stream.ReadU32();
        font.Size = stream.ReadI32();
        font.Charset = stream.ReadU8();
        font.Style = stream.ReadU8();
        return true;
    });
}

bool WritePicture(TVoStream& stream, const TPicture& picture)
{
    return RunReported(1005, [&] {
        const TGraphic* graphic = picture.Empty() ? nullptr : picture.Graphic();
        if (!WriteString(stream, graphic ? graphic->ClassName() : QString())) return false;
        if (!graphic) return true;
        const QByteArray& bytes = graphic->SaveToBytes();
        if (bytes.size() > std::numeric_limits<qint32>::max())
            throw StreamError::TooLarge("picture too large");
        stream.WriteI32(static_cast<qint32>(bytes.size()));
        stream.WriteBytes(bytes);
        return true;
    });
}

bool ReadPicture(TVoStream& stream, TPicture& picture)
{
    picture.Clear();
    return RunReported(1006, [&] {
        QString tag;
        if (!ReadString(stream, tag)) return false;
        if (tag.isEmpty()) return true;
        const qint32 length = stream.ReadI32();
        const QByteArray bytes = stream.ReadBytes(length);
        const std::optional<GraphicKind> kind = GraphicClassByName(tag);
        if (!kind) throw StreamError::BadData("unknown picture class");
        std::unique_ptr<TGraphic> graphic = NewGraphic(*kind);
        graphic->LoadFromBytes(bytes);
        picture.SetGraphic(std::move(graphic));
        return true;
    });
}
