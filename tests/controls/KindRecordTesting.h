// SPDX-License-Identifier: GPL-2.0-or-later
// Shared helpers of the control tests: expected bytes of explicit widths,
// reading and writing kind records while recording the boxes shown, and
// small pictures.
#pragma once

#include "model/GraphicClasses.h"
#include "model/ObjectControl.h"
#include "model/Picture.h"
#include "model/VoFont.h"
#include "model/VoStream.h"
#include "support/RecordingMessageBoxes.h"

#include <gtest/gtest.h>

#include <QImage>

// Little-endian values of the widths a record is meant to have, built
// without the stream's own writers.
class TExpectedBytes {
public:
    TExpectedBytes& Int(qint64 value, int width)
    {
        for (int i = 0; i < width; ++i) m_data.append(char((quint64(value) >> (8 * i)) & 0xFF));
        return *this;
    }
    TExpectedBytes& U8(quint8 v) { return Int(v, 1); }
    TExpectedBytes& I16(qint16 v) { return Int(v, 2); }
    TExpectedBytes& I32(qint64 v) { return Int(v, 4); }
    TExpectedBytes& Str(const QByteArray& latin1)
    {
        I32(latin1.size());
        m_data.append(latin1);
        return *this;
    }
    TExpectedBytes& Font(const QByteArray& face, quint32 color, qint32 size, quint8 charset,
                         quint8 style)
    {
        return Str(face).I32(color).I32(size).U8(charset).U8(style);
    }
    const QByteArray& Data() const { return m_data; }

private:
    QByteArray m_data;
};

struct TReadOutcome {
    bool ok = false;
    QList<RecordingMessageBoxes::Box> boxes;
};

inline TReadOutcome ReadKind(TVoControl& control, const QByteArray& record)
{
    RecordingMessageBoxes boxes;
    TMemoryStream stream(record);
    const bool ok = control.ReadKindRecord(stream);
    return {ok, boxes.Boxes()};
}

inline QByteArray WriteKind(const TVoControl& control)
{
    RecordingMessageBoxes boxes;
    TMemoryStream stream;
    EXPECT_TRUE(control.WriteKindRecord(stream));
    EXPECT_TRUE(boxes.Boxes().isEmpty());
    return stream.Data();
}

inline TPicture PictureOf(GraphicKind kind, int width, int height)
{
    QImage image(width, height, QImage::Format_ARGB32);
    image.fill(qRgb(10, 120, 200));
    auto graphic = NewGraphic(kind);
    graphic->Assign(image);
    TPicture picture;
    picture.SetGraphic(std::move(graphic));
    return picture;
}

inline TVoFont MakeFont(const char* name, TColor color, qint32 size, quint8 charset, quint8 style)
{
    return TVoFont{QString::fromLatin1(name), color, size, charset, style};
}
